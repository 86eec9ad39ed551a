#pragma once
// Blank filling that keeps report columns fixed.
#include <string>

namespace halcyra {

// Text filled with blanks on the right, or cut, to exactly `width` characters.
inline std::string PadRight(const std::string& text, std::size_t width) {
  std::string out = text.substr(0, width);
  out.resize(width, ' ');
  return out;
}

// Text filled with blanks on the left to at least `width` characters.
inline std::string PadLeft(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

}  // namespace halcyra
