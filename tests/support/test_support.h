#pragma once
// Shared helpers for the tests: the shipped program files and scratch folders.
#include <string>
#include <vector>

namespace halcyra::testing {

// A program folder of this test program's own: a copy of the repository's
// appdata/, made on first use. The build's program folder (build/program)
// holds the user's files, which no test reads or writes.
std::string StagedProgramDir();

// The repository's appdata/ folder.
std::string SourceAppData();

// A fresh empty folder below the system's temporary folder, removed at exit.
std::string ScratchDir(const std::string& name);

// The rows of a case table below tests/data: fields between "|", lines that
// are empty or start with "#" left out, \t \r \n standing for their bytes.
std::vector<std::vector<std::string>> ReadCaseTable(const std::string& name);

}  // namespace halcyra::testing
