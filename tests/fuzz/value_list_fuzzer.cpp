// Value lists (OPTIONS.OPT, the orb files): any file is read or refused with
// its line, and what is read is a finite value of the accepted range.
#include <cmath>

#include "fuzz_support.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halcyra;
  const std::string path = fuzz::WriteScratchFile("OPTIONS.OPT", data, size);
  std::vector<float> values(245, 1.0f);
  try {
    ReadValueListFile(path, values);
  } catch (const StartupFileError& error) {
    if (error.Line < 1) fuzz::Broken("a refused value list names no line");
    return 0;
  }
  for (float v : values)
    if (!std::isfinite(v) || std::fabs(v) > ValueListLimit) fuzz::Broken("a value beyond the limit was read");
  return 0;
}
