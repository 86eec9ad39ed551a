// Reading the input windows' boxes into a moment and a place, and those into
// the chart input and the step record.
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
  const InputReadings read = ReadInputWindows(kAtlanta, kSydney);
  ASSERT_TRUE(read.natal.Accepted() && read.transit.Accepted());
  ParseNatalInput(state, read.natal.When, read.natal.Where);
  ParseTransitInput(state, read.transit.When, read.transit.Where);
  const ChartInput& in = state.input;
  EXPECT_EQ(std::tuple(in.NatalDateText, in.Natal.Year, in.Natal.AmPmText(), in.NatalAmPmCaption),
            std::tuple("1990/5/14", 1990, "P.M.", "P.M."));
  EXPECT_EQ(std::tuple(in.NatalPlace.EWText(), in.NatalPlace.NSText(), in.TransitPlace.EWText(), in.TransitPlace.NSText()),
            std::tuple("WEST", "NORTH", "EAST", "SOUTH"));
  EXPECT_EQ(in.TransitDateText, "2000/1/26");
  // decimal degrees and hours, exactly as the minutes give them
  EXPECT_DOUBLE_EQ(in.Natal.ClockTime(), 3.07);
  EXPECT_DOUBLE_EQ(in.Natal.ZoneHours(), 4);
  EXPECT_DOUBLE_EQ(in.NatalPlace.Longitude, 84 + 23 / 60.0);
  EXPECT_DOUBLE_EQ(in.NatalPlace.Latitude, 33 + 45 / 60.0);
  EXPECT_DOUBLE_EQ(in.Transit.ZoneHours(), -5.5);
  EXPECT_DOUBLE_EQ(in.TransitPlace.Longitude, -(151 + 12 / 60.0));
  EXPECT_DOUBLE_EQ(in.TransitPlace.Latitude, -(33 + 52 / 60.0));
  EXPECT_EQ(in.LastBirthdayYear, 1999);
}

// The universal time of day of a typed clock, zone and A.M./P.M.: 12 A.M.
// is midnight, 12 P.M. noon, and a zone may carry it into the next day.
TEST(InputParse, ZonesWithMinutesAndTheUniversalTimeOfDay) {
  // zone box (hours.minutes, west positive), hour, minute, P.M., decimal zone hours, day fraction
  struct Case { const char* zone; const char *hour, *minute; bool pm; double hours, fraction; };
  const Case cases[] = {
      {"0", "12", "0", false, 0, 0},           {"0", "12", "30", true, 0, 12.5 / 24},
      {"-2", "1", "30", false, -2, -0.5 / 24}, {"5", "11", "30", true, 5, 1.1875},
      {"3.30", "9", "45", false, 3.5, 13.25 / 24}, {"-5.45", "6", "0", true, -5.75, 12.25 / 24},
      {"-12.45", "12", "0", true, -12.75, -0.75 / 24}, {"5.3", "1", "0", false, 5.5, 6.5 / 24},
      {"-14", "11", "59", true, -14, (23 + 59 / 60.0 - 14) / 24}, {"12.75", "1", "0", false, 13.25, 0},
  };
  for (const Case& c : cases) {
    InputBoxTexts b{"1", "1", "2000", c.hour, c.minute, c.zone, "0", "0", "0", "0", c.pm};
    const WindowReading r = ReadWindowBoxes(b, FirstTransitYear);
    if (c.hours > 13) {  // reads as 13 hours 15 minutes: beyond the zones the box takes
      EXPECT_EQ(r.Fault, EntryBox::Zone) << c.zone;
      continue;
    }
    ASSERT_TRUE(r.Accepted()) << c.zone;
    EXPECT_DOUBLE_EQ(r.When.ZoneHours(), c.hours) << c.zone;
    EXPECT_NEAR(r.When.UniversalDayFraction(), c.fraction, 1e-15) << c.zone << " " << c.hour << "." << c.minute;
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

TEST(InputParse, ReadChartInputFieldsTakesTheWindowOfTheWheelAndStopsOnARefusedBox) {
  for (int wheelKind : {1, 2}) {
    AppState state;
    state.flags.WheelKind = wheelKind;
    InputMessages messages;
    const InputReadings read = ReadInputWindows(kAtlanta, kSydney);
    ASSERT_TRUE(ReadChartInputFields(state, read, messages));
    const WindowReading& from = wheelKind == 1 ? read.natal : read.transit;
    EXPECT_EQ(std::tuple(state.step.When, state.step.Where, state.step.FilledFor),
              std::tuple(from.When, from.Where, wheelKind));
    EXPECT_EQ(state.chart.ChartReady, 1);
    EXPECT_TRUE(messages.Empty());
  }
  // A blank box in either window, or a refused box in the wheel's window:
  // refused, the chart no longer ready, the step record untouched.
  // natal day, transit day (of February), wheel kind, window at fault
  for (const auto& [natalDay, transitDay, wheelKind, window] :
       {std::tuple("", "26", 2, 0), std::tuple("30", "26", 1, 0), std::tuple("14", "30", 2, 1)}) {
    AppState state;
    state.flags.WheelKind = wheelKind;
    state.chart.ChartReady = 1;
    state.step.When.Year = 1777;
    InputBoxTexts natal = kAtlanta, transit = kSydney;
    natal.Month = transit.Month = "2";
    natal.Day = natalDay, transit.Day = transitDay;
    InputMessages messages;
    EXPECT_FALSE(ReadChartInputFields(state, ReadInputWindows(natal, transit), messages));
    EXPECT_EQ(std::tuple(state.chart.ChartReady, state.chart.InputError, state.step.When.Year), std::tuple(0, 1, 1777));
    EXPECT_EQ(messages.Focus(), (BoxAtFault{window, EntryBox::Day})) << natalDay << " " << transitDay;
  }
}

}  // namespace
}  // namespace halcyra
