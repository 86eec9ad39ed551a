#pragma once
// What the fuzz targets share: the input as text, as lines the way the text
// reader cuts them, and as a scratch file for the readers that take a path.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/text_files.h"

namespace halcyra::fuzz {

inline std::string Text(const uint8_t* data, size_t size) { return std::string(reinterpret_cast<const char*>(data), size); }

inline std::vector<std::string> Lines(const uint8_t* data, size_t size) { return SplitTextLines(Text(data, size)); }

// A folder of this process's own, made once; each target writes its file there.
inline const std::string& ScratchFolder() {
  static const std::string folder = [] {
    std::string pattern = "/tmp/halcyra-fuzz-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
  }();
  return folder;
}

inline std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size) {
  const std::string path = ScratchFolder() + "/" + name;
  if (!WriteWholeFile(path, Text(data, size))) std::abort();
  return path;
}

// A reader broke a promise the fuzzer cannot see through a crash alone.
[[noreturn]] inline void Broken(const char* what) {
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

// Every line `parse` reads is written by `format` to a line that reads back
// to the same entry: saving an entry loses nothing.
template <class Parse, class Format>
void CheckLinesReadBack(const uint8_t* data, size_t size, Parse parse, Format format, const char* what) {
  for (const std::string& line : Lines(data, size)) {
    const auto entry = parse(line);
    if (!entry) continue;
    const std::string written = format(*entry);
    const auto again = parse(written);
    if (!again || format(*again) != written) Broken(what);
  }
}

}  // namespace halcyra::fuzz
