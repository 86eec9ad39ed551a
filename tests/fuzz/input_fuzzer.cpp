// The input checks and the parsing of both input windows: any box texts are
// checked without fault; input that passes parses, and a natal input that
// passes is saved to a names line that reads back.
#include "chart_input/input_checks.h"
#include "chart_input/input_parse.h"
#include "chart_input/names_file.h"
#include "fuzz_support.h"

namespace {

// Box texts from the input's lines, in the order of the window's boxes; the
// last byte chooses the option buttons.
halcyra::InputBoxTexts Boxes(const std::vector<std::string>& lines, size_t from, unsigned char choices) {
  halcyra::InputBoxTexts b;
  std::string* boxes[] = {&b.Month, &b.Day, &b.Year, &b.Hour, &b.Minute, &b.TZ, &b.LongDeg, &b.LongMin, &b.LatDeg, &b.LatMin};
  for (size_t k = 0; k < std::size(boxes); ++k) *boxes[k] = from + k < lines.size() ? lines[from + k] : "1";
  b.PM = choices & 1, b.East = choices & 2, b.South = choices & 4;
  return b;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace halcyra;
  static AppState state;  // large: made once
  const std::vector<std::string> lines = fuzz::Lines(data, size);
  const unsigned char choices = size > 0 ? data[size - 1] : 0;
  const InputBoxTexts natal = Boxes(lines, 0, choices), transit = Boxes(lines, 10, choices >> 3);
  state.options.HouseSystem = (choices & 64) ? "P" : "M";
  state.flags.WheelKind = (choices & 128) ? 2 : 1;
  InputMessages messages;
  if (RunInputChecks(state, natal, transit, messages)) {
    ParseNatalInput(state, natal);
    ParseTransitInput(state, transit);
  }
  ReadChartInputFields(state, natal, transit, messages);
  if (NatalBoxesAcceptable(natal) && NameRefusal("Chart").empty()) {
    const auto entry = ParseNameLine(FormatNameLine(NameEntryFromBoxes("Chart", natal)));
    if (!entry) fuzz::Broken("an accepted natal input saved to a names line that does not read back");
  }
  return 0;
}
