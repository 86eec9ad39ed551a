#pragma once
// The files' Latin-1 text in UTF-8, the encoding of paths and of the texts
// of messages (the rule is in shell/ui/messages.h).
#include <string>
#include <string_view>

namespace halcyra {

// Each byte as the Latin-1 character of its code, written in UTF-8.
inline std::string Latin1ToUtf8(std::string_view latin1) {
  std::string utf8;
  utf8.reserve(latin1.size());
  for (const char c : latin1) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | code >> 6);
      utf8 += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return utf8;
}

}  // namespace halcyra
