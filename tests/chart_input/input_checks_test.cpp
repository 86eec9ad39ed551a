// The input checks: which box values pass, which are refused, and the
// messages one round of checks raises.
#include <gtest/gtest.h>

#include <functional>

#include "chart_input/input_checks.h"

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

TEST(InputChecks, BlankBoxesAndRangesOfBothWindows) {
  // box, value, refused in the natal window, refused in the transit window;
  // Meridian houses, which have no 66-degree limit. Zeros pass, boxes of
  // blanks do not; the transit year has no lower limit.
  using F = std::string InputBoxTexts::*;
  struct Case { const char* box; F field; const char* value; bool natal, transit; };
  const Case cases[] = {
      {"month", &InputBoxTexts::Month, "", 1, 1},        {"day", &InputBoxTexts::Day, "  ", 1, 1},
      {"year", &InputBoxTexts::Year, "", 1, 1},          {"hour", &InputBoxTexts::Hour, "", 1, 1},
      {"minute", &InputBoxTexts::Minute, "", 1, 1},      {"zone", &InputBoxTexts::TZ, "", 1, 1},
      {"long deg", &InputBoxTexts::LongDeg, "", 1, 1},   {"long min", &InputBoxTexts::LongMin, "", 1, 1},
      {"lat deg", &InputBoxTexts::LatDeg, "", 1, 1},     {"lat min", &InputBoxTexts::LatMin, "", 1, 1},
      {"lat min", &InputBoxTexts::LatMin, "0", 0, 0},
      {"month", &InputBoxTexts::Month, "12", 0, 0},      {"month", &InputBoxTexts::Month, "13", 1, 1},
      {"month", &InputBoxTexts::Month, "0", 1, 1},       {"day", &InputBoxTexts::Day, "31", 0, 0},
      {"day", &InputBoxTexts::Day, "32", 1, 1},          {"day", &InputBoxTexts::Day, "0", 1, 1},
      {"year", &InputBoxTexts::Year, "1", 1, 0},         {"year", &InputBoxTexts::Year, "99", 1, 0},
      {"year", &InputBoxTexts::Year, "100", 0, 0},       {"year", &InputBoxTexts::Year, "2099", 0, 0},
      {"year", &InputBoxTexts::Year, "2100", 1, 1},      {"hour", &InputBoxTexts::Hour, "12", 0, 0},
      {"hour", &InputBoxTexts::Hour, "13", 1, 1},        {"minute", &InputBoxTexts::Minute, "59", 0, 0},
      {"minute", &InputBoxTexts::Minute, "60", 1, 1},    {"zone", &InputBoxTexts::TZ, "13", 0, 0},
      {"zone", &InputBoxTexts::TZ, "13.30", 1, 1},       {"zone", &InputBoxTexts::TZ, "-14", 0, 0},
      {"zone", &InputBoxTexts::TZ, "-14.01", 1, 1},      {"zone", &InputBoxTexts::TZ, "-5.30", 0, 0},
      {"long deg", &InputBoxTexts::LongDeg, "180", 0, 0}, {"long deg", &InputBoxTexts::LongDeg, "181", 1, 1},
      {"long deg", &InputBoxTexts::LongDeg, "-5", 1, 1},  {"long min", &InputBoxTexts::LongMin, "59", 0, 0},
      {"long min", &InputBoxTexts::LongMin, "60", 1, 1},  {"lat deg", &InputBoxTexts::LatDeg, "89", 0, 0},
      {"lat deg", &InputBoxTexts::LatDeg, "91", 1, 1},    {"lat deg", &InputBoxTexts::LatDeg, "-10", 1, 1},
      {"lat min", &InputBoxTexts::LatMin, "60", 1, 1},
  };
  for (const Case& c : cases)
    for (bool natalSide : {true, false}) {
      bool passed = false;
      const auto messages = Round("M", natalSide, [&](InputBoxTexts& b) { b.*c.field = c.value; }, passed);
      const bool refused = natalSide ? c.natal : c.transit;
      EXPECT_EQ(passed, !refused) << (natalSide ? "natal " : "transit ") << c.box << " = '" << c.value << "'";
      EXPECT_EQ(messages, refused ? Refused(natalSide) : std::vector<InputMessage>{}) << c.box << " " << c.value;
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

TEST(InputChecks, RoundOfChecksShowsEachMessageOnce) {
  // A blank month fails both the blank and the range check of the natal window.
  AppState state;
  InputBoxTexts natal = kGreenwich, transit = kGreenwich;
  natal.Month = "", natal.LatDeg = "70", transit.Minute = "75";
  InputMessages messages;
  EXPECT_FALSE(RunInputChecks(state, natal, transit, messages));
  EXPECT_EQ(messages.List(), (std::vector<InputMessage>{kNatalError, kHighLatitude, kTransitError}));
}

}  // namespace
}  // namespace halcyra
