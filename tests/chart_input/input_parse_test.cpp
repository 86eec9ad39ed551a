// Parsing the input windows' texts into the chart input and the step record.
#include <gtest/gtest.h>

#include "chart_input/input_parse.h"
#include "chart_input/input_presets.h"

namespace halcyra {
namespace {

InputBoxTexts Boxes(const char* month, const char* day, const char* year, const char* hour, const char* minute,
                    bool pm, const char* tz, const char* longDeg, const char* longMin, bool east,
                    const char* latDeg, const char* latMin, bool south) {
  InputBoxTexts b;
  b.Month = month, b.Day = day, b.Year = year, b.Hour = hour, b.Minute = minute, b.PM = pm;
  b.TZ = tz, b.LongDeg = longDeg, b.LongMin = longMin, b.East = east;
  b.LatDeg = latDeg, b.LatMin = latMin, b.South = south;
  return b;
}

TEST(InputParse, DateTextInEachOrder) {
  // DateFormat, expected text for 5 March 1990 typed with leading zeros
  const struct {
    int format;
    const char* text;
  } cases[] = {{0, "3/5/1990"}, {1, "5/3/1990"}, {2, "1990/3/5"}};
  for (const auto& c : cases) {
    AppState state;
    state.flags.DateFormat = c.format;
    ParseNatalInput(state, Boxes("03", "05", "1990", "1", "00", false, "0", "0", "0", false, "0", "0", false));
    EXPECT_EQ(state.input.NatalDateText, c.text) << "DateFormat " << c.format;
    ParseTransitInput(state, Boxes("03", "05", "1990", "1", "00", false, "0", "0", "0", false, "0", "0", false));
    EXPECT_EQ(state.input.TransitDateText, c.text) << "DateFormat " << c.format;
    EXPECT_EQ(state.input.NatalMonthInt, 3);
    EXPECT_EQ(state.input.NatalDayInt, 5);
  }
}

TEST(InputParse, NatalFieldsWestNorth) {
  // Atlanta, 14 May 1990, 3:07 P.M. Eastern daylight time.
  AppState state;
  ParseNatalInput(state, Boxes("5", "14", "1990", "3", "07", true, "4", "84", "23", false, "33", "45", false));
  const ChartInput& in = state.input;
  EXPECT_EQ(in.NatalYearInt, 1990);
  EXPECT_NEAR(in.NatalClockTime, 3.07, 1e-6);
  EXPECT_EQ(in.NatalAmPm, "P.M.");
  EXPECT_EQ(in.NatalAmPmCaption, "P.M.");
  EXPECT_NEAR(in.NatalTZ, 4, 1e-6);
  EXPECT_NEAR(in.NatalGeoLong, 84.23, 1e-5);
  EXPECT_EQ(in.EWText, "WEST");
  EXPECT_NEAR(in.NatalGeoLat, 33.45, 1e-5);
  EXPECT_EQ(in.NSText, "NORTH");
}

TEST(InputParse, EastAndSouthAreNegative) {
  // Sydney: 151 E 12, 33 S 52, zone -10.
  AppState state;
  ParseTransitInput(state, Boxes("1", "26", "2000", "11", "30", false, "-10", "151", "12", true, "33", "52", true));
  const ChartInput& in = state.input;
  EXPECT_NEAR(in.TransitGeoLong, -151.12, 1e-4);
  EXPECT_EQ(in.TransitEWText, "EAST");
  EXPECT_NEAR(in.TransitGeoLat, -33.52, 1e-5);
  EXPECT_EQ(in.TransitNSText, "SOUTH");
  EXPECT_NEAR(in.TransitTZ, -10, 1e-6);
  EXPECT_NEAR(in.ChartClockTime, 11.30, 1e-6);
  EXPECT_EQ(in.ChartAmPm, "A.M.");
}

TEST(InputParse, ZonesWithMinutesBecomeDecimalHours) {
  // zone box (hours.minutes, west positive), decimal hours; offsets from the tz database
  const struct {
    const char* box;
    double hours;
  } cases[] = {{"0", 0},        {"5", 5},          {"3.30", 3.5},     {"-5.30", -5.5},  {"-5.45", -5.75},
               {"-12.45", -12.75}, {"9.30", 9.5}, {"-10.30", -10.5}, {"-5.3", -5.5}, {"-14", -14}};
  for (const auto& c : cases) {
    AppState state;
    ParseNatalInput(state, Boxes("1", "1", "2000", "12", "0", false, c.box, "0", "0", false, "0", "0", false));
    EXPECT_NEAR(state.input.NatalTZ, c.hours, 1e-6) << c.box;
  }
}

TEST(InputParse, LastBirthdayYear) {
  // natal month/day, transit month/day/year, year of the last birthday
  const struct {
    int nm, nd, tm, td, ty, expected;
  } cases[] = {{5, 14, 5, 14, 2020, 2020}, {5, 14, 5, 13, 2020, 2019}, {5, 14, 12, 31, 2020, 2020},
               {5, 14, 1, 1, 2020, 2019},  {2, 29, 2, 28, 2021, 2020}, {2, 29, 3, 1, 2021, 2021}};
  for (const auto& c : cases)
    EXPECT_EQ(LastBirthdayYear(c.nm, c.nd, c.tm, c.td, c.ty), c.expected)
        << c.nm << "/" << c.nd << " on " << c.tm << "/" << c.td << "/" << c.ty;

  AppState state;
  ParseNatalInput(state, Boxes("5", "14", "1990", "3", "07", true, "4", "84", "23", false, "33", "45", false));
  ParseTransitInput(state, Boxes("5", "13", "2024", "9", "0", false, "4", "84", "23", false, "33", "45", false));
  EXPECT_EQ(state.input.LastBirthdayYear, 2023);
}

TEST(InputParse, ReadChartInputFieldsTakesTheWindowOfTheWheel) {
  const InputBoxTexts natal = Boxes("5", "14", "1990", "3", "07", true, "4", "84", "23", false, "33", "45", false);
  const InputBoxTexts transit = Boxes("1", "26", "2000", "11", "30", false, "-5.30", "151", "12", true, "33", "52", true);

  AppState single;
  InputMessages messages;
  ASSERT_TRUE(ReadChartInputFields(single, natal, transit, messages));
  const StepRecord& s = single.step;
  EXPECT_EQ(std::tuple(s.Month, s.Day, s.Year, s.Hour, s.Minute, s.PMFlag), std::tuple(5, 14, 1990, 3, 7, 1));
  EXPECT_EQ(std::tuple(s.LongDeg, s.LongMin, s.West, s.LatDeg, s.LatMin, s.South), std::tuple(84, 23, 1, 33, 45, 0));
  EXPECT_NEAR(s.TZ, 4, 1e-6);
  EXPECT_EQ(single.chart.ChartReady, 1);

  AppState dual;
  dual.flags.WheelKind = 2;
  ASSERT_TRUE(ReadChartInputFields(dual, natal, transit, messages));
  const StepRecord& d = dual.step;
  EXPECT_EQ(std::tuple(d.Month, d.Day, d.Year, d.Hour, d.Minute, d.PMFlag), std::tuple(1, 26, 2000, 11, 30, 0));
  EXPECT_EQ(std::tuple(d.LongDeg, d.LongMin, d.West, d.LatDeg, d.LatMin, d.South), std::tuple(151, 12, 0, 33, 52, 1));
  EXPECT_NEAR(d.TZ, -5.5, 1e-6);
  EXPECT_TRUE(messages.Empty());
}

TEST(InputParse, ReadChartInputFieldsStopsOnABlankBox) {
  AppState state;
  state.chart.ChartReady = 1;
  state.step.Year = 1777;
  InputBoxTexts natal = Boxes("5", "14", "1990", "3", "07", true, "4", "84", "23", false, "33", "45", false);
  natal.LatMin = "";
  InputMessages messages;
  EXPECT_FALSE(ReadChartInputFields(state, natal, natal, messages));
  EXPECT_EQ(state.chart.ChartReady, 0);
  EXPECT_EQ(state.chart.InputError, 1);
  EXPECT_EQ(state.step.Year, 1777);  // untouched
  ASSERT_FALSE(messages.Empty());
  EXPECT_EQ(messages.List()[0].Text, "Error in natal input data section. Please correct.");
}

TEST(InputPresets, HourBoxRule) {
  // typed text, empty warning, rewritten text ("" = left alone), P.M. chosen
  const struct {
    const char* typed;
    bool empty;
    const char* text;
    bool pm;
  } cases[] = {{"", true, "", false},     {"0", false, "12", false}, {"00", false, "12", false},
               {"13", false, "1", true},  {"23", false, "11", true}, {"12", false, "", false},
               {"1", false, "", false},   {"24", false, "12", true}};
  for (const auto& c : cases) {
    const HourBoxChange change = ApplyHourBoxRule(c.typed);
    EXPECT_EQ(change.Empty, c.empty) << "'" << c.typed << "'";
    EXPECT_EQ(change.Rewrite ? change.Text : std::string(), c.text) << "'" << c.typed << "'";
    EXPECT_EQ(change.ChoosePM, c.pm) << "'" << c.typed << "'";
  }
  EXPECT_STREQ(EmptyHourText, "Please fill in a value for birth hour.");
}

TEST(InputPresets, MomentBoxTexts) {
  // clock, hour box text (0 to 23, the box makes it 12-hour), minute text, P.M.
  const struct {
    int hour, minute;
    const char* hourText;
    const char* minuteText;
    bool pm;
  } cases[] = {{0, 30, "0", "30", false}, {12, 30, "12", "30", true}, {19, 5, "19", "5", true}, {11, 59, "11", "59", false}};
  for (const auto& c : cases) {
    const MomentTexts t = MomentBoxTexts(ClockMoment{2024, 3, 9, c.hour, c.minute, 0});
    EXPECT_EQ(t.Hour, c.hourText);
    EXPECT_EQ(t.Minute, c.minuteText);
    EXPECT_EQ(t.PM, c.pm) << c.hour;
    EXPECT_EQ(std::tuple(t.Month, t.Day, t.Year), std::tuple("3", "9", "2024"));
  }
}

TEST(InputPresets, HomePlaceFromOptions) {
  OptionTables options;
  auto& v = options.OptionValues;
  v[18] = 5, v[19] = 84, v[20] = 23, v[21] = 0, v[22] = 33, v[23] = 45, v[24] = 0;
  PlaceTexts p = HomePlaceTexts(options);
  EXPECT_EQ(std::tuple(p.TZ, p.LongDeg, p.LongMin, p.East, p.LatDeg, p.LatMin, p.South),
            std::tuple("5", "84", "23", false, "33", "45", false));
  v[18] = -5.3f, v[19] = 88, v[20] = 22, v[21] = 1, v[22] = 22, v[23] = 32, v[24] = 2;
  p = HomePlaceTexts(options);
  EXPECT_EQ(std::tuple(p.TZ, p.LongDeg, p.LongMin, p.East, p.LatDeg, p.LatMin, p.South),
            std::tuple("-5.30", "88", "22", true, "22", "32", true));
}

}  // namespace
}  // namespace halcyra
