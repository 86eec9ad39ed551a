// Interpretation text files (SUN.TXT and the others): any text is read.
#include "fuzz_support.h"
#include "reports/interpretation_texts.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halcyra;
  const InterpretationTexts texts = ParseInterpretationLines(fuzz::Lines(data, size));
  (void)texts;
  return 0;
}
