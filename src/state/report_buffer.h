#pragma once
// The report output channel's line lists and the Data window's own
// run-time values (its font and save name live in UiFlags).
#include <string>
#include <vector>

namespace halcyra {

// Each list holds its lines in entries 0 to count - 1 and always at least one
// more entry, the empty string at index count: readers that walk from 0 to
// count inclusive write that spare entry as a last empty line.
struct ReportBuffer {
  std::string OutLine;                                      // the line being built
  std::vector<std::string> PageLines = std::vector<std::string>(2);  // the current page
  std::vector<std::string> DataLines = std::vector<std::string>(2);  // every line since last emptied
  long PageLineCount = 0;
  long DataLineCount = 0;
  bool LinesLost = false;     // the report being written lost lines; it says so once, as it ends

  std::string HelpFileName;   // a backslash and the help file's name, e.g. "\OUTPUTD1.HLP"
  bool NewDateVisible = false;  // the More menu's New Date item (the menu itself: ChartState::MoreMenuVisible)
  int PrintWidthMode = 0;     // 0, 1 or 2: 12, 10 or 8 point printing
};

}  // namespace halcyra
