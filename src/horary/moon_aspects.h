#pragma once
// The Moon's aspects: by sign, the planets it has met since it entered its
// sign and those it will still meet before it leaves it (none left: void of
// course); and the major aspects it makes within orb.
#include <string>
#include <vector>

#include "horary/aspect_within_orb.h"
#include "state/chart_set.h"

namespace halcyra {

// A planet (Sun to Pluto, or Chiron) in a sign that aspects the Moon's.
struct MoonSignAspect {
  int point = 0;
  int signDistance = 0;  // |Moon's sign - the point's sign|, 0 to 11, not folded
  bool operator==(const MoonSignAspect&) const = default;
};

struct MoonAspectsBySign {
  std::vector<MoonSignAspect> last;  // at a lower degree within its sign than the Moon
  std::vector<MoonSignAspect> next;  // at a higher degree
};

// Points 1 to 15 are put in order of their degree within the sign, equal
// degrees in falling point order (Chiron before the Moon, the Moon before
// the planets); the points before the Moon give the last aspects, those
// after it the next. The N. Node, P. Fort, ASC and MC take their places in
// the order but are never named. Sign distances 0, 2, 3, 4, 6, 8, 9 and 10
// aspect; orbs play no part.
MoonAspectsBySign MoonAspectsBySignOf(const ChartSet& natal);

// "CONJUNCT ", "SEXTILE ", "SQUARE ", "TRINE ", "OPPOSITE " (small letters
// for the next aspects) for a sign distance; "" for 1, 5, 7 and 11.
std::string SignAspectWord(int signDistance, bool capitals);

enum class OrbMotion { None, Applying, Separating, Partile };
enum class OrbSide { None, Sinister, Dexter };

struct MoonOrbAspect {
  int body = 0;          // the fastest of the ten bodies: the Moon
  int point = 0;
  OrbTest orb;           // code 2 to 6, signed and rounded orb
  OrbMotion motion = OrbMotion::None;
  OrbSide side = OrbSide::None;
  // "APP" or "sep", then ", sin " or ", dex " (not after a conjunction);
  // "partile" alone; or "" (ASC and MC, or exactly on an axis).
  std::string Tag() const;
};

// The fastest body's major aspects within the sum of the moieties, to the
// other nine bodies fastest first and then to the N. Node, P. Fort,
// Chiron, ASC and MC. Applying or separating is judged from the positions,
// the body taken as moving forward faster than every other point; within
// 0.0166666 of exact the aspect is partile.
std::vector<MoonOrbAspect> MoonAspectsWithinOrb(const ChartSet& natal, const OptionTables& options);

}  // namespace halcyra
