#include "reports/data_summary.h"

#include <array>

#include "core/calendar.h"
#include "platform/number_format.h"
#include "platform/number_text.h"
#include "reports/chart_points.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"
#include "shell/report_output.h"

namespace halcyra {

namespace {

constexpr int kSets = 4;  // natal, progressed, solar arc, second chart

// One column cell: "  " position(9) and the retrograde mark, or "--".
std::string Cell(double longitude, bool noData, bool retrograde) {
  if (noData) return "  " + PadRight("--", 10);
  return "  " + SignDegMinText(longitude) + (retrograde ? "R" : " ");
}

// "dd mmm yyyy" of a Julian day moment, through the year/month/day text.
std::string DateOfMoment(double julianDay) {
  const std::string text = JulianDayToDateString(julianDay, 2);  // "yyyy/mm/dd"
  const std::size_t first = text.find('/'), second = text.rfind('/');
  if (first == std::string::npos || second == first) return text;
  const int year = static_cast<int>(Val(text.substr(0, first)));
  const int month = static_cast<int>(Val(text.substr(first + 1, second - first - 1)));
  const int day = static_cast<int>(Val(text.substr(second + 1)));
  return FormatDateDdMmmYyyy(day, month, year);
}

std::string SecondChartTitle(const AppState& state) {
  return state.chart.TransitChartName.empty() ? "Transits" : state.chart.TransitChartName;
}

}  // namespace

std::string HouseSystemName(const std::string& code) {
  if (code == "P") return "Placidus";
  if (code == "K") return "Koch";
  if (code == "C") return "Campanus";
  if (code == "O") return "Porphyry";
  if (code == "EA") return "Equal - Ascendant";
  if (code == "EM") return "Equal - MC";
  if (code == "M") return "Meridian";
  if (code == "I") return "Morinus";
  return "Regiomontanus";
}

void WriteDataSummaryReport(AppState& state) {
  const ChartState& c = state.chart;
  WriteBlankLine(state);
  WriteLine(state, "  DATA SUMMARY");
  WriteBlankLine(state);
  WriteLine(state, "  House system = " + HouseSystemName(state.options.HouseSystem));
  WriteLine(state, "  Natal sidereal time = " + c.natal.NatalSiderealText);
  WriteLine(state, "  " + SecondChartTitle(state) + " sidereal time = " + c.transit.TransitSiderealText);
  // The progressed moment is universal time; the date is read on the birth's clock.
  WriteLine(state, "  Progressed date = " + DateOfMoment(c.moments.ProgMoment - state.input.NatalTZ / 24.0));
  WriteLine(state, "  Solar arc = " + FormatNumber(c.arc.SolarArc, "##0.00"));
  WriteBlankLine(state);

  const std::array<std::string, kSets> titles = {"NATAL", "PROGRESSED", "SOLAR ARC",
                                                  SecondChartTitle(state)};
  std::string heading = "  " + PadRight("POINT", 10);
  for (const std::string& t : titles) heading += "  " + PadRight(t, 10);
  while (!heading.empty() && heading.back() == ' ') heading.pop_back();
  WriteLine(state, heading);

  for (int p : ListingOrder(LastUranianPoint)) {
    WriteLine(state, "  " + PointName10(p) +
                         Cell(c.natal.NatalLong[p], c.natal.NatalNoData[p],
                              RetroMark(c.natal.NatalRetroFlags, p)) +
                         Cell(c.prog.ProgLong[p], c.prog.ProgNoData[p],
                              RetroMark(c.prog.ProgRetroFlags, p)) +
                         Cell(c.arc.SolarArcLong[p], c.natal.NatalNoData[p], false) +
                         Cell(c.transit.TransitLong[p], c.transit.TransitNoData[p],
                              RetroMark(c.transit.TransitRetroFlags, p)));
  }
  WriteBlankLine(state);
  for (int h = 1; h <= 12; ++h) {
    const int e = CuspEntryOfHouse(h);
    WriteLine(state, "  " + PadRight(HouseLabel(e) + " cusp", 10) +
                         Cell(c.natal.NatalCusp[e], false, false) +
                         Cell(c.prog.ProgCusp[e], false, false) +
                         Cell(c.arc.SolarArcCusp[e], false, false) +
                         Cell(c.transit.TransitCusp[e], false, false));
  }
}

}  // namespace halcyra
