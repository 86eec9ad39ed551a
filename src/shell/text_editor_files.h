#pragma once
// The file side of the plain-text editors (city file, names file, option
// file, orb file): loading a file as editable text, saving it back, and
// restoring the factory option file.
#include <optional>
#include <string>

#include "state/app_state.h"

namespace halcyra {

// Every line of the file followed by CR LF; nullopt when it cannot be read.
std::optional<std::string> LoadEditorText(const std::string& path);

// The bytes Save writes for an editor's text (lines ended by CR LF): the
// text itself, with a CR LF added when its last line has none.
std::string EditorSaveBytes(const std::string& text);

// Writes the text all or nothing; false when the file cannot be written.
bool SaveEditorText(const std::string& path, const std::string& text);

// Copies OPTIONS.MAS over OPTIONS.OPT through a temporary file, so that a
// failure leaves OPTIONS.OPT as it was. False when either step fails.
bool RestoreDefaultOptions(const std::string& appPath);

// Reads OPTIONS.OPT again into OptionValues: line k gives element k, up to the
// first empty line; elements past the last line read keep their values.
// False when the file cannot be read or holds a value out of range; then
// every option keeps its value and `problem`, when given, gets the reason.
bool RereadOptionValues(AppState& state, std::string* problem = nullptr);

}  // namespace halcyra
