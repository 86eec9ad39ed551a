#pragma once
// The way out for failures that leave the program unable to go on, such as
// a required program file that is missing or longer than its table.
#include <string>

namespace halcyra {

// Shows the text in a message box titled "Error!" and writes it on stderr.
void ReportFatalError(const std::string& text);

// ReportFatalError, then ends the process with status 1.
[[noreturn]] void FatalExit(const std::string& text);

}  // namespace halcyra
