#include "core/house_row.h"

namespace halcyra {

namespace {
constexpr int kFieldWidth = 10;
// label of cusp-table entry k in characters 4k - 3 .. 4k
constexpr const char* kHouseLabels = "10TH11TH12TH 1ST 2ND 3RD 4TH 5TH 6TH 7TH 8TH 9TH";
// a tenth of an arc-second, so a point exactly on a cusp counts in the house it opens
constexpr double kCuspBias = 1.0 / 36000;

bool InHouse(double l, double from, double to) {
  if (from > to) return (l >= from && l < 360) || (l < to && l >= 0);  // spans 0 Aries
  return l >= from && l < to;
}
}  // namespace

std::string BuildPlanetHouseRow(const PointArray& longitudes, const CuspTable& cusps) {
  std::string tags;
  tags.reserve(NumPoints * kFieldWidth);
  for (int i = 1; i <= NumPoints; ++i) {
    const bool angle = i == Ascendant || i == Midheaven;
    std::string label = angle ? "----" : "    ";
    double l = longitudes[i] + kCuspBias;
    // a point just below 360 wraps to just above 0 Aries, where its house goes on
    if (l >= 360) l -= 360;
    // when cusps coincide the last matching entry wins
    for (int k = 12; k >= 1; --k) {
      if (InHouse(l, cusps[k], cusps[NextCuspEntry(k)])) {
        label.assign(kHouseLabels + 4 * (k - 1), 4);
        break;
      }
    }
    tags += label;
    tags += " HOUSE";
  }
  return tags;
}

}  // namespace halcyra
