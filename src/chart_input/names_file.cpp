#include "chart_input/names_file.h"

#include "chart_input/dot_minutes.h"
#include "platform/number_text.h"
#include "platform/program_files.h"
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

std::string WholeText(const std::string& box) { return std::to_string(ValInt(box)); }

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
    entry.HasMoment = true;
    entry.Moment = MomentTexts{std::to_string(*month), std::to_string(*day), std::to_string(*year),
                               std::to_string(*hour), std::to_string(*minute), *pm};
  }
  if (!AllEmpty(f, MomentFields, f.size())) {
    auto zone = DotMinutes::FromText(f[6]);
    auto longDeg = WholeField(f[7], 0, 180);
    auto longMin = WholeField(f[8], 0, 59);
    auto east = ChoiceField(f[9], 'W', 'E');
    auto latDeg = WholeField(f[10], 0, 90);
    auto latMin = WholeField(f[11], 0, 59);
    auto south = ChoiceField(f[12], 'N', 'S');
    if (!zone || !longDeg || !longMin || !east || !latDeg || !latMin || !south) return std::nullopt;
    entry.HasPlace = true;
    entry.Place = PlaceTexts{zone->Text(), std::to_string(*longDeg), std::to_string(*longMin),
                             std::to_string(*latDeg), std::to_string(*latMin), *east, *south};
  }
  return entry;
}

std::string FormatNameLine(const NameEntry& entry) {
  std::string line = entry.Name;
  if (entry.HasMoment) {
    const MomentTexts& m = entry.Moment;
    line += "," + m.Month + "," + m.Day + "," + m.Year + "," + m.Hour + "," + m.Minute + "," +
            (m.PM ? "PM" : "AM");
  } else {
    line += ",,,,,,";
  }
  if (entry.HasPlace) {
    const PlaceTexts& p = entry.Place;
    line += "," + p.TZ + "," + p.LongDeg + "," + p.LongMin + "," + (p.East ? "E" : "W") + "," +
            p.LatDeg + "," + p.LatMin + "," + (p.South ? "S" : "N");
  } else {
    line += ",,,,,,,";
  }
  return line;
}

LoadedNames LoadNamesFile(const std::string& path) { return LoadEntryFile(path, ParseNameLine); }

NameEntry NameEntryFromBoxes(const std::string& name, const InputBoxTexts& b) {
  NameEntry entry;
  entry.Name = TrimBlanks(name);
  entry.HasMoment = true;
  entry.Moment = MomentTexts{WholeText(b.Month), WholeText(b.Day), WholeText(b.Year),
                             WholeText(b.Hour), WholeText(b.Minute), b.PM};
  entry.HasPlace = true;
  // the place as the chart reads the boxes, in the whole degrees and
  // minutes the file holds
  const WholeDegreesMinutes longitude = CoordinateOfBoxes(Val(b.LongDeg), Val(b.LongMin));
  const WholeDegreesMinutes latitude = CoordinateOfBoxes(Val(b.LatDeg), Val(b.LatMin));
  entry.Place = PlaceTexts{DotMinutes::FromValue(Val(b.TZ)).Text(),
                           std::to_string(longitude.Degrees),
                           std::to_string(longitude.Minutes),
                           std::to_string(latitude.Degrees),
                           std::to_string(latitude.Minutes),
                           b.East,
                           b.South};
  return entry;
}

std::string NameRefusal(const std::string& name) {
  const std::string trimmed = TrimBlanks(name);
  if (trimmed.empty()) return "Please type a name for the chart in the name box first.";
  if (trimmed.find_first_of("\r\n") != std::string::npos) return "A name must stay on one line.";
  if (trimmed[0] == ';') return "A name may not begin with a semicolon.";
  return "";
}

NameSaveResult AppendNameEntry(const std::string& path, const NameEntry& entry) {
  std::vector<std::string> lines;
  if (FileExists(path)) {
    auto existing = ReadTextLines(path);
    if (!existing) return NameSaveResult::FileUnreadable;
    lines = std::move(*existing);
  }
  lines.push_back(FormatNameLine(entry));
  return WriteTextLines(path, lines) ? NameSaveResult::Saved : NameSaveResult::WriteFailed;
}

}  // namespace halcyra
