#pragma once
// The solar-return (also the ingress) and lunar-return chart sets, and the
// moment of the return last put into words for a caption.
#include <string>

#include "state/chart_set.h"

namespace halcyra {

struct ReturnCharts {
  // Each set's DateText is its year behind three blanks ("    2023"); its
  // clock is universal time, as the caption shows it once formatted.
  ChartSet SolarReturn;  // the solar return, or the ingress
  ChartSet LunarReturn;

  // the last return moment formatted: its date text in DateFormat order
  // and its universal time on the 12-hour clock as hours + minutes / 100
  std::string DateText;
  double ReturnClockTime = 0;
};

}  // namespace halcyra
