#pragma once
// The file side of the plain-text editors (city file, names file, option
// file, orb file): loading a file as editable text, saving it back, and
// restoring the factory option file.
#include <optional>
#include <string>
#include <string_view>

#include "shell/settings_files.h"
#include "state/app_state.h"

namespace halcyra {

// Which bytes an editor found in its file, so that its Save can tell
// whether someone else (Save Natal Data, another copy of the program) has
// written the file since: a file that was not read (missing, refused) has
// no digest.
struct EditorFileStamp {
  std::optional<size_t> digest;
  bool operator==(const EditorFileStamp&) const = default;
};
EditorFileStamp StampOfBytes(std::string_view bytes);
// The stamp of the file as it is now; it is read whole, and a read without
// the memory for it throws std::bad_alloc rather than pass for a change.
EditorFileStamp StampOfFile(const std::string& path);

// What Save asks before it writes over a file changed since it was loaded.
std::string ChangedSinceLoadedQuestion(const std::string& path);

// What Save says of a line with a character the file cannot hold, named
// with its code: "– (U+2013)".
std::string CharacterNotKeptText(const std::string& path, long line, const std::string& character);

// Every line of the file followed by CR LF; nullopt when it is not read,
// and then `refusal`, when given, says why. `stamp`, when given, gets the
// stamp of the bytes read.
std::optional<std::string> LoadEditorText(const std::string& path, FileRefusal* refusal = nullptr,
                                          EditorFileStamp* stamp = nullptr);

// The bytes Save writes for an editor's text (lines ended by CR LF): the
// text itself, with a CR LF added when its last line has none.
std::string EditorSaveBytes(const std::string& text);

// Writes the text all or nothing; false when the file cannot be written,
// with the system's reason in `reason` when given.
bool SaveEditorText(const std::string& path, const std::string& text, std::string* reason = nullptr);

// The reader of an orb file the orb editor saves: DIURNAL.ORB's for that
// file, a wheel orb file's for any other.
ValueListReader OrbEditorReader(const std::string& path);

// The refusal that `reader` would give the text an editor saves as `path`,
// naming the file and the line; nullopt when the reader would take it. An
// editor writes no text that the program would refuse to read back.
std::optional<StartupFileError> EditorTextRefusal(const std::string& text, const std::string& path,
                                                  const ValueListReader& reader);

// Copies OPTIONS.MAS over OPTIONS.OPT through a temporary file, so that a
// failure leaves OPTIONS.OPT as it was. When either step fails, or the
// factory file holds a value the option reader refuses, the message that
// names the file and the reason; nullopt once OPTIONS.OPT is restored.
std::optional<std::string> RestoreDefaultOptions(const std::string& appPath);

// Reads OPTIONS.OPT again into OptionValues: line k gives element k, up to the
// first empty line; elements past the last line read keep their values.
// False when the file cannot be read or holds a value out of range; then
// every option keeps its value and `problem`, when given, gets the reason.
bool RereadOptionValues(AppState& state, std::string* problem = nullptr);

}  // namespace halcyra
