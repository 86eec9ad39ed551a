// Names-file lines: a line that is read is written back to a line that reads
// to the same entry.
#include "chart_input/names_file.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halcyra;
  fuzz::CheckLinesReadBack(data, size, ParseNameLine, FormatNameLine, "a names entry did not read back");
  return 0;
}
