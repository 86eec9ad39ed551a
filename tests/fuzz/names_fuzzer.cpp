// Names-file lines: a line that is read is written back to a line that reads
// to the same entry.
#include "chart_input/names_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halcyra;
  for (const std::string& line : fuzz::Lines(data, size)) {
    const auto entry = ParseNameLine(line);
    if (!entry) continue;
    const std::string written = FormatNameLine(*entry);
    const auto again = ParseNameLine(written);
    if (!again || FormatNameLine(*again) != written) fuzz::Broken("a names entry did not read back");
  }
  return 0;
}
