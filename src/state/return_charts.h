#pragma once
// The solar-return (also the ingress) and lunar-return chart sets, and the
// moment of the return last put into words for a caption.
#include <string>

#include "state/points.h"

namespace halcyra {

struct ReturnCharts {
  // solar return or ingress
  PointArray SolarReturnLong{}, SolarReturnDecl{};
  CuspTable SolarReturnCusp{};
  std::string SolarReturnRetroFlags = std::string(NumPoints, ' ');
  std::string SolarReturnHouseTags, SolarReturnSiderealText, SolarReturnDateText;
  std::string SolarReturnAmPm;
  double SolarReturnMoment = 0;  // Julian date, universal time
  PointFlags SolarReturnNoData{};

  // lunar return
  PointArray LunarReturnLong{}, LunarReturnDecl{};
  CuspTable LunarReturnCusp{};
  std::string LunarReturnRetroFlags = std::string(NumPoints, ' ');
  std::string LunarReturnHouseTags, LunarReturnSiderealText, LunarReturnDateText;
  std::string LunarReturnAmPm;
  double LunarReturnMoment = 0;
  PointFlags LunarReturnNoData{};

  // the last return moment formatted: its date text in DateFormat order
  // and its universal time on the 12-hour clock as hours + minutes / 100
  std::string DateText;
  double ReturnClockTime = 0;
};

}  // namespace halcyra
