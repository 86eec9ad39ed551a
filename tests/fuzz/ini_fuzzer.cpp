// Orvane.INI: any file leaves settings that can be written back and read
// again to the same lines.
#include "fuzz_support.h"
#include "shell/settings_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halcyra;
  static AppState state;  // large: made once
  state.AppPath = fuzz::ScratchFolder();
  state.ini = IniSettings{};
  fuzz::WriteScratchFile("Orvane.INI", data, size);
  LoadIniSettings(state);
  const std::vector<std::string> first = IniFileLines(state.ini);
  if (!SaveIniSettings(state)) fuzz::Broken("the INI file could not be written");
  state.ini = IniSettings{};
  LoadIniSettings(state);
  if (IniFileLines(state.ini) != first) fuzz::Broken("the INI file did not read back as written");
  return 0;
}
