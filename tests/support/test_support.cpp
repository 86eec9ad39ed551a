#include "support/test_support.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace halcyra::testing {

std::string StagedProgramDir() { return HALCYRA_PROGRAM_DIR; }

std::string SourceAppData() { return std::string(HALCYRA_SOURCE_DIR) + "/appdata"; }

std::string ScratchDir(const std::string& name) {
  namespace fs = std::filesystem;
  fs::path dir = fs::temp_directory_path() /
                 ("halcyra-test-" + std::to_string(::getpid())) / name;
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir.string();
}

}  // namespace halcyra::testing
