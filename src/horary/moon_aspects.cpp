#include "horary/moon_aspects.h"

#include <array>
#include <cmath>
#include <utility>

#include "horary/speed_order.h"
#include "reports/aspect_finder.h"
#include "horary/zodiac.h"

namespace halcyra {

namespace {

// Points 1 to 15 by degree within the sign, as the exchange sort leaves
// them: each position takes every later point whose degree is not above
// its own, so equal degrees end in falling point order.
std::array<int, LastMainPoint + 1> DegreeOrder(const ChartSet& natal) {
  std::array<int, LastMainPoint + 1> order{};
  std::array<double, LastMainPoint + 1> key{};
  for (int p = 1; p <= LastMainPoint; ++p) {
    order[p] = p;
    key[p] = DegreeInSign(natal.Long[p]);
  }
  for (int j = 1; j <= LastMainPoint - 1; ++j)
    for (int i = j + 1; i <= LastMainPoint; ++i)
      if (key[i] <= key[j]) {
        std::swap(key[i], key[j]);
        std::swap(order[i], order[j]);
      }
  return order;
}

bool NamedBySign(int point) {
  return point != NorthNode && point != PartOfFortune && point != Ascendant && point != Midheaven;
}

}  // namespace

std::string SignAspectWord(int signDistance, bool capitals) {
  const char* word = "";
  switch (signDistance) {
    case 0: word = capitals ? "CONJUNCT " : "conjunct "; break;
    case 2: case 10: word = capitals ? "SEXTILE " : "sextile "; break;
    case 3: case 9: word = capitals ? "SQUARE " : "square "; break;
    case 4: case 8: word = capitals ? "TRINE " : "trine "; break;
    case 6: word = capitals ? "OPPOSITE " : "opposite "; break;
    default: break;
  }
  return word;
}

MoonAspectsBySign MoonAspectsBySignOf(const ChartSet& natal) {
  MoonAspectsBySign aspects;
  const int moonSign = SignOf(natal.Long[Moon]);
  bool afterMoon = false;
  const auto order = DegreeOrder(natal);
  for (int position = 1; position <= LastMainPoint; ++position) {
    const int p = order[position];
    if (p == Moon) {
      afterMoon = true;
      continue;
    }
    const int distance = std::abs(moonSign - SignOf(natal.Long[p]));
    if (!NamedBySign(p) || SignAspectWord(distance, true).empty()) continue;
    (afterMoon ? aspects.next : aspects.last).push_back({p, distance});
  }
  return aspects;
}

std::string MoonOrbAspect::Tag() const {
  std::string tag;
  if (motion == OrbMotion::Partile) return "partile";
  if (motion == OrbMotion::Applying) tag = "APP";
  if (motion == OrbMotion::Separating) tag = "sep";
  if (side == OrbSide::Sinister) tag += ", sin ";
  if (side == OrbSide::Dexter) tag += ", dex ";
  return tag;
}

std::vector<MoonOrbAspect> MoonAspectsWithinOrb(const ChartSet& natal, const OptionTables& options) {
  std::vector<MoonOrbAspect> aspects;
  const SpeedOrderList order = SpeedOrder(natal.Speed);
  const int body = order[1];
  for (int position = 1; position <= LastMainPoint; ++position) {
    const int p = order[position];
    if (p == body) continue;
    const double separation = LongitudeSeparation(natal.Long[body], natal.Long[p]);
    MoonOrbAspect a{body, p, TestAspectWithinOrb(options, body, p, separation)};
    if (a.orb.code == NoAspectCode) continue;
    if (p < Ascendant) {
      const ArcSide side = ArcSideOf(natal.Long[body] - natal.Long[p]);
      const OrbPhase phase = OrbPhaseOf(a.orb.signedOrb);
      switch (AspectCourseOf(side, phase)) {
        case AspectCourse::Closing: a.motion = OrbMotion::Applying; break;
        case AspectCourse::Opening: a.motion = OrbMotion::Separating; break;
        case AspectCourse::Neither:
          a.motion = phase == OrbPhase::Partile ? OrbMotion::Partile : OrbMotion::None;
          break;
      }
      if (a.motion != OrbMotion::Partile && a.orb.code != ConjunctCode)
        a.side = side == ArcSide::Behind  ? OrbSide::Sinister
                 : side == ArcSide::Ahead ? OrbSide::Dexter
                                          : OrbSide::None;
    }
    aspects.push_back(a);
  }
  return aspects;
}

}  // namespace halcyra
