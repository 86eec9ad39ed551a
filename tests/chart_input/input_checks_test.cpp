// The input checks: which box values pass, which are refused, and the
// messages they raise.
#include <gtest/gtest.h>

#include <utility>

#include "chart_input/input_checks.h"

namespace halcyra {
namespace {

// London at noon: every zero here is a real value (minute, zone, longitude).
InputBoxTexts Greenwich() {
  InputBoxTexts b;
  b.Month = "6";
  b.Day = "21";
  b.Year = "1990";
  b.Hour = "12";
  b.Minute = "0";
  b.TZ = "0";
  b.LongDeg = "0";
  b.LongMin = "0";
  b.LatDeg = "51";
  b.LatMin = "29";
  b.PM = true;
  return b;
}

using BoxField = std::string InputBoxTexts::*;

struct RangeCase {
  const char* box;
  BoxField field;
  const char* value;
  bool refused;
};

TEST(InputChecks, NotBlankMeansNotEmpty) {
  // box, value, refused: zeros pass, empty and blank-only boxes do not.
  const RangeCase cases[] = {
      {"minute", &InputBoxTexts::Minute, "0", false},   {"zone", &InputBoxTexts::TZ, "0", false},
      {"long deg", &InputBoxTexts::LongDeg, "0", false}, {"lat min", &InputBoxTexts::LatMin, "0", false},
      {"month", &InputBoxTexts::Month, "", true},       {"day", &InputBoxTexts::Day, "  ", true},
      {"year", &InputBoxTexts::Year, "", true},         {"hour", &InputBoxTexts::Hour, "", true},
      {"minute", &InputBoxTexts::Minute, "", true},     {"zone", &InputBoxTexts::TZ, "", true},
      {"long deg", &InputBoxTexts::LongDeg, "", true},  {"long min", &InputBoxTexts::LongMin, "", true},
      {"lat deg", &InputBoxTexts::LatDeg, "", true},    {"lat min", &InputBoxTexts::LatMin, "", true},
  };
  for (const RangeCase& c : cases) {
    for (bool natalSide : {true, false}) {
      AppState state;
      InputBoxTexts natal = Greenwich(), transit = Greenwich();
      (natalSide ? natal : transit).*c.field = c.value;
      InputMessages messages;
      ValidateInputNotBlank(state, natal, transit, messages);
      EXPECT_EQ(state.chart.InputError, c.refused ? 1 : 0) << c.box << " = '" << c.value << "'";
      if (c.refused) {
        ASSERT_EQ(messages.List().size(), 1u) << c.box;
        EXPECT_EQ(messages.List()[0].Text, natalSide ? NatalInputErrorText : TransitInputErrorText);
        EXPECT_EQ(messages.List()[0].Title, "Warning!");
      }
    }
  }
}

TEST(InputChecks, HighLatitudeByHouseSystem) {
  struct Case {
    const char* system;
    const char* deg;
    const char* min;
    bool refused;
  } cases[] = {
      {"P", "66", "0", false}, {"P", "66", "1", true},  {"K", "67", "0", true},  {"R", "70", "30", true},
      {"EA", "65", "59", false}, {"O", "89", "0", true}, {"M", "80", "0", false}, {"I", "89", "59", false},
  };
  for (const Case& c : cases) {
    for (bool natalSide : {true, false}) {
      AppState state;
      state.options.HouseSystem = c.system;
      InputBoxTexts natal = Greenwich(), transit = Greenwich();
      InputBoxTexts& changed = natalSide ? natal : transit;
      changed.LatDeg = c.deg;
      changed.LatMin = c.min;
      changed.South = !natalSide;  // the hemisphere does not matter
      InputMessages messages;
      CheckHighLatitude(state, natal, transit, messages);
      EXPECT_EQ(state.chart.InputError, c.refused ? 1 : 0) << c.system << " " << c.deg << " " << c.min;
      if (c.refused) {
        ASSERT_EQ(messages.List().size(), 1u);
        EXPECT_EQ(messages.List()[0].Text,
                  "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house "
                  "systems.");
        EXPECT_EQ(messages.List()[0].Title, "Warning!");
      }
    }
  }
}

// Limits shared by both windows; the year is tested separately.
const RangeCase SharedRangeCases[] = {
    {"month", &InputBoxTexts::Month, "12", false},   {"month", &InputBoxTexts::Month, "13", true},
    {"month", &InputBoxTexts::Month, "0", true},     {"day", &InputBoxTexts::Day, "31", false},
    {"day", &InputBoxTexts::Day, "32", true},        {"day", &InputBoxTexts::Day, "0", true},
    {"hour", &InputBoxTexts::Hour, "12", false},     {"hour", &InputBoxTexts::Hour, "13", true},
    {"minute", &InputBoxTexts::Minute, "59", false}, {"minute", &InputBoxTexts::Minute, "60", true},
    {"zone", &InputBoxTexts::TZ, "13", false},       {"zone", &InputBoxTexts::TZ, "13.30", true},
    {"zone", &InputBoxTexts::TZ, "-14", false},      {"zone", &InputBoxTexts::TZ, "-14.01", true},
    {"zone", &InputBoxTexts::TZ, "-5.30", false},    {"long deg", &InputBoxTexts::LongDeg, "180", false},
    {"long deg", &InputBoxTexts::LongDeg, "181", true}, {"long min", &InputBoxTexts::LongMin, "59", false},
    {"long min", &InputBoxTexts::LongMin, "60", true},  {"lat deg", &InputBoxTexts::LatDeg, "89", false},
    {"lat deg", &InputBoxTexts::LatDeg, "91", true},    {"lat min", &InputBoxTexts::LatMin, "60", true},
    {"long deg", &InputBoxTexts::LongDeg, "-5", true},  {"lat deg", &InputBoxTexts::LatDeg, "-10", true},
};

TEST(InputChecks, NatalRanges) {
  for (const RangeCase& c : SharedRangeCases) {
    AppState state;
    InputBoxTexts natal = Greenwich();
    natal.*c.field = c.value;
    InputMessages messages;
    ValidateNatalRanges(state, natal, messages);
    EXPECT_EQ(state.chart.InputError, c.refused ? 1 : 0) << c.box << " = " << c.value;
    EXPECT_EQ(messages.List().size(), c.refused ? 1u : 0u) << c.box << " = " << c.value;
    if (c.refused) {
      EXPECT_EQ(messages.List()[0].Text, "Error in natal input data section. Please correct.");
    }
  }
}

TEST(InputChecks, TransitRanges) {
  for (const RangeCase& c : SharedRangeCases) {
    AppState state;
    InputBoxTexts transit = Greenwich();
    transit.*c.field = c.value;
    InputMessages messages;
    ValidateTransitRanges(state, transit, messages);
    EXPECT_EQ(state.chart.InputError, c.refused ? 1 : 0) << c.box << " = " << c.value;
    if (c.refused) {
      EXPECT_EQ(messages.List()[0].Text, "Error in transit input data section. Please correct.");
    }
  }
}

TEST(InputChecks, YearLimitsDifferBetweenWindows) {
  // year, natal refused, transit refused
  const struct {
    const char* year;
    bool natal, transit;
  } cases[] = {{"99", true, false}, {"100", false, false}, {"2099", false, false}, {"2100", true, true}, {"1", true, false}};
  for (const auto& c : cases) {
    AppState state;
    InputBoxTexts b = Greenwich();
    b.Year = c.year;
    InputMessages messages;
    ValidateNatalRanges(state, b, messages);
    EXPECT_EQ(state.chart.InputError, c.natal ? 1 : 0) << "natal " << c.year;
    state.chart.InputError = 0;
    ValidateTransitRanges(state, b, messages);
    EXPECT_EQ(state.chart.InputError, c.transit ? 1 : 0) << "transit " << c.year;
  }
}

TEST(InputChecks, LatitudeBeyondThePoleRefusedForEverySystem) {
  // Meridian and Morinus skip the 66-degree limit but not the pole.
  // system, degrees, minutes, refused
  const struct {
    const char* system;
    const char* deg;
    const char* min;
    bool refused;
  } cases[] = {{"P", "91", "0", true}, {"M", "91", "0", true}, {"I", "90", "1", true},
               {"M", "90", "0", false}, {"I", "89", "59", false}};
  for (const auto& c : cases) {
    AppState state;
    state.options.HouseSystem = c.system;
    InputBoxTexts natal = Greenwich(), transit = Greenwich();
    natal.LatDeg = transit.LatDeg = c.deg;
    natal.LatMin = transit.LatMin = c.min;
    InputMessages messages;
    EXPECT_EQ(RunInputChecks(state, natal, transit, messages), !c.refused) << c.system << " " << c.deg << " " << c.min;
    if (c.refused) {
      EXPECT_EQ(messages.List().back().Text, TransitInputErrorText);
    }
  }
}

TEST(InputChecks, RoundOfChecksShowsEachMessageOnce) {
  AppState state;
  state.chart.InputError = 1;  // left from an earlier round: cleared first
  InputMessages messages;
  EXPECT_TRUE(RunInputChecks(state, Greenwich(), Greenwich(), messages));
  EXPECT_EQ(state.chart.InputError, 0);
  EXPECT_TRUE(messages.Empty());

  // A blank month fails both the blank and the range check of the natal window.
  InputBoxTexts natal = Greenwich(), transit = Greenwich();
  natal.Month = "";
  natal.LatDeg = "70";
  transit.Minute = "75";
  EXPECT_FALSE(RunInputChecks(state, natal, transit, messages));
  const std::vector<InputMessage> expected = {
      {NatalInputErrorText, "Warning!"}, {HighLatitudeText, "Warning!"}, {TransitInputErrorText, "Warning!"}};
  EXPECT_EQ(messages.List(), expected);
}

}  // namespace
}  // namespace halcyra
