// Parsing the input windows' texts into the chart input and the step record.
#include <gtest/gtest.h>

#include "chart_input/input_parse.h"

namespace halcyra {
namespace {

// Boxes in the order month, day, year, hour, minute, zone, longitude
// degrees and minutes, latitude degrees and minutes, P.M., east, south:
// Atlanta, 14 May 1990, 3:07 P.M. Eastern daylight time; Sydney 26 Jan 2000
// 11:30 A.M., 151 E 12, 33 S 52, zone 5.30 east.
const InputBoxTexts kAtlanta{"5", "14", "1990", "3", "07", "4", "84", "23", "33", "45", true};
const InputBoxTexts kSydney{"1", "26", "2000", "11", "30", "-5.30", "151", "12", "33", "52", false, true, true};

TEST(InputParse, WestAndNorthPositiveEastAndSouthNegative) {
  AppState state;
  state.flags.DateFormat = 2;  // year/month/day
  ParseNatalInput(state, kAtlanta);
  ParseTransitInput(state, kSydney);
  const ChartInput& in = state.input;
  EXPECT_EQ(std::tuple(in.NatalDateText, in.NatalYearInt, in.NatalAmPm, in.NatalAmPmCaption, in.EWText, in.NSText),
            std::tuple("1990/5/14", 1990, "P.M.", "P.M.", "WEST", "NORTH"));
  EXPECT_NEAR(in.NatalClockTime, 3.07, 1e-6);
  EXPECT_NEAR(in.NatalTZ, 4, 1e-6);
  EXPECT_NEAR(in.NatalGeoLong, 84.23, 1e-5);
  EXPECT_NEAR(in.NatalGeoLat, 33.45, 1e-5);
  EXPECT_EQ(std::tuple(in.TransitDateText, in.ChartAmPm, in.TransitEWText, in.TransitNSText),
            std::tuple("2000/1/26", "A.M.", "EAST", "SOUTH"));
  EXPECT_NEAR(in.ChartClockTime, 11.30, 1e-6);
  EXPECT_NEAR(in.TransitTZ, -5.5, 1e-6);
  EXPECT_NEAR(in.TransitGeoLong, -151.12, 1e-4);
  EXPECT_NEAR(in.TransitGeoLat, -33.52, 1e-5);
}

TEST(InputParse, ZonesWithMinutesBecomeDecimalHours) {
  // zone box (hours.minutes, west positive), decimal hours; offsets from the tz database
  const std::pair<const char*, double> cases[] = {{"0", 0},          {"5", 5},         {"3.30", 3.5},
                                                  {"-5.30", -5.5},   {"-5.45", -5.75}, {"-12.45", -12.75},
                                                  {"9.30", 9.5},     {"-10.30", -10.5}, {"-5.3", -5.5}, {"-14", -14}};
  for (const auto& [box, hours] : cases) {
    AppState state;
    ParseNatalInput(state, {"1", "1", "2000", "12", "0", box, "0", "0", "0", "0"});
    EXPECT_NEAR(state.input.NatalTZ, hours, 1e-6) << box;
  }
}

TEST(InputParse, LastBirthdayYear) {
  // natal month/day, transit month/day/year, year of the last birthday
  struct Case { int nm, nd, tm, td, ty, expected; };
  const Case cases[] = {{5, 14, 5, 14, 2020, 2020}, {5, 14, 5, 13, 2020, 2019}, {5, 14, 12, 31, 2020, 2020},
                        {5, 14, 1, 1, 2020, 2019},  {2, 29, 2, 28, 2021, 2020}, {2, 29, 3, 1, 2021, 2021}};
  for (const Case& c : cases)
    EXPECT_EQ(LastBirthdayYear(c.nm, c.nd, c.tm, c.td, c.ty), c.expected)
        << c.nm << "/" << c.nd << " on " << c.tm << "/" << c.td << "/" << c.ty;
}

TEST(InputParse, ReadChartInputFieldsTakesTheWindowOfTheWheelAndStopsOnABlankBox) {
  auto stepFields = [](const StepRecord& s) {
    return std::tuple(s.Month, s.Day, s.Year, s.Hour, s.Minute, s.PMFlag, s.LongDeg, s.LongMin, s.West, s.LatDeg,
                      s.LatMin, s.South, static_cast<float>(s.TZ), s.FilledFor);
  };
  for (int wheelKind : {1, 2}) {
    AppState state;
    state.flags.WheelKind = wheelKind;
    InputMessages messages;
    ASSERT_TRUE(ReadChartInputFields(state, kAtlanta, kSydney, messages));
    EXPECT_EQ(stepFields(state.step), wheelKind == 1
                                          ? std::tuple(5, 14, 1990, 3, 7, 1, 84, 23, 1, 33, 45, 0, 4.0f, 1)
                                          : std::tuple(1, 26, 2000, 11, 30, 0, 151, 12, 0, 33, 52, 1, -5.5f, 2));
    EXPECT_EQ(state.chart.ChartReady, 1);
    EXPECT_TRUE(messages.Empty());
  }
  // A blank box: refused, the chart no longer ready, the step record untouched.
  AppState state;
  state.chart.ChartReady = 1;
  state.step.Year = 1777;
  InputBoxTexts natal = kAtlanta;
  natal.LatMin = "";
  InputMessages messages;
  EXPECT_FALSE(ReadChartInputFields(state, natal, natal, messages));
  EXPECT_EQ(std::tuple(state.chart.ChartReady, state.chart.InputError, state.step.Year), std::tuple(0, 1, 1777));
}

}  // namespace
}  // namespace halcyra
