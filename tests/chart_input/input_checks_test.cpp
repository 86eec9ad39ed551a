// The input checks: which box values pass, which are refused, and the
// messages a round raises (each once, though a blank box also fails its range).
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "chart_input/input_checks.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

// London at noon (month, day, year, hour, minute, zone, longitude, latitude,
// P.M.): every zero here is a real value (minute, zone, longitude).
const InputBoxTexts kGreenwich{"6", "21", "1990", "12", "0", "0", "0", "0", "51", "29", true};

// The messages of one round of checks, `change` made to the natal (else the
// transit) window's boxes; false in `passed` when the input was refused.
std::vector<InputMessage> Round(const std::string& system, bool natalSide,
                                const std::function<void(InputBoxTexts&)>& change, bool& passed) {
  AppState state;
  state.options.HouseSystem = system;
  state.chart.InputError = 1;  // left from an earlier round: cleared first
  InputBoxTexts natal = kGreenwich, transit = kGreenwich;
  change(natalSide ? natal : transit);
  InputMessages messages;
  passed = RunInputChecks(state, natal, transit, messages);
  EXPECT_EQ(state.chart.InputError, passed ? 0 : 1);
  return messages.List();
}

const InputMessage kNatalError{"Error in natal input data section. Please correct.", "Warning!"};
const InputMessage kTransitError{"Error in transit input data section. Please correct.", "Warning!"};
const InputMessage kHighLatitude{
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.", "Warning!"};

std::vector<InputMessage> Refused(bool natalSide) { return {natalSide ? kNatalError : kTransitError}; }

// The boxes' limits from tests/data/chart_input/input_limits.txt.
TEST(InputChecks, BlankBoxesAndRangesOfBothWindows) {
  const std::map<std::string, std::string InputBoxTexts::*> boxes = {
      {"month", &InputBoxTexts::Month},      {"day", &InputBoxTexts::Day},          {"year", &InputBoxTexts::Year},
      {"hour", &InputBoxTexts::Hour},        {"minute", &InputBoxTexts::Minute},    {"zone", &InputBoxTexts::TZ},
      {"long deg", &InputBoxTexts::LongDeg}, {"long min", &InputBoxTexts::LongMin}, {"lat deg", &InputBoxTexts::LatDeg},
      {"lat min", &InputBoxTexts::LatMin}};
  const auto cases = testing::ReadCaseTable("chart_input/input_limits.txt");
  EXPECT_EQ(cases.size(), 48u);
  for (const auto& c : cases)
    for (bool natalSide : {true, false}) {
      bool passed = false;
      const auto messages = Round("M", natalSide, [&](InputBoxTexts& b) { b.*boxes.at(c.at(0)) = c.at(1); }, passed);
      const bool refused = c.at(natalSide ? 2 : 3) == "1";
      EXPECT_EQ(passed, !refused) << (natalSide ? "natal " : "transit ") << c[0] << " = '" << c[1] << "'";
      EXPECT_EQ(messages, refused ? Refused(natalSide) : std::vector<InputMessage>{}) << c[0] << " " << c[1];
    }
}

TEST(InputChecks, LatitudeLimitsByHouseSystem) {
  // system, degrees, minutes, 66-degree message, range message. Meridian and
  // Morinus skip the 66-degree limit but not the pole; the hemisphere does
  // not matter.
  struct Case { const char* system; const char* deg; const char* min; bool high, range; };
  const Case cases[] = {
      {"P", "66", "0", 0, 0},  {"P", "66", "1", 1, 0},   {"K", "67", "0", 1, 0}, {"R", "70", "30", 1, 0},
      {"EA", "65", "59", 0, 0}, {"O", "89", "0", 1, 0},  {"M", "80", "0", 0, 0}, {"I", "89", "59", 0, 0},
      {"P", "91", "0", 1, 1},  {"M", "91", "0", 0, 1},   {"I", "90", "1", 0, 1}, {"M", "90", "0", 0, 0},
      {"P", "1e300", "0", 1, 1}, {"P", "0", "-1e300", 1, 1},  // far beyond any whole number
  };
  for (const Case& c : cases)
    for (bool natalSide : {true, false}) {
      bool passed = false;
      const auto messages = Round(c.system, natalSide, [&](InputBoxTexts& b) {
        b.LatDeg = c.deg, b.LatMin = c.min, b.South = !natalSide;
      }, passed);
      std::vector<InputMessage> expected;
      if (c.high) expected.push_back(kHighLatitude);
      if (c.range) expected.push_back(Refused(natalSide)[0]);
      EXPECT_EQ(messages, expected) << c.system << " " << c.deg << " " << c.min << (natalSide ? " natal" : " transit");
      EXPECT_EQ(passed, expected.empty());
    }
}

}  // namespace
}  // namespace halcyra
