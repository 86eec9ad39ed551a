#pragma once
// Golden report pages: the expected page kept as a text file in
// tests/data/<subsystem>/ (reports/ unless named), compared line by line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "platform/text_files.h"

namespace halcyra::testing {

inline std::string GoldenPath(const std::string& name, const std::string& folder = "reports") {
  return std::string(HALCYRA_TEST_DATA) + "/" + folder + "/" + name + ".txt";
}

// Compares the lines with the golden file <name>.txt; the failure message
// holds a line-by-line diff. With HALCYRA_WRITE_GOLDEN=1 in the environment
// the file is (re)written instead, for checking by hand.
inline ::testing::AssertionResult MatchesGoldenPage(const std::string& name, const std::vector<std::string>& lines,
                                                    const std::string& folder = "reports") {
  const std::string path = GoldenPath(name, folder);
  if (const char* write = std::getenv("HALCYRA_WRITE_GOLDEN"); write && std::string(write) == "1")
    return WriteTextLines(path, lines) ? ::testing::AssertionSuccess() << "written " << path
                                       : ::testing::AssertionFailure() << "cannot write " << path;
  const auto expected = ReadTextLines(path);
  if (!expected) return ::testing::AssertionFailure() << "no golden page " << path;
  std::ostringstream diff;
  int differences = 0;
  for (size_t i = 0; i < std::max(expected->size(), lines.size()); ++i) {
    if (i < expected->size() && i < lines.size() && (*expected)[i] == lines[i]) continue;
    ++differences;
    diff << "line " << i + 1 << ":\n";
    if (i < expected->size()) diff << "  - \"" << (*expected)[i] << "\"\n";
    if (i < lines.size()) diff << "  + \"" << lines[i] << "\"\n";
  }
  if (differences == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << name << ".txt: " << differences << " line(s) differ (- expected, + got)\n"
                                       << diff.str();
}

}  // namespace halcyra::testing
