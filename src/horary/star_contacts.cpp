#include "horary/star_contacts.h"

#include "reports/fixed_stars.h"

namespace halcyra {

namespace {

// The window's ends as the table gives them, moved by the precession; the
// longitude is tried as it stands and one turn either way, which keeps the
// ends exact where the window lies within 0 to 360.
bool InWindow(double longitude, double lower, double upper) {
  for (double turn : {0.0, 360.0, -360.0})
    if (lower <= longitude + turn && longitude + turn <= upper) return true;
  return false;
}

}  // namespace

std::vector<StarContact> StarContactsOf(const ChartSet& natal, const StarPrecession& precession, double algolOrb) {
  std::vector<StarContact> contacts;
  for (int p = Sun; p <= LastMainPoint; ++p) {
    if (p == NorthNode || p == PartOfFortune) continue;
    for (int s = 0; s < FixedStarCount; ++s) {
      const FixedStar& star = FixedStarTable[s];
      const double shift = star.epoch == 1990 ? precession.since1990 : precession.since2000;
      // A star held as one longitude (Algol) has the fixed-star orb either side.
      const double widen = star.windowFrom == star.windowTo ? algolOrb : 0;
      if (InWindow(natal.Long[p], star.windowFrom + shift - widen, star.windowTo + shift + widen))
        contacts.push_back({p, s});
    }
  }
  return contacts;
}

}  // namespace halcyra
