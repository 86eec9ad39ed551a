#include "horary/critical_degrees.h"

namespace halcyra {

namespace {

// The windows' ends as the report has always used them: the multiples of
// 360/28 less and plus one half, rounded.
constexpr struct {
  double from, to;
} kWindows[] = {{0, 0.5},           {12.357, 13.357},       {25.214, 26.214},
                {38.071, 39.071},   {50.92857, 51.92857},   {63.7857, 64.7857},
                {76.642857, 77.642857}, {89.5, 90}};

}  // namespace

std::vector<int> CriticalDegreePoints(const ChartSet& natal) {
  std::vector<int> points;
  for (int p = Sun; p <= Moon; ++p) {
    double x = natal.Long[p];
    while (x >= 90) x -= 90;
    for (const auto& w : kWindows)
      if (x >= w.from && x <= w.to) {
        points.push_back(p);
        break;
      }
  }
  return points;
}

}  // namespace halcyra
