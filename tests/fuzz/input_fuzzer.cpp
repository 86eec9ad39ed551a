// The input checks and the parsing of both input windows: any box texts are
// checked without fault; input that passes parses, and a natal input that
// passes is saved to a names line that reads back to the same values and
// boxes.
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
  const InputReadings input = ReadInputWindows(natal, transit);
  if (RunInputChecks(state, input, messages)) {
    ParseNatalInput(state, input.natal.When, input.natal.Where);
    ParseTransitInput(state, input.transit.When, input.transit.Where);
  }
  ReadChartInputFields(state, input, messages);
  if (input.natal.Accepted()) {
    // saved to a names line and read back, the same moment and place, shown in the same boxes
    const auto entry = ParseNameLine(FormatNameLine(NameEntryOf("Chart", input.natal.When, input.natal.Where)));
    if (!entry || entry->When != input.natal.When || entry->Where != input.natal.Where)
      fuzz::Broken("an accepted natal input saved to a names line that does not read back");
    const WindowReading again = ReadWindowBoxes(BoxTextsOf(entry->When, entry->Where), FirstNatalYear);
    if (!again.Accepted() || again.When != input.natal.When || again.Where != input.natal.Where)
      fuzz::Broken("the boxes of an accepted natal input do not read back");
  }
  return 0;
}
