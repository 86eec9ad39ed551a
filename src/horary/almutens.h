#pragma once
// Almutens and dispositors: the planet the per-degree almuten tables name
// for the degree of each house cusp (ALMUTENS) and of each main point (MAIN
// DISPOSITORS), with the co-almuten where the tables give one.
#include <string>

#include "state/chart_set.h"
#include "state/line_sink.h"
#include "state/startup_tables.h"

namespace halcyra {

// The degree whose night almutens are three planets of equal score; the
// tables hold two of them and the report names the third, Saturn.
inline constexpr int ThreeWayTieDegree = 199;  // 19 Libra

struct DegreeAlmutens {
  int almuten = 0, coAlmuten = 0;  // point numbers; 0 none
  bool addSaturn = false;
};

// The almutens of a longitude's whole degree (truncated) from the day or
// the night tables. A table value outside 0 to NumPoints counts as none.
DegreeAlmutens AlmutensOfDegree(double longitude, bool night, const StartupTables& tables);

// The names as a line ends with them: each nine-character horary name,
// "SATURN" for the tie, then 10 blanks.
std::string AlmutenNamesText(const DegreeAlmutens& almutens);

// The ALMUTENS and MAIN DISPOSITORS sections. night: the chart's sect
// (the Sun in houses 1 to 6).
void WriteAlmutensDispositors(LineSink& out, const ChartSet& natal, bool night, const StartupTables& tables);

}  // namespace halcyra
