#include "shell/settings_files.h"

#include <cfloat>
#include <algorithm>
#include <cmath>
#include <optional>

#include "platform/date_settings.h"
#include "platform/number_text.h"
#include "platform/program_files.h"
#include "platform/text_files.h"
#include "platform/utf8_text.h"
#include "shell/startup_data.h"

namespace halcyra {

namespace {

// A range bound as the refusal writes it: "-2147483647", "0", "180".
std::string BoundText(double bound) { return std::to_string(static_cast<long>(bound)); }

// A value list's lines read as ReadValueListFile describes; `name` names the file in a refusal.
void ReadValueListLines(const std::vector<std::string>& lines, const std::string& name, std::span<float> elements,
                        ValueRange range) {
  // Read into a copy, so that a refused file leaves every value as it was.
  std::vector<float> read(elements.begin(), elements.end());
  const size_t count = std::min(lines.size(), elements.size());
  for (size_t k = 0; k < count; ++k) {
    const std::string& line = lines[k];
    if (line.empty()) break;
    std::string_view field = std::string_view(line).substr(0, 7);
    const double value = Val(field);
    if (!(value >= range.low && value <= range.high)) {
      const long lineNumber = static_cast<long>(k) + 1;
      field.remove_prefix(std::min(field.find_first_not_of(" \t"), field.size()));
      field = field.substr(0, field.find_last_not_of(" \t") + 1);
      throw StartupFileError(name, lineNumber,
                             name + ", line " + std::to_string(lineNumber) + ": the value \"" + Latin1ToUtf8(field) +
                                 "\" is out of range (it must lie between " + BoundText(range.low) + " and " +
                                 BoundText(range.high) + ")");
    }
    read[k] = static_cast<float>(value);
  }
  std::copy(read.begin(), read.end(), elements.begin());
}

}  // namespace

void ReadValueListFile(const std::string& path, std::span<float> elements, ValueRange range) {
  const std::string name = path.substr(path.find_last_of('/') + 1);
  FileRefusal refusal;
  const auto lines = ReadTextLines(path, &refusal);
  if (!lines) throw UnreadFileError(name, path, refusal);
  ReadValueListLines(*lines, name, elements, range);
}

std::optional<StartupFileError> ValueListRefusal(const std::vector<std::string>& lines, const std::string& name,
                                                 const ValueListReader& reader) {
  std::vector<float> scratch(reader.elements);
  try {
    ReadValueListLines(lines, name, scratch, reader.range);
  } catch (const StartupFileError& refused) {
    return refused;
  }
  return std::nullopt;
}

namespace {

void LoadValueList(const std::string& path, std::span<float> table, const ValueListReader& reader) {
  // element 0 of every table is unused: line k goes to element k
  ReadValueListFile(path, table.subspan(1, reader.elements), reader.range);
}

}  // namespace

void LoadOptionsFile(AppState& state) {
  LoadValueList(ProgramFile(state.AppPath, "OPTIONS.OPT"), state.options.OptionValues, OptionsReader);
}

void LoadOrbFile(AppState& state) {
  LoadValueList(ResolveCaseInsensitive(state.options.OrbFileName), state.options.AspectOrb, OrbFileReader);
}

void LoadDiurnalOrbs(AppState& state) {
  LoadValueList(ProgramFile(state.AppPath, "DIURNAL.ORB"), state.options.DiurnalOrb, DiurnalOrbReader);
}

std::string IniFilePath(const std::string& appPath) { return ProgramFile(appPath, "Orvane.INI"); }

namespace {

// A whole number of a 16-bit setting; nullopt when it does not fit, which
// ends the reading like any other broken line.
std::optional<int> WholeSetting(double value) {
  const double rounded = std::nearbyint(value);  // halves to even
  if (!(rounded >= -32768 && rounded <= 32767)) return std::nullopt;
  return static_cast<int>(RoundHalfEven(value));
}

std::optional<float> SingleSetting(double value) {
  if (!(std::fabs(value) <= FLT_MAX)) return std::nullopt;
  return static_cast<float>(value);
}

bool StartsWith(const std::string& line, std::string_view key) {
  return line.compare(0, key.size(), key) == 0;
}

// Applies one INI line; false when a value cannot be held, ending the reading.
bool ApplyIniLine(const std::string& line, IniSettings& ini) {
  const size_t eq = line.find('=');
  const std::string text = eq == std::string::npos ? line : line.substr(eq + 1);
  const double value = Val(text);
  auto setWhole = [&](int& target, bool when) {
    if (!when) return true;
    auto whole = WholeSetting(value);
    if (!whole) return false;
    target = *whole;
    return true;
  };
  auto setSingle = [&](float& target, bool when) {
    if (!when) return true;
    auto single = SingleSetting(value);
    if (!single) return false;
    target = *single;
    return true;
  };
  if (StartsWith(line, "FontSize") && value >= 7.75) ini.FontSize = value;
  if (StartsWith(line, "FontBold")) ini.FontBold = value;
  if (StartsWith(line, "FontItalic")) ini.FontItalic = value;
  if (StartsWith(line, "OrvaneTop") && !setSingle(ini.MainTop, true)) return false;
  if (StartsWith(line, "OrvaneLeft") && !setSingle(ini.MainLeft, true)) return false;
  if (StartsWith(line, "OrvaneHeight") && !setSingle(ini.MainHeight, value > 0)) return false;
  if (StartsWith(line, "OrvaneWidth") && !setSingle(ini.MainWidth, value > 0)) return false;
  if (StartsWith(line, "DataTop") && !setWhole(ini.DataTop, value > 0)) return false;
  if (StartsWith(line, "DataLeft") && !setWhole(ini.DataLeft, true)) return false;
  if (StartsWith(line, "DataHeight") && !setWhole(ini.DataHeight, value > 0)) return false;
  if (StartsWith(line, "DataWidth") && !setWhole(ini.DataWidth, value > 0)) return false;
  if (StartsWith(line, "DataFile") && !text.empty()) ini.NamesFileName = text;
  if (StartsWith(line, "AstrLineTop")) ini.AstrLineTop = value;
  if (StartsWith(line, "AstrLineLeft")) ini.AstrLineLeft = value;
  if (StartsWith(line, "AstrLineWidth") && value > 0) ini.AstrLineWidth = value;
  if (StartsWith(line, "GeoDataFile") && !text.empty()) ini.CityFileName = text;
  if (StartsWith(line, "AtlasDir") && !text.empty()) ini.AtlasDir = text;
  if (StartsWith(line, "StartScale")) {
    int scale = 0;
    if (!setWhole(scale, true)) return false;
    // A wheel cut off or shrunk to a dot is no setting to keep: the default
    // stands and is what the INI file gets back.
    ini.StartScale = scale >= MinStartScale && scale <= MaxStartScale ? scale : DefaultStartScale;
  }
  if (StartsWith(line, "TypeChart") && !setWhole(ini.EuropeanChart, true)) return false;
  if (StartsWith(line, "Geo_Opts")) ini.TransitSelection = text;
  return true;
}

}  // namespace

std::optional<std::string> LoadIniSettings(AppState& state) {
  IniSettings defaults;
  defaults.NamesFileName = ProgramFile(state.AppPath, "NAMES.FIL");
  defaults.CityFileName = ProgramFile(state.AppPath, "GA_MA.LL");
  defaults.AtlasDir = state.ini.AtlasDir;
  state.ini = defaults;
  const std::string path = IniFilePath(state.AppPath);
  FileRefusal refusal;
  const auto lines = ReadTextLines(path, &refusal);
  // the first run has no settings file yet
  if (!lines && refusal.Missing()) return std::nullopt;
  if (!lines)
    return "The settings file " + path + " cannot be read: " + refusal.reason +
           ". Window positions and paths start from their defaults.";
  for (const std::string& line : *lines)
    if (!ApplyIniLine(line, state.ini)) break;
  return std::nullopt;
}

std::vector<std::string> IniFileLines(const IniSettings& ini) {
  std::vector<std::string> lines;
  lines.push_back("[Orvane] - Do NOT change the order of these variables.");
  lines.push_back("FontSize=" + StrNumber(ini.FontSize));
  lines.push_back("FontBold=" + StrNumber(ini.FontBold));
  lines.push_back("FontItalic=" + StrNumber(ini.FontItalic));
  // The main window's geometry is single precision.
  lines.push_back("OrvaneTop=" + StrNumber(ini.MainTop, 7));
  lines.push_back("OrvaneLeft=" + StrNumber(ini.MainLeft, 7));
  lines.push_back("OrvaneHeight=" + StrNumber(ini.MainHeight, 7));
  lines.push_back("OrvaneWidth=" + StrNumber(ini.MainWidth, 7));
  lines.push_back("DataTop=" + StrNumber(ini.DataTop));
  lines.push_back("DataLeft=" + StrNumber(ini.DataLeft));
  lines.push_back("DataHeight=" + StrNumber(ini.DataHeight));
  lines.push_back("DataWidth=" + StrNumber(ini.DataWidth));
  lines.push_back("AstrLineTop=" + StrNumber(ini.AstrLineTop));
  lines.push_back("AstrLineLeft=" + StrNumber(ini.AstrLineLeft));
  lines.push_back("AstrLineWidth=" + StrNumber(ini.AstrLineWidth));
  lines.push_back("DataFile=" + ini.NamesFileName);
  lines.push_back("GeoDataFile=" + ini.CityFileName);
  if (!ini.AtlasDir.empty()) lines.push_back("AtlasDir=" + ini.AtlasDir);
  lines.push_back("StartScale=" + StrNumber(ini.StartScale));
  lines.push_back("TypeChart=" + StrNumber(ini.EuropeanChart));
  lines.push_back("Geo_Opts=" + ini.TransitSelection);
  return lines;
}

bool SaveIniSettings(const AppState& state, std::string* reason) {
  return WrittenElseWhy(WriteTextLinesOrReason(IniFilePath(state.AppPath), IniFileLines(state.ini)), reason);
}

void ReadWinIniDateTimeFormat(AppState& state) {
  SystemDateFormat format;
  if (state.services.ReadSystemDateFormat) {
    format = state.services.ReadSystemDateFormat();
  } else {
    const DateSettings system = SystemDateSettings();
    format = {system.DateFormat, system.Use24Hour};
  }
  state.flags.DateFormat = format.DateFormat;
  state.flags.Use24Hour = format.Use24Hour;
}

}  // namespace halcyra
