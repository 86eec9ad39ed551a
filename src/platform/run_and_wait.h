#pragma once
// Running another program and waiting for it, as the atlas exchange and the
// picture converter need.
#include <string>
#include <vector>

namespace halcyra {

// Starts the command line (program and arguments, blanks separate them,
// double quotes group them) and blocks until the program ends. Returns false
// at once when the program cannot be started; callers look for the started
// program's output files themselves.
bool RunAndWait(const std::string& commandLine);

// How a program run with its arguments ended.
struct ProgramRun {
  bool started = false;
  int exitCode = -1;  // -1 as well when it crashed
  bool Succeeded() const { return started && exitCode == 0; }
};
// Starts the program (looked up on the PATH when the name has no folder)
// with the arguments as they are, one each, whatever blanks they hold, and
// blocks until it ends.
ProgramRun RunAndWaitWithArguments(const std::string& program, const std::vector<std::string>& arguments);

}  // namespace halcyra
