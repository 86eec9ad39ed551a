#include "chart_input/atlas_exchange.h"

#include <chrono>
#include <filesystem>
#include <system_error>

#include "state/moment.h"
#include "chart_input/entry_lines.h"
#include "platform/program_files.h"
#include "platform/run_and_wait.h"
#include "platform/text_files.h"

namespace halcyra {

namespace {

namespace fs = std::filesystem;

// Filesystems that keep whole or even two-second times would otherwise make
// a fresh answer look older than the run.
constexpr auto AnswerTimeSlack = std::chrono::seconds(2);

// "33N45": degrees, the hemisphere letter, minutes.
struct Coordinate {
  int Degrees = 0, Minutes = 0;
  bool Second = false;  // S or E
};
std::optional<Coordinate> ParseCoordinate(const std::string& text, char first, char second, int maxDegrees) {
  const std::string upper = UpperAscii(TrimBlanks(text));
  const size_t letter = upper.find_first_of(std::string{first, second});
  if (letter == std::string::npos) return std::nullopt;
  auto degrees = WholeField(upper.substr(0, letter), 0, maxDegrees);
  const std::string minuteText = upper.substr(letter + 1);
  auto minutes = minuteText.size() <= 2 ? WholeField(minuteText, 0, 59) : std::nullopt;
  if (!degrees || !minutes) return std::nullopt;
  if (*degrees * 100 + *minutes > maxDegrees * 100) return std::nullopt;
  return Coordinate{*degrees, *minutes, upper[letter] == second};
}

}  // namespace

std::optional<AtlasAnswer> ParseAtlasAnswer(const std::vector<std::string>& lines, int& badLine) {
  badLine = 0;
  std::optional<Coordinate> latitude, longitude;
  AtlasAnswer answer;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string line = TrimBlanks(lines[i]);
    if (line.empty()) continue;
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      badLine = static_cast<int>(i + 1);
      return std::nullopt;
    }
    const std::string key = UpperAscii(TrimBlanks(line.substr(0, equals)));
    const std::string value = TrimBlanks(line.substr(equals + 1));
    bool good = true;
    if (key == "LATITUDE") {
      latitude = ParseCoordinate(value, 'N', 'S', 90);
      good = latitude.has_value();
    } else if (key == "LONGITUDE") {
      longitude = ParseCoordinate(value, 'W', 'E', 180);
      good = longitude.has_value();
    } else if (key == "ZONE") {
      const auto zone = ZoneFromText(value);
      good = zone.has_value();
      if (good) {
        answer.Place.TZ = zone->Text();
        answer.HasZone = true;
      }
    }
    // Other keys (the place name among them) are the atlas's own business.
    if (!good) {
      badLine = static_cast<int>(i + 1);
      return std::nullopt;
    }
  }
  if (!latitude || !longitude) return std::nullopt;
  answer.Place.LatDeg = std::to_string(latitude->Degrees);
  answer.Place.LatMin = std::to_string(latitude->Minutes);
  answer.Place.South = latitude->Second;
  answer.Place.LongDeg = std::to_string(longitude->Degrees);
  answer.Place.LongMin = std::to_string(longitude->Minutes);
  answer.Place.East = longitude->Second;
  return answer;
}

AtlasResult RunAtlasExchange(const std::string& atlasDir, const ProgramRunner& run) {
  AtlasResult result;
  if (TrimBlanks(atlasDir).empty()) {
    result.Message = NoAtlasFolderText;
    return result;
  }
  const std::string folder = ResolveCaseInsensitive(atlasDir);
  const std::string program = ProgramFile(folder, "ATLAS.EXE");
  if (!FileExists(program)) {
    result.Message = "ATLAS.EXE was not found in the atlas folder " + atlasDir + ".";
    return result;
  }
  result.FolderHoldsAtlas = true;
  const auto runStarted = fs::file_time_type::clock::now();
  if (!run(CommandLineArgument(program))) {
    result.Message = program + " could not be started.";
    return result;
  }

  const std::string pointerFile = ProgramFile(folder, "PCATPATH.TXT");
  auto pointerLines = ReadTextLines(pointerFile);
  if (!pointerLines) {
    result.Message = "The atlas program left no PCATPATH.TXT in " + atlasDir + ".";
    return result;
  }
  std::string answerFolder;
  for (const std::string& line : *pointerLines)
    if (!(answerFolder = TrimBlanks(line)).empty()) break;
  if (answerFolder.empty()) {
    result.Message = pointerFile + " names no folder.";
    return result;
  }
  const std::string answerFile = ProgramFile(ResolveCaseInsensitive(answerFolder), "TSRTEMP.TXT");
  std::error_code error;
  const auto answerTime = fs::last_write_time(answerFile, error);
  auto answerLines = error ? std::nullopt : ReadTextLines(answerFile);
  if (!answerLines) {
    result.Message = "The atlas program left no answer: " + answerFile + " cannot be read.";
    return result;
  }
  if (answerTime + AnswerTimeSlack < runStarted) {
    result.Message = "The atlas program gave no new answer; " + answerFile + " is from an earlier search.";
    return result;
  }
  int badLine = 0;
  result.Answer = ParseAtlasAnswer(*answerLines, badLine);
  if (!result.Answer) {
    result.Message = badLine > 0 ? "Line " + std::to_string(badLine) + " of " + answerFile +
                                       " is not a valid atlas answer."
                                 : answerFile + " holds no latitude and longitude.";
  }
  return result;
}

}  // namespace halcyra
