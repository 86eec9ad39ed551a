#pragma once
// Running another program and waiting for it, as the atlas exchange and the
// picture converter need.
#include <string>

namespace halcyra {

// Starts the command line (program and arguments, blanks separate them,
// double quotes group them) and blocks until the program ends. Returns false
// at once when the program cannot be started; callers look for the started
// program's output files themselves.
bool RunAndWait(const std::string& commandLine);

}  // namespace halcyra
