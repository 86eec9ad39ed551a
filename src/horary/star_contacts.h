#pragma once
// The chart's points standing on one of the program's 74 fixed stars.
#include <vector>

#include "state/chart_set.h"

namespace halcyra {

// How far the stars of each epoch have moved since it, degrees: 50.23
// seconds of arc for each whole year from 1990 and from 2000.
struct StarPrecession {
  double since1990 = 0, since2000 = 0;
};

struct StarContact {
  int point = 0;  // Sun to MC but the N. Node and the Part of Fortune
  int star = 0;   // index into FixedStarTable
  bool operator==(const StarContact&) const = default;
};

// Every contact, ordered by point and then by the star table: a point
// stands on a star when it lies within the star's window (1 degree either
// side, Algol's `algolOrb`, both ends included) moved by its epoch's
// precession. The window is read on the circle, so one that precession has
// carried over 0 Aries still catches the points on both sides of it.
std::vector<StarContact> StarContactsOf(const ChartSet& natal, const StarPrecession& precession, double algolOrb);

}  // namespace halcyra
