#include "shell/startup_data.h"

#include <algorithm>
#include <iterator>

#include "core/angle_helpers.h"
#include "platform/program_files.h"
#include "platform/text_files.h"
#include "shell/delimited_numbers.h"
#include "state/moment.h"

namespace halcyra {

namespace {

constexpr const char* CaptionPrefix = "Halcyra - ";

// Lilith's mean daily motion; the yearly file carries one longitude per
// 1 January and the days between are filled at this pace.
constexpr double LilithDailyMotion = 3.01844767123288;
constexpr int LilithFirstYear = 1900;
constexpr long LilithFirstYearDay = 2415021;  // 1 January 1900, noon-based

// File and progress text of each daily body, in loading order.
struct DailyFile {
  const char* file;
  const char* progress;
};
constexpr DailyFile DailyFiles[] = {
    {"CHIRON.DAT", "Loading Chiron ephemeris . . ."},
    {"TP.DAT", "Loading TransPluto ephemeris . . ."},
    {"t-Cupido.DAT", "Loading Cupido ephemeris . . ."},
    {"t-Hades.DAT", "Loading Hades ephemeris . . ."},
    {"t-Zeus.DAT", "Loading Zeus ephemeris . . ."},
    {"t-Kronos.DAT", "Loading Kronos ephemeris . . ."},
    {"t-Apollon.DAT", "Loading Apollon ephemeris . . ."},
    {"t-Admetos.DAT", "Loading Admetos ephemeris . . ."},
    {"t-Vulkanus.DAT", "Loading Vulkanus ephemeris . . ."},
    {"t-Poseidon.DAT", "Loading Poseidon ephemeris . . ."},
};

std::string ReadRequiredFile(const AppState& state, const std::string& name) {
  const std::string path = ProgramFile(state.AppPath, name);
  FileRefusal refusal;
  auto bytes = ReadWholeFile(path, &refusal);
  if (!bytes) throw UnreadFileError(name, path, refusal);
  return std::move(*bytes);
}

void LoadStarText(const AppState& state, std::array<std::string, StarTextLines>& target) {
  const std::string name = "STARS.TXT";
  const std::string path = ProgramFile(state.AppPath, name);
  FileRefusal refusal;
  auto lines = ReadTextLines(path, &refusal);
  if (!lines) throw UnreadFileError(name, path, refusal);
  if (lines->size() > target.size()) {
    const long line = static_cast<long>(target.size()) + 1;
    throw StartupFileError(name, line, name + ", line " + std::to_string(line) + ": more than " +
                                           std::to_string(target.size()) + " lines");
  }
  target.fill(std::string());
  for (size_t i = 0; i < lines->size(); ++i) target[i] = std::move((*lines)[i]);
}

// An almuten table names points: every value must be a point number or 0,
// since a value beyond them would name nothing.
enum class TableValues { AnyWholeNumber, PointNumbers };

// A table whose every entry is looked up must be full: a missing entry would
// read as 0 (a glyph at the wheel's centre, a blank almuten). The cusp-label
// layout alone may be short; its missing places stay 0.
enum class TableLength { Full, UpToFull };

[[noreturn]] void RefuseShortFile(const std::string& name, size_t read, size_t expected, const std::string& what) {
  throw StartupFileError(name, 0, name + ": the file ends after " + std::to_string(read) + " of its " +
                                      std::to_string(expected) + " " + what);
}

template <size_t N>
void LoadIntegerTable(const AppState& state, const std::string& name, std::array<int, N>& target,
                      TableValues values = TableValues::AnyWholeNumber, TableLength length = TableLength::Full) {
  const std::string text = ReadRequiredFile(state, name);
  DelimitedNumbers numbers(text, name);
  target.fill(0);
  size_t i = 0;
  while (!numbers.AtEnd()) {
    if (i == N) {
      throw StartupFileError(name, numbers.Line(), name + ", line " + std::to_string(numbers.Line()) +
                                                       ": more than " + std::to_string(N) + " values");
    }
    const int value = numbers.NextInteger();
    if (values == TableValues::PointNumbers && (value < 0 || value > NumPoints)) {
      throw StartupFileError(name, numbers.Line(), name + ", line " + std::to_string(numbers.Line()) + ": " +
                                                       std::to_string(value) + " is not a point number (0 to " +
                                                       std::to_string(NumPoints) + ")");
    }
    target[i++] = value;
  }
  if (length == TableLength::Full && i < N) RefuseShortFile(name, i, N, "values");
}

void LoadDailyTable(const AppState& state, const std::string& name, DailyTable& table) {
  const std::string text = ReadRequiredFile(state, name);
  DelimitedNumbers numbers(text, name);
  std::fill(table.Long.begin(), table.Long.end(), 0.0f);
  std::fill(table.Decl.begin(), table.Decl.end(), 0.0f);
  size_t i = 0;
  while (!numbers.AtEnd()) {
    if (i == static_cast<size_t>(DailyTableDays)) {
      throw StartupFileError(name, numbers.Line(), name + ", line " + std::to_string(numbers.Line()) +
                                                       ": more than " + std::to_string(DailyTableDays) +
                                                       " records");
    }
    table.Long[i] = numbers.NextSingle();
    table.Decl[i] = numbers.NextSingle();
    ++i;
  }
  if (i < static_cast<size_t>(DailyTableDays)) RefuseShortFile(name, i, DailyTableDays, "records");
}

// The yearly file gives Lilith on each 1 January from 1900; the days between
// advance at the year's own rate so that each year lands on the next value,
// and the 21 days before 1900 run back at the mean motion.
void LoadYearlyLilith(const AppState& state, const std::string& name, DailyTable& table) {
  const std::string text = ReadRequiredFile(state, name);
  DelimitedNumbers numbers(text, name);
  std::fill(table.Long.begin(), table.Long.end(), 0.0f);
  std::fill(table.Decl.begin(), table.Decl.end(), 0.0f);
  std::vector<float>& lon = table.Long;

  const double first = numbers.NextSingle();
  const long firstIndex = LilithFirstYearDay - DailyTableFirstDay;  // 21
  // The days before 1900 are not reduced to 0..360: they may be negative.
  lon[firstIndex - 1] = static_cast<float>(first - LilithDailyMotion);
  for (long e = firstIndex - 2; e >= 0; --e) lon[e] = static_cast<float>(lon[e + 1] - LilithDailyMotion);

  int year = LilithFirstYear;
  long yearStart = LilithFirstYearDay;
  double previous = first;
  size_t values = 1;
  while (!numbers.AtEnd()) {
    ++values;
    const double next = numbers.NextSingle();
    const long days = IsLeapYear(year) ? 366 : 365;
    double diff = next - previous;
    if (diff < -180) diff += 360;
    diff += 1080;  // three whole revolutions a year
    const double rate = diff / static_cast<double>(days);
    for (long k = 0; k < days; ++k) {
      const long index = yearStart - DailyTableFirstDay + k;
      if (index == DailyTableDays) return;
      lon[index] = k == 0 ? static_cast<float>(previous) : static_cast<float>(NormalizeDegrees(lon[index - 1] + rate));
    }
    ++year;
    yearStart += days;
    previous = next;
  }
  // The grid was not filled to its last day: each year from here that starts
  // within it needs the value of the 1 January after it.
  size_t needed = values;
  for (; yearStart - DailyTableFirstDay < DailyTableDays; ++year) {
    yearStart += IsLeapYear(year) ? 366 : 365;
    ++needed;
  }
  RefuseShortFile(name, values, needed, "yearly values");
}

}  // namespace

StartupFileError UnreadFileError(const std::string& name, const std::string& path, const FileRefusal& refusal) {
  if (refusal.Missing()) return StartupFileError(name, 0, "File not found: " + name + " (" + path + ")");
  return StartupFileError(name, 0, "Cannot read " + name + " (" + path + "): " + refusal.reason);
}

void LoadStartupData(AppState& state, const std::function<void(const std::string&)>& progress) {
  auto caption = [&](const std::string& text) {
    if (progress) progress(CaptionPrefix + text);
  };
  StartupTables& t = state.tables;

  caption("Loading data files . . .");
  LoadStarText(state, t.StarText);
  LoadIntegerTable(state, "HCDATA.DAT", t.GlyphStrokeData, TableValues::AnyWholeNumber, TableLength::UpToFull);
  LoadIntegerTable(state, "ALMUTD1.DAT", t.AlmutenDay, TableValues::PointNumbers);
  LoadIntegerTable(state, "ALMUTD2.DAT", t.CoAlmutenDay, TableValues::PointNumbers);
  LoadIntegerTable(state, "ALMUTN1.DAT", t.AlmutenNight, TableValues::PointNumbers);
  LoadIntegerTable(state, "ALMUTN2.DAT", t.CoAlmutenNight, TableValues::PointNumbers);
  LoadIntegerTable(state, "RADIUS.DAT", t.GlyphRadius);

  DailyTable* const daily[] = {&t.Chiron, &t.TransPluto, &t.Uranian[0], &t.Uranian[1], &t.Uranian[2],
                               &t.Uranian[3], &t.Uranian[4], &t.Uranian[5], &t.Uranian[6], &t.Uranian[7]};
  static_assert(std::size(DailyFiles) == std::size(daily));
  for (size_t b = 0; b < std::size(DailyFiles); ++b) {
    caption(DailyFiles[b].progress);
    LoadDailyTable(state, DailyFiles[b].file, *daily[b]);
  }

  caption("Loading Lilith ephemeris . . .");
  LoadYearlyLilith(state, "Lilith.dat", t.Lilith);
  caption("");
}

}  // namespace halcyra
