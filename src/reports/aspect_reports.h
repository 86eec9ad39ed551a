#pragma once
// Aspect reports: the aspect grid with parallels and the aspect list of one
// chart, and the list of the transit set's aspects to the natal set.
#include <string>

#include "state/chart_set.h"
#include "state/line_sink.h"
#include "state/option_tables.h"

namespace halcyra {

// Points that aspect lists take: Sun to TransPluto (1..17) in listing order.
constexpr int LastListedPoint = TransPlutoIndex;

// A blank line, the self grid of the set (the working set, as the aspect
// pages load it) titled "NATAL PLANET ASPECTS TO NATAL PLANETS", its
// legend, a blank line and the aspect list of the set.
void WriteNatalAspectReport(LineSink& out, const ChartSet& chart, const OptionTables& options);

// The transit set's aspects among themselves: the same layout titled for
// transits, or for the second person when the second chart is a person's
// natal chart (its name other than "Transits").
void WriteTransitToTransitAspects(LineSink& out, const ChartSet& transit, const std::string& transitChartName,
                                  const OptionTables& options);

// The aspects of every transit point to every natal point, as a list.
void WriteTransitToNatalAspects(LineSink& out, const ChartSet& transit, const ChartSet& natal,
                                const OptionTables& options);

// Aspect list: column heading, then one line per aspect
//   "  " name(10) aspect name(12) name(10) "  " orb ("#0.00", PadNumber2)
// longitude aspects first, then declination parallels marked "  P" or "  CP".
// Within one chart each pair appears once; between charts every pair of a
// first-chart point with a second-chart point. Points without data are left
// out; Lilith, whose tabulated declination is always 0, takes no parallels.
void WriteAspectList(LineSink& out, const ChartSet& first, const ChartSet& second, bool sameChart,
                     const std::string& firstHeading, const std::string& secondHeading, const OptionTables& options);

}  // namespace halcyra
