#pragma once
// Golden report pages: the expected page kept as a text file in
// tests/data/reports/, compared line by line.
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace halcyra::testing {

// The lines of the golden file <name>.txt (empty when it is missing).
std::vector<std::string> GoldenLines(const std::string& name);

// Compares the lines with the golden file <name>.txt; the failure message
// holds a line-by-line diff. With HALCYRA_WRITE_GOLDEN=1 in the environment
// the file is (re)written instead, for checking by hand.
::testing::AssertionResult MatchesGoldenPage(const std::string& name,
                                             const std::vector<std::string>& lines);

}  // namespace halcyra::testing
