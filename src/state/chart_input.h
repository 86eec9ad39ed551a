#pragma once
// Values parsed from the natal and the transit or second-person input windows.
#include <string>

namespace halcyra {

struct ChartInput {
  // natal
  int NatalDayInt = 0, NatalMonthInt = 0, NatalYearInt = 0;
  std::string NatalDateText;
  float NatalClockTime = 0;  // 12-hour clock, hours + minutes / 100
  std::string NatalAmPm = "A.M.", NatalAmPmCaption;
  float NatalTZ = 0;         // hours, west positive
  float NatalGeoLong = 0;    // degrees + minutes / 100, east negative
  float NatalGeoLat = 0;     // south negative
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
};

// The moment and place a chart-wheel time step works on.
struct StepRecord {
  int Month = 0, Day = 0, Year = 0;
  int Hour = 0, Minute = 0;
  int PMFlag = 0;
  std::string TZ, LongDeg, LongMin, LatDeg, LatMin;
  int East = 0, South = 0;
};

}  // namespace halcyra
