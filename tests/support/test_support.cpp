#include "support/test_support.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace halcyra::testing {

namespace {

namespace fs = std::filesystem;

// This process's scratch folders; computed anew rather than kept, so that
// the exit handler needs no object that may already be gone.
fs::path ScratchRoot() { return fs::temp_directory_path() / ("halcyra-test-" + std::to_string(::getpid())); }

void RemoveScratchRoot() {
  std::error_code ignored;
  fs::remove_all(ScratchRoot(), ignored);
}

}  // namespace

std::string StagedProgramDir() {
  static const std::string dir = [] {
    const std::string copy = ScratchDir("shipped-program-folder");
    fs::copy(SourceAppData(), copy, fs::copy_options::recursive);
    return copy;
  }();
  return dir;
}

std::string SourceAppData() { return std::string(HALCYRA_SOURCE_DIR) + "/appdata"; }

std::string ScratchDir(const std::string& name) {
  static const bool removedAtExit = std::atexit(RemoveScratchRoot) == 0;
  (void)removedAtExit;
  const fs::path dir = ScratchRoot() / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string();
}

Moment TypedMoment(int year, int month, int day, double clockTime, bool pm, double zoneHours) {
  Moment m;
  m.Year = year, m.Month = month, m.Day = day;
  const long hundredths = std::lround(clockTime * 100);
  m.Hour = static_cast<int>(hundredths / 100), m.Minute = static_cast<int>(hundredths % 100);
  m.PM = pm;
  const long zoneMinutes = std::lround(std::fabs(zoneHours) * 60);
  m.Zone.Negative = zoneHours < 0;
  m.Zone.Whole = static_cast<int>(zoneMinutes / 60), m.Zone.Minutes = static_cast<int>(zoneMinutes % 60);
  return m;
}

ScopedTimeZone::ScopedTimeZone(const char* zone) {
  if (const char* before = std::getenv("TZ")) before_ = before;
  setenv("TZ", zone, 1);
  tzset();
}

ScopedTimeZone::~ScopedTimeZone() {
  if (before_)
    setenv("TZ", before_->c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
}

std::vector<std::vector<std::string>> ReadCaseTable(const std::string& name) {
  std::ifstream file(std::string(HALCYRA_TEST_DATA) + "/" + name);
  if (!file) throw std::runtime_error("cannot read the case table " + name);
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string>& fields = rows.emplace_back(1);
    for (size_t i = 0; i < line.size(); ++i) {
      const size_t escape =
          line[i] == '\\' && i + 1 < line.size() ? std::string("trn").find(line[i + 1]) : std::string::npos;
      if (line[i] == '|') fields.emplace_back();
      else if (escape != std::string::npos) fields.back() += "\t\r\n"[escape], ++i;
      else fields.back() += line[i];
    }
  }
  return rows;
}

}  // namespace halcyra::testing
