#include "reports/golden_page.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "platform/text_files.h"

namespace halcyra::testing {

namespace {

std::string GoldenPath(const std::string& name) {
  return std::string(HALCYRA_TEST_DATA) + "/reports/" + name + ".txt";
}

}  // namespace

std::vector<std::string> GoldenLines(const std::string& name) {
  return ReadTextLines(GoldenPath(name)).value_or(std::vector<std::string>{});
}

::testing::AssertionResult MatchesGoldenPage(const std::string& name,
                                             const std::vector<std::string>& lines) {
  const std::string path = GoldenPath(name);
  const char* write = std::getenv("HALCYRA_WRITE_GOLDEN");
  if (write && std::string(write) == "1") {
    if (!WriteTextLines(path, lines)) return ::testing::AssertionFailure() << "cannot write " << path;
    return ::testing::AssertionSuccess() << "written " << path;
  }
  const auto expected = ReadTextLines(path);
  if (!expected) return ::testing::AssertionFailure() << "no golden page " << path;
  std::ostringstream diff;
  int differences = 0;
  for (size_t i = 0; i < std::max(expected->size(), lines.size()); ++i) {
    const bool hasExpected = i < expected->size(), hasGot = i < lines.size();
    if (hasExpected && hasGot && (*expected)[i] == lines[i]) continue;
    ++differences;
    diff << "line " << i + 1 << ":\n";
    if (hasExpected) diff << "  - \"" << (*expected)[i] << "\"\n";
    if (hasGot) diff << "  + \"" << lines[i] << "\"\n";
  }
  if (differences == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << name << ".txt: " << differences
                                       << " line(s) differ (- expected, + got)\n" << diff.str();
}

}  // namespace halcyra::testing
