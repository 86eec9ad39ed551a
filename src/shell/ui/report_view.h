#pragma once
// Showing the current page: written to the last-page file and loaded into the Data window.
#include <string>

namespace halcyra {

void ShowReport();
// Loads a help file of the program folder onto a page and shows it.
void ShowTextHelp(const std::string& fileName);

}  // namespace halcyra
