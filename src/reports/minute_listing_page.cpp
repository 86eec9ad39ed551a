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

void WriteMinuteListing(AppState& state, const MinuteListingPeriod& period,
                        const std::vector<MinuteAspect>& aspects) {
  StartReportWithChartHeader(state);
  WriteBlankLine(state);
  WriteLine(state, "               TRANSITS BY THE MINUTE");
  WriteBlankLine(state);
  const long lastMinute = std::max(1, period.days) * 1440L - 1;
  const ListingPlace& place = period.place;
  WriteLine(state, "  From " + DateText(period.first) + " 00:00 to " +
                       DateText(DayOfMinute(period.first, lastMinute)) + " 23:59   TZ = " +
                       PadLeft(FormatNumber(place.zoneHours, "#0.00"), 6));
  WriteLine(state, "  Transit place " + PadLeft(FormatNumber(std::fabs(place.geoLat), "#0.00"), 5) +
                       " " + place.nsText + "   " +
                       PadLeft(FormatNumber(std::fabs(place.geoLong), "##0.00"), 6) + " " +
                       (place.geoLong < 0 ? "EAST" : "WEST"));
  WriteBlankLine(state);
  WriteLine(state, "  Date         Time   Transiting  Aspect      Natal");
  WriteBlankLine(state);
  if (aspects.empty()) {
    WriteLine(state, "  None");
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
    std::string line = "  " + shownDate + "  " +
                       ClockText(a.minute) + "  " + SlotName10(a.transitSlot) + "  " +
                       AspectName12(a.code) + SlotName10(a.natalSlot);
    if (a.code == 7) line += a.contraParallel ? "  CP" : "  P";
    WriteLine(state, line);
  }
}

void RunMinuteListing(AppState& state, const MinuteListingPeriod& period,
                      const ListingProgress& progress) {
  LoadDiurnalOrbs(state);
  ClearDataBuffer(state);
  const std::vector<MinuteAspect> aspects =
      FindMinuteAspects(state, period, state.ini.TransitSelection, progress);
  WriteMinuteListing(state, period, aspects);
}

}  // namespace halcyra
