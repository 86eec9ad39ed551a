#pragma once
// The program's glyph font "Orvane", installed for this process only.
#include <QString>
#include <string>

#include "platform/text_files.h"

namespace halcyra {

// Adds the font file to the application's fonts; false when the file is
// missing, not read (`refusal`, when given, says why) or not a font
// (start-up goes on without it).
bool InstallGlyphFont(const std::string& fontFile, FileRefusal* refusal = nullptr);
// Removes the font added by InstallGlyphFont, if any.
void RemoveGlyphFont();

// Glyph code n of the font is the character U+F000 + n.
QString GlyphText(int code);

}  // namespace halcyra
