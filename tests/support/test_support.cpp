#include "support/test_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
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

std::vector<std::vector<std::string>> ReadCaseTable(const std::string& name) {
  std::ifstream file(std::string(HALCYRA_TEST_DATA) + "/" + name);
  if (!file) throw std::runtime_error("cannot read the case table " + name);
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string>& fields = rows.emplace_back(1);
    for (size_t i = 0; i < line.size(); ++i) {
      const size_t escape =
          line[i] == '\\' && i + 1 < line.size() ? std::string("trn").find(line[i + 1]) : std::string::npos;
      if (line[i] == '|') fields.emplace_back();
      else if (escape != std::string::npos) fields.back() += "\t\r\n"[escape], ++i;
      else fields.back() += line[i];
    }
  }
  return rows;
}

}  // namespace halcyra::testing
