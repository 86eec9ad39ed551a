// Atlas answer files: an answer is read, or refused with the line it could
// not read (0 when the latitude or the longitude is missing).
#include "chart_input/atlas_exchange.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halcyra;
  const std::vector<std::string> lines = fuzz::Lines(data, size);
  int badLine = -1;
  const auto answer = ParseAtlasAnswer(lines, badLine);
  if (!answer && (badLine < 0 || badLine > static_cast<int>(lines.size()))) fuzz::Broken("a refusal names no line of the file");
  return 0;
}
