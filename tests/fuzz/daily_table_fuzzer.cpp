// The free-format numbers of the daily tables and the whole-number tables:
// every field is a number of its range or a refusal naming the file and line.
#include <cmath>

#include "fuzz_support.h"
#include "shell/delimited_numbers.h"
#include "shell/startup_data.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halcyra;
  const std::string text = fuzz::Text(data, size);
  // The first byte chooses the kind of field, as the loaders use them.
  const bool wholeNumbers = size > 0 && data[0] % 2 == 1;
  DelimitedNumbers numbers(text, "CHIRON.DAT");
  try {
    for (int fields = 0; fields < 10000 && !numbers.AtEnd(); ++fields) {
      if (wholeNumbers) {
        const int value = numbers.NextInteger();
        if (value < -32768 || value > 32767) fuzz::Broken("a whole number beyond 16 bits");
      } else if (!std::isfinite(numbers.NextSingle())) {
        fuzz::Broken("a value that is not finite");
      }
    }
  } catch (const StartupFileError& error) {
    if (error.File != "CHIRON.DAT" || error.Line < 1) fuzz::Broken("a refusal without file and line");
  }
  return 0;
}
