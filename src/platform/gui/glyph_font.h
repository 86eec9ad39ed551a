#pragma once
// The program's glyph font "Orvane", installed for this process only.
#include <QString>
#include <string>

namespace halcyra {

// Adds the font file to the application's fonts; false when the file is
// missing or not a font (start-up goes on without it).
bool InstallGlyphFont(const std::string& fontFile);
// Removes the font added by InstallGlyphFont, if any.
void RemoveGlyphFont();

// Glyph code n of the font is the character U+F000 + n.
QString GlyphText(int code);

}  // namespace halcyra
