#pragma once
// Window and listing flags shared between the windows and the reports.
#include <string>

#include "state/screen_class.h"

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

  int TitleDone = 0;                       // 1 once the title window is dismissed
  std::string DataFontName = "COURIER NEW";  // the Data window's and the printer's font
  std::string DataFileName;                // the Data window's save name
  double SavedFormFontSize = 0;            // the main window's font, put back at exit
  std::string SavedFormFontName;
  ScreenClass screen;                      // chosen at start-up from the screen
};

}  // namespace halcyra
