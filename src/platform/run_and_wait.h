#pragma once
// Running another program and waiting for it, as the atlas exchange and the
// picture converter need. Names, arguments and folders are UTF-8; the
// program starts with SIGXFSZ at its default, which ours ignores.
#include <cstddef>
#include <string>
#include <vector>

namespace halcyra {

// Starts the command line (program and arguments, blanks separate them,
// double quotes group them) and blocks until the program ends. Returns false
// at once when the program cannot be started; callers look for the started
// program's output files themselves.
bool RunAndWait(const std::string& commandLine);

// A path or argument written into such a command line so that it comes
// back whole: in double quotes, each double quote in it written as three,
// so blanks, quotes and shell signs ($, `) in a folder's name are kept.
std::string CommandLineArgument(const std::string& argument);

// How a program run with its arguments ended.
struct ProgramRun {
  bool started = false;
  int exitCode = -1;  // -1 as well when it crashed
  std::string output;  // its standard output and error as it wrote them, up to ProgramOutputKept bytes
  bool Succeeded() const { return started && exitCode == 0; }
};
// The most of a program's output that is kept: enough for its messages,
// however much it writes.
inline constexpr size_t ProgramOutputKept = 64 * 1024;

// Starts the program (looked up on the PATH when the name has no folder)
// with the arguments as they are, one each, whatever blanks they hold, in
// `workingFolder` (ours when empty), and blocks until it ends. Its output
// is kept for the caller rather than shown on our terminal.
ProgramRun RunAndWaitWithArguments(const std::string& program, const std::vector<std::string>& arguments,
                                   const std::string& workingFolder = "");

}  // namespace halcyra
