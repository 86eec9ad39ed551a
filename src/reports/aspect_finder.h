#pragma once
// The one aspect test of every aspect grid and list: longitude aspects by the
// orbs of options 1 to 16, and declination parallels by option 6.
#include "state/option_tables.h"

namespace halcyra {

// The shorter arc between two longitudes, 0 to 180 (across 0 Aries too).
double LongitudeSeparation(double longA, double longB);

struct AspectFound {
  int code = 1;      // AspectCode: 1 none, 2..6 and 8..16
  double orb = 0;    // distance of the separation from the exact angle
};

// Tests the windows in a fixed order, each test that holds overriding the
// one before, so that where windows overlap the later one wins and a
// conjunction beats everything: sextile, square, trine, opposition,
// semi-sextile, semi-square, sesquisquare, quincunx, then (only when option
// 16 is exactly 1) semi-quintile, nonagen, quintile, trecile, bi-quintile,
// and last the conjunction. The orb of code c is option c - 1; both bounds
// are inclusive and compared in single precision.
AspectFound FindAspect(double longA, double longB, const OptionTables& options);

enum class DeclinationAspect { None, Parallel, ContraParallel };

struct ParallelFound {
  DeclinationAspect kind = DeclinationAspect::None;
  double orb = 0;    // difference of the two distances from the equator
};

// Parallel when the distances from the equator differ by at most option 6:
// same side (a declination of 0 counts as north) parallel, else contra-parallel.
ParallelFound FindParallel(double declA, double declB, const OptionTables& options);

}  // namespace halcyra
