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
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
  return path;
}

// A reader broke a promise the fuzzer cannot see through a crash alone.
[[noreturn]] inline void Broken(const char* what) {
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

}  // namespace halcyra::fuzz
