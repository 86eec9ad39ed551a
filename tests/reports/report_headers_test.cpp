// The heading lines and the two small formatting routines of the reports.
#include <gtest/gtest.h>

#include "reports/golden_page.h"
#include "reports/report_fixture.h"
#include "reports/report_headers.h"
#include "shell/report_output.h"

using namespace halcyra;
using namespace halcyra::testing;

TEST(AppendSignDegMin, NineCharactersMinutesHeldAt59) {
  // angle, expected; by hand: sign = Int(Int(a) / 30) + 1, degrees = Int(a) mod 30,
  // minutes = Int(fraction * 60 + 0.5) held at 59.
  struct Case { double angle; const char* expected; };
  const Case cases[] = {
      {0, "00 ARI 00"},          {29.9999, "29 ARI 59"},   // 59.994 rounds to 60, held at 59
      {359.99, "29 PIS 59"},     {12.855, "12 ARI 51"},    // the example of the format
      {30, "00 TAU 00"},         {45.9916, "15 TAU 59"},   // 59.496 rounds down
      {45.9917, "15 TAU 59"},    {45.0083, "15 TAU 00"},   // 59.502 held; 0.498 down
      {45.00834, "15 TAU 01"},   {180, "00 LIB 00"},       // 0.5004 up
      {269.5, "29 SAG 30"},      {360, "00 ARI 00"},       // 360 is 0 Aries, not a 13th sign
      {-0.5, "29 PIS 30"},
  };
  for (const Case& c : cases) {
    std::string line = ">";
    AppendSignDegMin(line, c.angle);
    EXPECT_EQ(line, std::string(">") + c.expected) << "angle " << c.angle;
    EXPECT_EQ(SignDegMinText(c.angle).size(), 9u);
  }
}

TEST(PadNumber2, OneBlankBelowTen) {
  struct Case { const char* text; const char* expected; };
  const Case cases[] = {{"9.9", " 9.9"}, {"10.0", "10.0"}, {"0.00", " 0.00"},
                        {"9.99", " 9.99"}, {"123", "123"},  {"-4", " -4"}};
  for (const Case& c : cases) EXPECT_EQ(PadNumber2(c.text), c.expected) << c.text;
}

TEST(ReportHeading, PrefixNeverVaries) {
  AppState state;
  SetReportHeadingPrefix(state);
  SetReportHeadingPrefix(state);
  EXPECT_EQ(state.flags.ReportHeading, "Halcyra (Tropical zodiac) - ");
}

TEST(ChartDataLine, FixedColumnsWithAbsolutePlaceValues) {
  // day month year, zone, clock, latitude, longitude, texts
  struct Case { ChartDataFields fields; const char* expected; };
  const Case cases[] = {
      {{14, 3, 1990, 5, 10.30f, 42.21f, 71.04f, "P.M.", "NORTH", "WEST"},
       "  14 Mar 1990   TZ =   5.00   10.30 P.M.   42.21 NORTH    71.04 WEST"},
      {{1, 12, 2003, -10.5f, 1.05f, -33.52f, -151.13f, "A.M.", "SOUTH", "EAST"},
       "  01 Dec 2003   TZ = -10.50    1.05 A.M.   33.52 SOUTH   151.13 EAST"},
      {{9, 7, 845, 0, 12.00f, 0, 0, "A.M.", "NORTH", "EAST"},
       "  09 Jul 845    TZ =   0.00   12.00 A.M.    0.00 NORTH     0.00 EAST"},
  };
  // A three-digit year keeps the columns: the date field is always 11 wide.
  for (const Case& c : cases) EXPECT_EQ(ChartDataLine(c.fields), c.expected);
}

TEST(ReportHeaders, ChartAndDiurnalHeaders) {
  AppState state;
  ClearReportBuffers(state);
  FillFixtureChart(state);
  StartReportWithDiurnalHeader(state);
  WriteCurrentDataLine(state);
  EXPECT_TRUE(MatchesGoldenPage("headers", PageLines(state)));
}
