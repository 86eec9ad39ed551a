#include "shell/text_editor_files.h"

#include <algorithm>
#include <functional>
#include <new>

#include "platform/program_files.h"
#include "platform/text_files.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"

namespace halcyra {

namespace {

std::string FileNameOf(const std::string& path) { return path.substr(path.find_last_of('/') + 1); }

}  // namespace

EditorFileStamp StampOfBytes(std::string_view bytes) { return {std::hash<std::string_view>{}(bytes)}; }

EditorFileStamp StampOfFile(const std::string& path) {
  FileRefusal refusal;
  const auto bytes = ReadWholeFile(path, &refusal);
  if (!bytes && refusal.kind == FileRefusal::Kind::OutOfMemory) throw std::bad_alloc();
  return bytes ? StampOfBytes(*bytes) : EditorFileStamp{};
}

std::string ChangedSinceLoadedQuestion(const std::string& path) {
  return FileNameOf(path) + " has changed since it was opened. Save your text over it?";
}

std::string CharacterNotKeptText(const std::string& path, long line, const std::string& character) {
  return FileNameOf(path) + ", line " + std::to_string(line) + ": the character " + character +
         " cannot be kept, as the file holds Latin-1 characters only";
}

std::optional<std::string> LoadEditorText(const std::string& path, FileRefusal* refusal, EditorFileStamp* stamp) {
  const auto bytes = ReadWholeFile(path, refusal);
  if (stamp) *stamp = bytes ? StampOfBytes(*bytes) : EditorFileStamp{};
  if (!bytes) return std::nullopt;
  try {
    std::string text;
    for (const std::string& line : SplitTextLines(*bytes)) {
      text += line;
      text += "\r\n";
    }
    return text;
  } catch (const std::bad_alloc&) {
    if (refusal) *refusal = {FileRefusal::Kind::OutOfMemory, "Out of memory"};
    return std::nullopt;
  }
}

std::string EditorSaveBytes(const std::string& text) {
  // Only a line end is ever dropped and put back: text the user typed after
  // the last line end is kept.
  if (text.empty() || text.ends_with("\r\n")) return text;
  return text + "\r\n";
}

bool SaveEditorText(const std::string& path, const std::string& text, std::string* reason) {
  return WrittenElseWhy(WriteWholeFileOrReason(path, EditorSaveBytes(text)), reason);
}

ValueListReader OrbEditorReader(const std::string& path) {
  std::string name = FileNameOf(path);
  // program files are found whatever their letter case
  std::ranges::transform(name, name.begin(), [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; });
  return name == "DIURNAL.ORB" ? DiurnalOrbReader : OrbFileReader;
}

std::optional<StartupFileError> EditorTextRefusal(const std::string& text, const std::string& path,
                                                  const ValueListReader& reader) {
  // the lines the loader will read back from the bytes Save writes
  return ValueListRefusal(SplitTextLines(EditorSaveBytes(text)), FileNameOf(path), reader);
}

std::optional<std::string> RestoreDefaultOptions(const std::string& appPath) {
  constexpr const char* NothingDone = ". Nothing was restored.";
  const std::string master = ProgramFile(appPath, "OPTIONS.MAS");
  FileRefusal refusal;
  const auto factory = ReadWholeFile(master, &refusal);
  if (!factory) return "Cannot read the file " + master + ": " + refusal.reason + NothingDone;
  if (const auto refused = EditorTextRefusal(*factory, master, OptionsReader)) return std::string(refused->what()) + NothingDone;
  const std::string options = ProgramFile(appPath, "OPTIONS.OPT");
  if (const auto reason = WriteWholeFileOrReason(options, *factory))
    return "Cannot write the file " + options + ": " + *reason + NothingDone;
  return std::nullopt;
}

bool RereadOptionValues(AppState& state, std::string* problem) {
  try {
    LoadOptionsFile(state);
    return true;
  } catch (const StartupFileError& error) {
    if (problem) *problem = error.what();
    return false;
  }
}

}  // namespace halcyra
