#pragma once
// Window and listing flags shared between the windows and the reports.
#include <string>

namespace halcyra {

struct UiFlags {
  int WheelKind = 1;      // 1 single, 2 dual
  int TransitMode = 0;    // 0 to natal, 1 to transits, 2 to specified points
  int DateFormat = 0;     // 0 M/D/Y, 1 D/M/Y, 2 Y/M/D
  int Use24Hour = 0;
  double ListingDate = 0;
  int ListingActive = 0;
  int NamesDirty = 0;
  int TZTarget = 0;
  std::string ReportHeading;
};

}  // namespace halcyra
