#pragma once
// Numbers read from and written to text the way every settings file and
// input box of the program does it.
#include <optional>
#include <string>
#include <string_view>

namespace halcyra {

// Lenient reading: blanks, tabs and line feeds are skipped wherever they
// stand, then the longest prefix forming a number is taken (sign, digits,
// one '.', exponent; "&H" hexadecimal and "&O" octal). No number gives 0.
double Val(std::string_view text);

// A whole number from text: Val rounded to nearest, halves to the even neighbour.
long ValInt(std::string_view text);

// The whole number an entry box holds: digits alone, blanks and tabs around
// them allowed; nullopt for anything else, and for more than nine digits,
// which no box takes.
std::optional<long> WholeBoxNumber(std::string_view box);

// Rounds halves to the even neighbour, as every whole number read from text
// does. Values beyond the range of a long give its nearest end, NaN gives 0:
// callers that need a narrower range check it before they convert.
long RoundHalfEven(double value);

// General numeric text with a leading blank when not negative: " 10", " 10.5", "-300".
// `significant` is 7 for single-precision values and 15 for doubles.
std::string StrNumber(double value, int significant = 15);

}  // namespace halcyra
