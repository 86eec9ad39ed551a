#include "chart_input/names_file.h"

#include "chart_input/input_reading.h"
#include "state/dot_minutes.h"
#include "platform/text_files.h"

namespace halcyra {

namespace {

// Fields after the name: month, day, year, hour, minute, A.M./P.M.; zone,
// longitude degrees, minutes, E/W, latitude degrees, minutes, N/S.
constexpr int NameFieldCount = 13;
constexpr int MomentFields = 6;

bool AllEmpty(const std::vector<std::string>& fields, size_t from, size_t to) {
  for (size_t i = from; i < to; ++i)
    if (!fields[i].empty()) return false;
  return true;
}

std::optional<bool> AmPmField(const std::string& field) {
  const std::string upper = UpperAscii(field);
  if (upper == "AM" || upper == "A.M.") return false;
  if (upper == "PM" || upper == "P.M.") return true;
  return std::nullopt;
}

}  // namespace

std::optional<NameEntry> ParseNameLine(const std::string& line) {
  if (IsCommentOrBlank(line)) return std::nullopt;
  auto named = SplitNameAndFields(line, NameFieldCount);
  if (!named) return std::nullopt;
  const std::vector<std::string>& f = named->Fields;
  NameEntry entry;
  entry.Name = named->Name;

  if (!AllEmpty(f, 0, MomentFields)) {
    auto month = WholeField(f[0], 1, 12);
    auto day = WholeField(f[1], 1, 31);
    auto year = WholeField(f[2], 1, 99999);
    auto hour = WholeField(f[3], 0, 12);
    auto minute = WholeField(f[4], 0, 59);
    auto pm = AmPmField(f[5]);
    if (!month || !day || !year || !hour || !minute || !pm) return std::nullopt;
    if (!DateExists(*year, *month, *day)) return std::nullopt;
    entry.HasMoment = true;
    entry.When.Year = *year, entry.When.Month = *month, entry.When.Day = *day;
    entry.When.Hour = *hour == 0 ? 12 : *hour;  // as the hour box shows 0
    entry.When.Minute = *minute;
    entry.When.PM = *pm;
  }
  if (!AllEmpty(f, MomentFields, f.size())) {
    auto zone = ZoneFromText(f[6]);  // as the zone box takes it
    auto longDeg = WholeField(f[7], 0, 180);
    auto longMin = WholeField(f[8], 0, 59);
    auto east = ChoiceField(f[9], 'W', 'E');
    auto latDeg = WholeField(f[10], 0, 90);
    auto latMin = WholeField(f[11], 0, 59);
    auto south = ChoiceField(f[12], 'N', 'S');
    if (!zone || !longDeg || !longMin || !east || !latDeg || !latMin || !south) return std::nullopt;
    // no further than 180 degrees 00 and 90 degrees 00
    if ((*longDeg == 180 && *longMin > 0) || (*latDeg == 90 && *latMin > 0)) return std::nullopt;
    entry.HasPlace = true;
    entry.When.Zone = *zone;
    entry.Where = Place::FromDegreesMinutes({*longDeg, *longMin}, *east, {*latDeg, *latMin}, *south);
  }
  return entry;
}

std::string FormatNameLine(const NameEntry& entry) {
  std::string line = entry.Name;
  if (entry.HasMoment) {
    const MomentTexts m = MomentBoxTexts(entry.When);
    line += "," + m.Month + "," + m.Day + "," + m.Year + "," + m.Hour + "," + m.Minute + "," +
            (m.PM ? "PM" : "AM");
  } else {
    line += ",,,,,,";
  }
  if (entry.HasPlace) {
    const PlaceTexts p = PlaceBoxTexts(entry.When.Zone, entry.Where);
    line += "," + p.TZ + "," + p.LongDeg + "," + p.LongMin + "," + (p.East ? "E" : "W") + "," +
            p.LatDeg + "," + p.LatMin + "," + (p.South ? "S" : "N");
  } else {
    line += ",,,,,,,";
  }
  return line;
}

LoadedNames LoadNamesFile(const std::string& path) { return LoadEntryFile(path, ParseNameLine); }

NameEntry NameEntryOf(const std::string& name, const Moment& moment, const Place& place) {
  NameEntry entry;
  entry.Name = TrimBlanks(name);
  entry.HasMoment = entry.HasPlace = true;
  entry.When = moment;
  entry.Where = place;
  return entry;
}

std::string NameRefusal(const std::string& name) {
  const std::string trimmed = TrimBlanks(name);
  if (trimmed.empty()) return "Please type a name for the chart in the name box first.";
  if (trimmed.find_first_of("\r\n") != std::string::npos) return "A name must stay on one line.";
  if (trimmed[0] == ';') return "A name may not begin with a semicolon.";
  return "";
}

std::string NameCharacterRefusal(const std::string& character) {
  return "The name holds the character " + character +
         ", which the names file and the reports cannot keep: they hold Latin-1 characters only. "
         "Please type another in its place.";
}

NameSaveResult AppendNameEntry(const std::string& path, const NameEntry& entry, std::string* reason) {
  FileRefusal why;
  auto existing = ReadTextLines(path, &why);
  // No file yet: the entry starts one. Anything else in its place (a folder,
  // a device a link leads to) is never written over.
  if (!existing && !why.Missing()) {
    if (reason) *reason = std::move(why.reason);
    return NameSaveResult::FileUnreadable;
  }
  std::vector<std::string> lines = existing ? std::move(*existing) : std::vector<std::string>{};
  lines.push_back(FormatNameLine(entry));
  return WrittenElseWhy(WriteTextLinesOrReason(path, lines), reason) ? NameSaveResult::Saved
                                                                      : NameSaveResult::WriteFailed;
}

}  // namespace halcyra
