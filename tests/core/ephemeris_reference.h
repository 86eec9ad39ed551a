#pragma once
// A second, plain evaluation of the ephemeris pass in long double: the same
// published coefficient tables (their rows are checked against the
// published sums elsewhere), summed term by term with the C library's
// long double sine, cosine and arctangent, every angle formed and reduced
// where the method forms and reduces it, with the program's ten-decimal pi.
// It shares no evaluation code with the program, so a faster evaluation of
// the series can be held to it.
#include "core/ephemeris_driver.h"
#include "state/points.h"

namespace halcyra::testing {

struct ReferencePass {
  long double Long[NumPoints + 1] = {};      // points 1 to 12, 14, 15
  long double Lat[NumPoints + 1] = {};       // points 1 to 10
  long double Decl[NumPoints + 1] = {};      // points 1 to 10
  long double NextDay[NumPoints + 1] = {};   // points 1 to 11
  long double MoonDeclNextDay = 0;
};

ReferencePass EvaluateReferencePass(const EphemerisMoment& moment);

}  // namespace halcyra::testing
