#pragma once
// Shared helpers for the tests: the shipped program files and scratch folders.
#include <optional>
#include <string>
#include <vector>

#include "state/moment.h"

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

// A moment as the input windows give it: the clock time as hours + minutes
// / 100 on the 12-hour clock, and the zone in decimal hours west positive
// (-5.5 is the zone box's -5.30).
Moment TypedMoment(int year, int month, int day, double clockTime, bool pm, double zoneHours);

// Sets the process's time zone (TZ) while it lives and puts the one before
// back: the system's own local-time conversion under a chosen zone.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone);
  ~ScopedTimeZone();
  ScopedTimeZone(const ScopedTimeZone&) = delete;
  ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

 private:
  std::optional<std::string> before_;
};

// Chicago's rules written out (POSIX), so that no zone files are needed.
inline constexpr const char* ChicagoTimeZone = "CST6CDT,M3.2.0,M11.1.0";

}  // namespace halcyra::testing
