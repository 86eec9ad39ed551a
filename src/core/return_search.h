#pragma once
// Solar returns, the Sun's ingresses into the cardinal signs and lunar
// returns: the search for the moment the Sun or the Moon reaches its target
// longitude, the whole chart of that moment, its wheel caption, and the
// steps to the next or previous return.
#include <string>

#include "state/app_state.h"

namespace halcyra {

// A search gives up after this many longitudes of its body; the Sun and the
// Moon move smoothly enough that a sound search needs a few dozen.
inline constexpr int ReturnSearchStepLimit = 200;
// The longitude the search must come within of its target, degrees.
inline constexpr double ReturnSearchTolerance = 0.00014;

inline constexpr const char* ReturnSearchTitle = "Warning!";
inline constexpr const char* SolarReturnFailedText =
    "The solar return could not be found within 200 steps. Please check the chart data.";
inline constexpr const char* IngressFailedText =
    "The ingress could not be found within 200 steps. Please check the chart data.";
inline constexpr const char* LunarReturnFailedText =
    "The lunar return could not be found within 200 steps. Please check the chart data.";
inline constexpr const char* ReturnPlaceFailedText =
    "The return chart cannot be computed at this latitude with this house system.";

struct ReturnSearchResult {
  bool found = false;
  int steps = 0;        // longitudes of the body computed
  std::string message;  // why nothing was found; empty when found
};

// The hour variable a search starts from and restarts from after each day
// step: the natal clock time on the 24-hour clock, decimal hours.
double ReturnSearchStartTime(const ChartInput& input);

// Iterate the moment only. The solar search finds the solar return of
// SolarReturnYear, or while IngressNumber is 1 to 4 the Sun's ingress into
// 90 * IngressNumber - 90 degrees in TransitYear; it leaves the date in
// SolarReturnDay, SolarReturnMonth, the hour in SolarReturnTime and the
// moment and year text in the SolarReturn set's Moment and DateText. The
// lunar search starts at ReturnDay, ReturnMonth, ReturnYear and leaves
// ReturnDay at the day it found, LunarReturnTime and the LunarReturn set's
// Moment and DateText. A search that fails changes none of these.
ReturnSearchResult SearchSolarReturn(AppState& state);
ReturnSearchResult SearchLunarReturn(AppState& state);

// Search, then compute the whole chart of the moment at the return place
// (ComputeChart; an ingress with the Sun on its cardinal point) into the
// SolarReturn or LunarReturn set, with its place, and into the working set;
// the set's clock is put into words when the return is formatted
// (FormatSolarReturnTime, SetReturnChartTitle). On failure the set keeps
// the previous return.
ReturnSearchResult FindSolarReturn(AppState& state);
ReturnSearchResult FindLunarReturn(AppState& state);

// The date and 12-hour universal time of a return moment, rounded to the
// whole minute with the carry into the hour, the half day and the date.
struct ReturnTime {
  int year = 0, month = 0, day = 0;  // Gregorian date of the rounded moment
  std::string dateText;              // the same in DateFormat order
  double clockTime = 0;              // hours + minutes / 100, 12.mm for the first hour
  std::string amPm;                  // "A.M." or "P.M."
};
ReturnTime ReturnTimeOfMoment(double moment, int dateFormat);

// DateText, ReturnClockTime and the set's clock and A.M./P.M. text from its moment.
void FormatSolarReturnTime(AppState& state);
void FormatLunarReturnTime(AppState& state);

// Lines 2 to 5 of a return's caption block (the date, the universal time
// with " (0)", the longitude and latitude of the return place), after the
// return's date text, clock time and A.M./P.M. text are formatted.
CaptionBlock ReturnMomentLines(AppState& state, bool solar);

// WheelCaption1() lines 1 to 7 of a single return wheel (ChartKind 4 solar
// return or ingress, else lunar return), the set's time formatted as
// FormatSolarReturnTime does; WheelCaption2() emptied.
void SetReturnChartTitle(AppState& state);

// Put the return set on the single wheel: ChartKind, the caption, the
// first wheel set (the return set with its place) and the Returns menu; then the chart-wheel window,
// when the services have one (ShowReturnWheel), shows it again.
void ShowSolarReturnWheel(AppState& state);
void ShowLunarReturnWheel(AppState& state);
// The same for the solar set without showing it, for a caption of its own.
void PutSolarReturnOnWheel(AppState& state);

// Step to the following or preceding return and show it. A failed search
// leaves the year or day where it was, so the wheel and the next step
// still agree.
ReturnSearchResult NextSolarReturn(AppState& state);
ReturnSearchResult PrevSolarReturn(AppState& state);
ReturnSearchResult NextLunarReturn(AppState& state);
ReturnSearchResult PrevLunarReturn(AppState& state);

}  // namespace halcyra
