#include "reports/data_summary.h"

#include <array>

#include "core/calendar.h"
#include "platform/number_format.h"
#include "platform/number_text.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"

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

std::string SecondChartTitle(const ChartState& chart) {
  return chart.TransitChartName.empty() ? "Transits" : chart.TransitChartName;
}

std::string Cell(const ChartSet& set, int point) {
  return Cell(set.Long[point], set.NoData[point], set.Retrograde(point));
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

void WriteDataSummaryReport(LineSink& out, const ChartState& c, const std::string& houseSystem) {
  out.WriteBlankLine();
  out.WriteLine("  DATA SUMMARY");
  out.WriteBlankLine();
  out.WriteLine("  House system = " + HouseSystemName(houseSystem));
  out.WriteLine("  Natal sidereal time = " + c.Natal.SiderealText);
  out.WriteLine("  " + SecondChartTitle(c) + " sidereal time = " + c.Transit.SiderealText);
  // The progressed moment is universal time; the date is read on the birth's clock.
  out.WriteLine("  Progressed date = " + DateOfMoment(c.moments.ProgMoment - c.Natal.Zone / 24.0));
  out.WriteLine("  Solar arc = " + FormatNumber(c.moments.SolarArc, "##0.00"));
  out.WriteBlankLine();

  const std::array<std::string, kSets> titles = {"NATAL", "PROGRESSED", "SOLAR ARC", SecondChartTitle(c)};
  std::string heading = "  " + PadRight("POINT", 10);
  for (const std::string& t : titles) heading += "  " + PadRight(t, 10);
  while (!heading.empty() && heading.back() == ' ') heading.pop_back();
  out.WriteLine(heading);

  const std::array<const ChartSet*, kSets> sets = {&c.Natal, &c.Prog, &c.SolarArc, &c.Transit};
  for (int p : ListingOrder(LastUranianPoint)) {
    std::string line = "  " + PointName10(p);
    for (const ChartSet* set : sets) line += Cell(*set, p);
    out.WriteLine(line);
  }
  out.WriteBlankLine();
  for (int h = 1; h <= 12; ++h) {
    const int e = CuspEntryOfHouse(h);
    std::string line = "  " + PadRight(HouseLabel(e) + " cusp", 10);
    for (const ChartSet* set : sets) line += Cell(set->Cusp[e], false, false);
    out.WriteLine(line);
  }
}

}  // namespace halcyra
