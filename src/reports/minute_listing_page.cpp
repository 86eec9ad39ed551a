// The page of the minute-by-minute listing and the List command's run.
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "platform/number_format.h"
#include "platform/parallel_runs.h"
#include "reports/listing_points.h"
#include "reports/minute_listing.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"
#include "shell/report_output.h"
#include "shell/settings_files.h"

namespace halcyra {

namespace {

constexpr int kParallelCode = 7;
// Fewer lines than this are written faster by one thread than by several.
constexpr size_t kLinesPerThread = 20000;

std::string DateText(const ListingDay& d) { return FormatDateDdMmmYyyy(d.day, d.month, d.year); }

// Writes the lines of one period, keeping the names and the beginning of
// the line of the minute last written (date and clock time) so that a long
// listing builds each line with one allocation of its own length.
class LineWriter {
 public:
  explicit LineWriter(const MinuteListingPeriod& period) : period_(period) {
    for (int slot = 1; slot <= ListingSlots; ++slot) slotName_[slot] = SlotName10(slot);
    for (int code = 0; code < static_cast<int>(aspectName_.size()); ++code) aspectName_[code] = AspectName12(code);
  }

  std::string Line(const MinuteAspect& a) {
    if (a.minute != shownMinute_) ShowMinute(a.minute);
    const std::string& transit = Name(slotName_, a.transitSlot);
    const std::string& aspect = Name(aspectName_, a.code);
    const std::string& natal = Name(slotName_, a.natalSlot);
    const std::string_view mark = a.code != kParallelCode ? "" : a.contraParallel ? "  CP" : "  P";
    std::string line;
    line.reserve(minuteText_.size() + transit.size() + 2 + aspect.size() + natal.size() + mark.size());
    line.append(minuteText_).append(transit).append("  ").append(aspect).append(natal).append(mark);
    return line;
  }

 private:
  template <size_t N>
  static const std::string& Name(const std::array<std::string, N>& names, int k) {
    static const std::string none;
    return k >= 0 && k < static_cast<int>(N) ? names[static_cast<size_t>(k)] : none;
  }

  void ShowMinute(long minute) {
    if (minute / 1440 != shownMinute_ / 1440 || shownMinute_ < 0)
      dateText_ = DateText(DayOfMinute(period_.first, minute));  // once a day, not once a line
    shownMinute_ = minute;
    minuteText_ = "  " + dateText_ + "  " + ClockText(minute) + "  ";
  }

  const MinuteListingPeriod& period_;
  std::array<std::string, ListingSlots + 1> slotName_;
  std::array<std::string, 17> aspectName_;
  long shownMinute_ = -1;
  std::string dateText_, minuteText_;
};

// The lines of the aspects; a long listing writes runs of them at once.
std::vector<std::string> ListingLines(const MinuteListingPeriod& period, const std::vector<MinuteAspect>& aspects,
                                      int threads) {
  std::vector<std::string> lines(aspects.size());
  ForEachRun(aspects.size(), kLinesPerThread, threads, [&](size_t first, size_t end) {
    LineWriter writer(period);
    for (size_t k = first; k < end; ++k) lines[k] = writer.Line(aspects[k]);
  });
  return lines;
}

}  // namespace

std::string MinuteAspectLine(const MinuteListingPeriod& period, const MinuteAspect& aspect) {
  return LineWriter(period).Line(aspect);
}

namespace {

// The title, the period and place, the column heads, then the lines (or "  None").
void WriteListing(LineSink& out, const MinuteListingPeriod& period, std::vector<std::string>&& lines) {
  out.WriteBlankLine();
  out.WriteLine("               TRANSITS BY THE MINUTE");
  out.WriteBlankLine();
  const long lastMinute = std::max(1, period.days) * 1440L - 1;
  const ListingPlace& place = period.place;
  out.WriteLine("  From " + DateText(period.first) + " 00:00 to " + DateText(DayOfMinute(period.first, lastMinute)) +
                " 23:59   TZ = " + PadLeft(FormatNumber(place.zoneHours, "#0.00"), 6));
  out.WriteLine("  Transit place " + PadLeft(FormatNumber(place.where.LatitudeDM().Dot(), "#0.00"), 5) + " " +
                place.where.NSText() + "   " +
                PadLeft(FormatNumber(place.where.LongitudeDM().Dot(), "##0.00"), 6) + " " + place.where.EWText());
  out.WriteBlankLine();
  out.WriteLine("  Date         Time   Transiting  Aspect      Natal");
  out.WriteBlankLine();
  if (lines.empty()) {
    out.WriteLine("  None");
    return;
  }
  out.WriteLines(std::move(lines));
}

}  // namespace

void WriteMinuteListing(LineSink& out, const MinuteListingPeriod& period, const std::vector<MinuteAspect>& aspects,
                        int threads) {
  WriteListing(out, period, ListingLines(period, aspects, threads));
}

void MinuteListingPage(AppState& state, const MinuteListingPeriod& period, const std::vector<MinuteAspect>& aspects,
                       int threads) {
  // The lines first: a listing without the memory for them leaves the page
  // and the data buffer as they were.
  std::vector<std::string> lines = ListingLines(period, aspects, threads);
  ClearDataBuffer(state);
  StartReportWithChartHeader(state);
  ReportBufferSink page(state);
  WriteListing(page, period, std::move(lines));
}

bool RunMinuteListing(AppState& state, const MinuteListingPeriod& period, const ListingProgress& progress,
                      int threads) {
  LoadDiurnalOrbs(state);
  const ChartSet working = state.chart.Working;
  const auto aspects = FindMinuteAspects(state, period, state.ini.TransitSelection, progress, threads);
  if (!aspects) return false;
  try {
    MinuteListingPage(state, period, *aspects, threads);
  } catch (...) {
    state.chart.Working = working;  // a listing that failed leaves the chart state as a stopped one does
    throw;
  }
  return true;
}

}  // namespace halcyra
