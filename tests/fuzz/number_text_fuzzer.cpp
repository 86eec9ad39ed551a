// Number text: every text reads as a finite number, its whole number is the
// rounding of that number, and the written form reads back.
#include <cmath>

#include "fuzz_support.h"
#include "platform/number_format.h"
#include "platform/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halcyra;
  const std::string text = fuzz::Text(data, size);
  const double value = Val(text);
  if (!std::isfinite(value)) fuzz::Broken("Val gave a value that is not finite");
  if (ValInt(text) != RoundHalfEven(value)) fuzz::Broken("ValInt differs from the rounded Val");
  // 15 significant digits: the written form reads back to within them.
  const std::string written = StrNumber(value);
  if (std::fabs(Val(written) - value) > 1e-14 * std::fabs(value)) fuzz::Broken("StrNumber did not read back");
  for (const char* pattern : {"#0.00", "##0.00", "00", "0.0000"}) (void)FormatNumber(value, pattern);
  return 0;
}
