#pragma once
// Values parsed from the natal and the transit or second-person input windows,
// the moment a chart-wheel time step works on, and what the data-entry
// windows remember between uses.
#include <string>

namespace halcyra {

// The years the input checks accept: the natal year from 100, the transit
// year from the first year of the day count, so that no moment, birthday
// year or age goes below it; both up to 2099.
inline constexpr int FirstNatalYear = 100;
inline constexpr int FirstTransitYear = -4712;
inline constexpr int LastInputYear = 2099;

struct ChartInput {
  // natal
  int NatalDayInt = 0, NatalMonthInt = 0, NatalYearInt = 0;
  std::string NatalDateText;     // the three numbers joined by "/" in DateFormat order
  float NatalClockTime = 0;      // 12-hour clock, hours + minutes / 100
  std::string NatalAmPm = "A.M.", NatalAmPmCaption;
  float NatalTZ = 0;             // decimal hours, west positive
  float NatalGeoLong = 0;        // degrees + minutes / 100, east negative
  float NatalGeoLat = 0;         // degrees + minutes / 100, south negative
  std::string EWText = "WEST", NSText = "NORTH", NatalEWText = "WEST", NatalNSText = "NORTH";
  // transit or second person
  int TransitDay = 0, TransitMonth = 0, TransitYear = 0;
  std::string TransitDateText;
  float ChartClockTime = 0;
  std::string ChartAmPm = "A.M.";
  float TransitTZ = 0;
  float TransitGeoLong = 0, TransitGeoLat = 0;
  std::string TransitEWText = "WEST", TransitNSText = "NORTH";
  int LastBirthdayYear = 0;

  // What the data-entry windows remember between uses.
  int RememberedNameIndex = -1;  // names-list row last used for a chart
  int GeoTarget = 0;             // window the cities list fills: 0 natal, 1 transit
  std::string SelectedFile;      // the file chooser's answer, "" when cancelled
};

// The moment and place a chart-wheel time step works on, copied from an
// input window once and then changed in place by the steps.
struct StepRecord {
  int Month = 0, Day = 0, Year = 0;
  int Hour = 0, Minute = 0;       // 12-hour clock: hours 1 to 12
  int PMFlag = 0;                 // 1 for P.M.
  int LongDeg = 0, LongMin = 0, LatDeg = 0, LatMin = 0;
  int West = 1, South = 0;        // 1 for a west longitude, 1 for a south latitude
  float TZ = 0;                   // decimal hours, west positive
  // The wheel kind whose input window filled the record: 1 the natal
  // window (single wheels), 2 the transit window (dual wheels), 0 not yet.
  int FilledFor = 0;
};

}  // namespace halcyra
