#pragma once
// Glyph codes of the program's font "Orvane" (code n is the character
// U+F000 + n), shared by the wheel, its strip and the text of both.
namespace halcyra {

inline constexpr int PointGlyphBase = 223;  // point p (1 Sun .. 25 Poseidon) is code 223 + p
inline constexpr int SignGlyphBase = 191;   // sign s (1 Aries .. 12 Pisces) is code 191 + s
inline constexpr int RetrogradeGlyph = 156;

}  // namespace halcyra
