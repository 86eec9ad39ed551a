#include "reports/report_headers.h"

#include <cmath>

#include "platform/number_format.h"
#include "platform/number_text.h"
#include "reports/report_columns.h"
#include "reports/report_names.h"
#include "shell/report_output.h"

namespace halcyra {

void SetReportHeadingPrefix(AppState& state) {
  state.flags.ReportHeading = std::string("Halcyra ") + "(Tropical zodiac) - ";
}

void WriteNatalDataHeader(LineSink& out, const std::string& chartName, const ChartInput& in) {
  out.WriteBlankLine();
  out.WriteLine("  " + chartName);
  out.WriteLine(ChartDataLine(in.Natal, in.NatalPlace));
}

void WriteDiurnalDateLine(LineSink& out, const ChartInput& in) {
  out.WriteLine("  Diurnal date = " + FormatDateDdMmmYyyy(in.Transit.Day, in.Transit.Month, in.Transit.Year));
}

void WriteCurrentDataLine(LineSink& out, const ChartInput& in) {
  out.WriteLine(ChartDataLine(in.Transit, in.TransitPlace));
}

void StartReportWithChartHeader(AppState& state) {
  StartNewPage(state);
  ReportBufferSink page(state);
  WriteNatalDataHeader(page, state.chart.ChartName, state.input);
}

void StartReportWithDiurnalHeader(AppState& state) {
  StartReportWithChartHeader(state);
  ReportBufferSink page(state);
  WriteDiurnalDateLine(page, state.input);
}

std::string ChartDataLine(const Moment& m, const Place& place) {
  return "  " + PadRight(FormatDateDdMmmYyyy(m.Day, m.Month, m.Year), 11) + "   TZ = " +
         PadLeft(FormatNumber(m.ZoneHours(), "#0.00"), 6) + "   " + PadLeft(FormatNumber(m.ClockTime(), "#0.00"), 5) +
         " " + m.AmPmText() + "   " + PadLeft(FormatNumber(place.LatitudeDM().Dot(), "#0.00"), 5) + " " +
         place.NSText() + "   " + PadLeft(FormatNumber(place.LongitudeDM().Dot(), "##0.00"), 6) + " " +
         place.EWText();
}

std::string SignDegMinText(double angle) {
  // Reduced into [0, 360) first: 360 itself would otherwise name a 13th sign.
  double a = angle - 360.0 * std::floor(angle / 360.0);
  if (!(a >= 0 && a < 360)) a = 0;
  int whole = static_cast<int>(std::floor(a));
  int sign = whole / 30 + 1;
  int minutes = static_cast<int>(std::floor((a - whole) * 60.0 + 0.5));
  if (minutes > 59) minutes = 59;
  return FormatNumber(whole % 30, "00") + " " + SignAbbrev(sign) + " " + FormatNumber(minutes, "00");
}

void AppendSignDegMin(std::string& outLine, double angle) { outLine += SignDegMinText(angle); }

std::string PadNumber2(const std::string& numberText) {
  return Val(numberText) < 10 ? " " + numberText : numberText;
}

}  // namespace halcyra
