#pragma once
// The heading lines every report starts with, and the two small formatting
// routines the report writers share.
#include <string>

#include "state/app_state.h"
#include "state/line_sink.h"

namespace halcyra {

// ReportHeading := "Halcyra (Tropical zodiac) - ", the prefix of report
// titles and of the main window's caption.
void SetReportHeadingPrefix(AppState& state);

// A blank line, "  " and the chart name, and the natal data line (ChartDataLine).
void WriteNatalDataHeader(LineSink& out, const std::string& chartName, const ChartInput& input);

// "  Diurnal date = " and the transit date.
void WriteDiurnalDateLine(LineSink& out, const ChartInput& input);

// The data line of the second chart (transits or second person).
void WriteCurrentDataLine(LineSink& out, const ChartInput& input);

// A fresh report page (StartNewPage) that starts with the natal header of
// state.chart.ChartName, and one that adds the diurnal date line after it.
void StartReportWithChartHeader(AppState& state);
void StartReportWithDiurnalHeader(AppState& state);

// The data line of a chart, columns fixed:
// "  dd mmm yyyy   TZ = zzzzzz   hh.mm A.M.   ll.mm NORTH   lll.mm WEST"
// zone "#0.00" in 6, clock "#0.00" in 5, latitude "#0.00" in 5 and
// longitude "##0.00" in 6 (both as absolute values), right-aligned.
std::string ChartDataLine(const Moment& moment, const Place& place);

// Nine characters "dd SSS mm": whole degrees in the sign, the sign's three
// letters, the minutes rounded and held at 59 (never carried into the degree).
std::string SignDegMinText(double angle);
void AppendSignDegMin(std::string& outLine, double angle);

// One blank in front of a number's text when its value is below 10.
std::string PadNumber2(const std::string& numberText);

}  // namespace halcyra
