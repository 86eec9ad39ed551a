#include "wheels/house_spans.h"

#include "core/angle_helpers.h"

namespace halcyra {

HouseSpans CalcHouseSpans(const CuspTable& cuspRing) {
  HouseSpans spans;
  for (int k = 1; k <= 12; ++k) spans.CuspDisplayLon[k] = cuspRing[k];
  for (int k = 1; k <= 11; ++k) {
    spans.HouseSpan[k] = NormalizeDegrees(cuspRing[k + 1] - cuspRing[k]);
    if (spans.HouseSpan[k] == 277.5) spans.HouseSpan[k] = 7.5;
  }
  spans.HouseSpan[12] = NormalizeDegrees(cuspRing[1] - cuspRing[12]);
  return spans;
}

}  // namespace halcyra
