// Orvane.INI: any file leaves settings that, once written, read back to the
// same lines: a value the reader adjusts (DataTop= 0.3 becomes 0, which the
// next reading passes over) settles after one round.
#include "fuzz_support.h"
#include "shell/settings_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halcyra;
  static AppState state;  // large: made once
  state.AppPath = fuzz::ScratchFolder();
  state.ini = IniSettings{};
  fuzz::WriteScratchFile("Orvane.INI", data, size);
  LoadIniSettings(state);
  std::vector<std::string> written;
  for (int round = 0; round < 2; ++round) {
    if (!SaveIniSettings(state)) fuzz::Broken("the INI file could not be written");
    written = IniFileLines(state.ini);
    state.ini = IniSettings{};
    LoadIniSettings(state);
  }
  if (IniFileLines(state.ini) != written) fuzz::Broken("the INI file did not read back as written");
  return 0;
}
