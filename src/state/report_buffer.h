#pragma once
// The report output channel's line lists.
#include <string>
#include <vector>

namespace halcyra {

struct ReportBuffer {
  std::string OutLine;                  // the line being built
  std::vector<std::string> PageLines;   // the current page
  std::vector<std::string> DataLines;   // every line since the buffer was last emptied
  long PageLineCount = 0;
  long DataLineCount = 0;
};

}  // namespace halcyra
