#pragma once
// Transits by the minute over a period of whole days: the aspects the
// search of minute_aspect_scan.h finds, split over the machine's cores, and
// the page that lists them.
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "reports/minute_aspect_scan.h"
#include "state/app_state.h"
#include "state/line_sink.h"

namespace halcyra {

// What a listing tells and hears while it works, on the thread that runs it.
struct ListingProgress {
  // (minutes listed so far, minutes in all) every few hundredths of a
  // second, and (all, all) once the search is done.
  std::function<void(long done, long total)> report;
  // A stop request ends the search without a result; the chart state is
  // then as it was.
  std::stop_token stop;
};

// The perfected aspects of the period in listing order (minute, transiting
// slot, natal slot, aspect). The period is split into one range of minutes
// per thread, each scanned in a working set of its own, and the ranges'
// aspects joined in time order (threads 0: one per core, platform/parallel_runs.h): the result does not depend on the number
// of threads. Uses state.options.DiurnalOrb as loaded, the natal set, the
// start-up tables and the selection. A finished search leaves the working
// set at the last step computed (the minute after the period), as one scan
// of the whole period would; a stopped one (nullopt) leaves it untouched.
// The chart clock is never touched.
std::optional<std::vector<MinuteAspect>> FindMinuteAspects(AppState& state, const MinuteListingPeriod& period,
                                                           const std::string& selection,
                                                           const ListingProgress& progress = {},
                                                           int threads = 0);

// One line of the listing: date, clock time, the two points and the aspect.
std::string MinuteAspectLine(const MinuteListingPeriod& period, const MinuteAspect& aspect);

// The listing: the title "TRANSITS BY THE MINUTE", the period and place,
// then one line per aspect (or "  None"). Long listings format their lines
// on `threads` threads (0: one per core).
void WriteMinuteListing(LineSink& out, const MinuteListingPeriod& period, const std::vector<MinuteAspect>& aspects,
                        int threads = 0);

// The listing on a fresh page under the natal chart's header, the data
// buffer emptied first. A listing whose lines find no memory throws before
// either is touched.
void MinuteListingPage(AppState& state, const MinuteListingPeriod& period, const std::vector<MinuteAspect>& aspects,
                       int threads = 0);

// Everything the options window's List command does between its progress
// window and ShowReport: DIURNAL.ORB read, the aspects found, the data
// buffer emptied and the page written. Throws StartupFileError when
// DIURNAL.ORB cannot be read. A stopped listing returns false and leaves
// the chart state, the page and the data buffer as they were; so does one
// that runs out of memory (or threads), which throws.
bool RunMinuteListing(AppState& state, const MinuteListingPeriod& period, const ListingProgress& progress = {},
                      int threads = 0);

}  // namespace halcyra
