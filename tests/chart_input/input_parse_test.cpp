// Parsing the input windows' texts into the chart input and the step record,
// and the texts the windows are preset with.
#include <gtest/gtest.h>

#include "chart_input/input_parse.h"
#include "chart_input/input_presets.h"

namespace halcyra {
namespace {

// Boxes in the order month, day, year, hour, minute, zone, longitude
// degrees and minutes, latitude degrees and minutes, P.M., east, south:
// Atlanta, 14 May 1990, 3:07 P.M. Eastern daylight time; Sydney 26 Jan 2000
// 11:30 A.M., 151 E 12, 33 S 52, zone 5.30 east.
const InputBoxTexts kAtlanta{"5", "14", "1990", "3", "07", "4", "84", "23", "33", "45", true};
const InputBoxTexts kSydney{"1", "26", "2000", "11", "30", "-5.30", "151", "12", "33", "52", false, true, true};

TEST(InputParse, DateTextInEachOrder) {
  // DateFormat, expected text for 5 March 1990 typed with leading zeros
  for (const auto& [format, text] : {std::pair{0, "3/5/1990"}, {1, "5/3/1990"}, {2, "1990/3/5"}}) {
    AppState state;
    state.flags.DateFormat = format;
    const InputBoxTexts boxes{"03", "05", "1990", "1", "00", "0", "0", "0", "0", "0"};
    ParseNatalInput(state, boxes);
    ParseTransitInput(state, boxes);
    EXPECT_EQ(state.input.NatalDateText, text) << "DateFormat " << format;
    EXPECT_EQ(state.input.TransitDateText, text) << "DateFormat " << format;
    EXPECT_EQ(std::tuple(state.input.NatalMonthInt, state.input.NatalDayInt), std::tuple(3, 5));
  }
}

TEST(InputParse, WestAndNorthPositiveEastAndSouthNegative) {
  AppState state;
  ParseNatalInput(state, kAtlanta);
  ParseTransitInput(state, kSydney);
  const ChartInput& in = state.input;
  EXPECT_EQ(std::tuple(in.NatalYearInt, in.NatalAmPm, in.NatalAmPmCaption, in.EWText, in.NSText),
            std::tuple(1990, "P.M.", "P.M.", "WEST", "NORTH"));
  EXPECT_NEAR(in.NatalClockTime, 3.07, 1e-6);
  EXPECT_NEAR(in.NatalTZ, 4, 1e-6);
  EXPECT_NEAR(in.NatalGeoLong, 84.23, 1e-5);
  EXPECT_NEAR(in.NatalGeoLat, 33.45, 1e-5);
  EXPECT_EQ(std::tuple(in.ChartAmPm, in.TransitEWText, in.TransitNSText), std::tuple("A.M.", "EAST", "SOUTH"));
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

// The edges beyond the window tests' ordinary hours and home place of Chicago.
TEST(InputPresets, HourBoxEdgesMomentAndHomePlaceTexts) {
  // typed text, empty warning, rewritten text ("" = left alone), P.M. chosen
  struct Case { const char* typed; bool empty; const char* text; bool pm; };
  for (const Case& c : {Case{"", true, "", false}, {"00", false, "12", false}, {"24", false, "12", true}}) {
    const HourBoxChange change = ApplyHourBoxRule(c.typed);
    EXPECT_EQ(std::tuple(change.Empty, change.Rewrite ? change.Text : std::string(), change.ChoosePM),
              std::tuple(c.empty, c.text, c.pm)) << "'" << c.typed << "'";
  }
  // clock hour, minute; hour box text (0 to 23, the box makes it 12-hour), P.M.
  for (const auto& [hour, minute, hourText, pm] :
       {std::tuple(0, 30, "0", false), {12, 0, "12", true}, {11, 59, "11", false}}) {
    const MomentTexts t = MomentBoxTexts(ClockMoment{2024, 3, 9, hour, minute, 0});
    EXPECT_EQ(std::tuple(t.Month, t.Day, t.Year, t.Hour, t.Minute, t.PM),
              std::tuple("3", "9", "2024", hourText, std::to_string(minute), pm)) << hour;
  }
  // options 18 to 24: zone, longitude degrees, minutes, east (1), latitude degrees, minutes, south (2)
  OptionTables options;
  auto& v = options.OptionValues;
  v[18] = -5.3f, v[19] = 88, v[20] = 22, v[21] = 1, v[22] = 22, v[23] = 32, v[24] = 2;
  const PlaceTexts p = HomePlaceTexts(options);
  EXPECT_EQ(std::tuple(p.TZ, p.LongDeg, p.LongMin, p.East, p.LatDeg, p.LatMin, p.South),
            std::tuple("-5.30", "88", "22", true, "22", "32", true));
}

}  // namespace
}  // namespace halcyra
