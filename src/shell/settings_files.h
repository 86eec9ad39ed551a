#pragma once
// The settings files of the program folder: the value list files (options
// and orbs) and the INI file of window positions, fonts and paths.
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "shell/startup_data.h"
#include "state/app_state.h"

namespace halcyra {

// The values a value list may hold.
struct ValueRange {
  double low, high;
};

// The largest magnitude a value list holds: options and orbs are used as
// 32-bit whole numbers (lines per page, the home place's degrees), so a
// larger value could not be converted where it goes.
inline constexpr double ValueListLimit = 2147483647;
inline constexpr ValueRange OptionRange{-ValueListLimit, ValueListLimit};
// An orb is a distance from the exact aspect: no more than half a circle.
inline constexpr ValueRange OrbRange{0, 180};

// Reads a value list file into elements[0], elements[1] ... (line 1 first):
// each line's value is the number in its first 7 characters, the rest is
// comment. Reading ends at the first empty line or the end of the file;
// lines beyond the table are ignored; elements not reached keep their values.
// A file that cannot be read throws StartupFileError naming it; so does a
// value outside `range`, naming the file and the line, and then no element
// changes.
void ReadValueListFile(const std::string& path, std::span<float> elements, ValueRange range = OptionRange);

// What one loader reads: how many lines, and the range of their values.
struct ValueListReader {
  size_t elements;
  ValueRange range;
};
inline constexpr ValueListReader OptionsReader{OptionCount, OptionRange};        // OPTIONS.OPT
inline constexpr ValueListReader OrbFileReader{OrbCount, OrbRange};              // a wheel's orb file
inline constexpr ValueListReader DiurnalOrbReader{DiurnalOrbCount, OrbRange};    // DIURNAL.ORB

// The refusal the loader would give for a file of these lines, or nullopt
// when it would take them: what an editor checks before it saves.
std::optional<StartupFileError> ValueListRefusal(const std::vector<std::string>& lines, const std::string& name,
                                                 const ValueListReader& reader);

void LoadOptionsFile(AppState& state);   // OPTIONS.OPT into OptionValues 1..244
// The file OrbFileName names into AspectOrb 1..17; a file that cannot be read
// or holds an orb outside 0 to 180 throws and leaves AspectOrb as it was.
void LoadOrbFile(AppState& state);
void LoadDiurnalOrbs(AppState& state);   // DIURNAL.ORB into DiurnalOrb 1..10, the same way

std::string IniFilePath(const std::string& appPath);

// Applies the defaults, then reads Orvane.INI when it can; a missing or
// broken file leaves the values read so far. A file that is there but is
// not read gives the warning that says why.
std::optional<std::string> LoadIniSettings(AppState& state);

// The INI file's lines, in their fixed order.
std::vector<std::string> IniFileLines(const IniSettings& ini);

// Writes Orvane.INI; false when it cannot be written (any earlier file
// stays), with the system's reason in `reason` when given.
bool SaveIniSettings(const AppState& state, std::string* reason = nullptr);

// DateFormat and Use24Hour from the system's date and time settings, or
// from the services' ReadSystemDateFormat when they have one.
void ReadWinIniDateTimeFormat(AppState& state);

}  // namespace halcyra
