#pragma once
// Showing the current page: written to the last-page file and loaded into
// the Data window. Menu handlers call these; the computation library's
// ShowReport(AppState&) and ShowTextHelp(AppState&, ...) do the work.
#include <string>

namespace halcyra {

void ShowReport();
// Loads a help file of the program folder ("\OUTPUTD1.HLP") onto a page and shows it.
void ShowTextHelp(const std::string& fileName);

}  // namespace halcyra
