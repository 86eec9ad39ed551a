// The page of the minute-by-minute listing and the List command's run.
#include <cmath>

#include "platform/number_format.h"
#include "reports/listing_points.h"
#include "reports/minute_listing.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"
#include "shell/report_output.h"
#include "shell/settings_files.h"

namespace halcyra {

namespace {

std::string DateText(const ListingDay& d) { return FormatDateDdMmmYyyy(d.day, d.month, d.year); }

}  // namespace

void WriteMinuteListing(LineSink& out, const MinuteListingPeriod& period, const std::vector<MinuteAspect>& aspects) {
  out.WriteBlankLine();
  out.WriteLine("               TRANSITS BY THE MINUTE");
  out.WriteBlankLine();
  const long lastMinute = std::max(1, period.days) * 1440L - 1;
  const ListingPlace& place = period.place;
  out.WriteLine("  From " + DateText(period.first) + " 00:00 to " + DateText(DayOfMinute(period.first, lastMinute)) +
                " 23:59   TZ = " + PadLeft(FormatNumber(place.zoneHours, "#0.00"), 6));
  out.WriteLine("  Transit place " + PadLeft(FormatNumber(std::fabs(place.geoLat), "#0.00"), 5) + " " +
                place.nsText + "   " + PadLeft(FormatNumber(std::fabs(place.geoLong), "##0.00"), 6) + " " +
                (place.geoLong < 0 ? "EAST" : "WEST"));
  out.WriteBlankLine();
  out.WriteLine("  Date         Time   Transiting  Aspect      Natal");
  out.WriteBlankLine();
  if (aspects.empty()) {
    out.WriteLine("  None");
    return;
  }
  long shownDay = -1;
  std::string shownDate;
  for (const MinuteAspect& a : aspects) {
    const long dayIndex = a.minute / 1440;  // the date text once a day, not once a line
    if (dayIndex != shownDay) {
      shownDay = dayIndex;
      shownDate = DateText(DayOfMinute(period.first, a.minute));
    }
    std::string line = "  " + shownDate + "  " + ClockText(a.minute) + "  " + SlotName10(a.transitSlot) + "  " +
                       AspectName12(a.code) + SlotName10(a.natalSlot);
    if (a.code == 7) line += a.contraParallel ? "  CP" : "  P";
    out.WriteLine(line);
  }
}

void MinuteListingPage(AppState& state, const MinuteListingPeriod& period, const std::vector<MinuteAspect>& aspects) {
  StartReportWithChartHeader(state);
  ReportBufferSink page(state);
  WriteMinuteListing(page, period, aspects);
}

void RunMinuteListing(AppState& state, const MinuteListingPeriod& period,
                      const ListingProgress& progress) {
  LoadDiurnalOrbs(state);
  ClearDataBuffer(state);
  const std::vector<MinuteAspect> aspects =
      FindMinuteAspects(state, period, state.ini.TransitSelection, progress);
  MinuteListingPage(state, period, aspects);
}

}  // namespace halcyra
