// The chart driver's input side: a wheel time step's moment and place, the
// chart names, the places every set can be computed at, and the automatic
// report with option 211.
#include <gtest/gtest.h>

#include "chart_driver_fixture.h"
#include "core/chart_driver.h"
#include "shell/report_output.h"

namespace halcyra {
namespace {

using testing::TypedChart;

constexpr TypedChart kBirth{1975, 7, 14, 3.25, "P.M.", 5, 73.59, 40.45};
constexpr TypedChart kTransit{2024, 3, 1, 10.00, "A.M.", 0, 0.07, 51.30};

std::unique_ptr<AppState> Typed() {
  auto state = testing::NewChartState();
  testing::SetTransitInput(*state, kTransit);
  testing::SetNatalInput(*state, kBirth);
  return state;
}

// 5 August 2024, 9.07 P.M., zone -2, 13 24 E 52 31 S.
StepRecord Step() {
  StepRecord s;
  s.Month = 8, s.Day = 5, s.Year = 2024, s.Hour = 9, s.Minute = 7, s.PMFlag = 1;
  s.LongDeg = 13, s.LongMin = 24, s.LatDeg = 52, s.LatMin = 31, s.West = 0, s.South = 1;
  s.TZ = -2;
  return s;
}

TEST(ChartDriverInput, ADualWheelStepChangesTheTransitsAndTheNatalCaptionOnly) {
  auto state = Typed();
  state->flags.WheelKind = 2;
  state->flags.DateFormat = 1;
  state->step = Step();
  ChartInput expected = state->input;
  TakeStepRecordInput(*state);

  expected.TransitMonth = 8, expected.TransitDay = 5, expected.TransitYear = 2024;
  expected.ChartClockTime = 9.07f;
  expected.ChartAmPm = "P.M.";
  expected.TransitDateText = "5/8/2024";
  expected.TransitTZ = -2;
  expected.TransitGeoLong = -13.24f;
  expected.TransitGeoLat = -52.31f;
  expected.TransitEWText = "EAST";
  expected.TransitNSText = "SOUTH";
  expected.NatalAmPmCaption = "P.M.";
  expected.LastBirthdayYear = 2024;  // the birthday of 14 July has passed by 5 August
  const ChartInput& got = state->input;
  EXPECT_EQ(got.TransitMonth, expected.TransitMonth);
  EXPECT_EQ(got.TransitDay, expected.TransitDay);
  EXPECT_EQ(got.TransitYear, expected.TransitYear);
  EXPECT_EQ(got.ChartClockTime, expected.ChartClockTime);
  EXPECT_EQ(got.ChartAmPm, expected.ChartAmPm);
  EXPECT_EQ(got.TransitDateText, expected.TransitDateText);
  EXPECT_EQ(got.TransitTZ, expected.TransitTZ);
  EXPECT_EQ(got.TransitGeoLong, expected.TransitGeoLong);
  EXPECT_EQ(got.TransitGeoLat, expected.TransitGeoLat);
  EXPECT_EQ(got.TransitEWText, expected.TransitEWText);
  EXPECT_EQ(got.TransitNSText, expected.TransitNSText);
  EXPECT_EQ(got.NatalAmPmCaption, expected.NatalAmPmCaption);
  EXPECT_EQ(got.LastBirthdayYear, expected.LastBirthdayYear);
  // the natal chart itself stays as typed
  EXPECT_EQ(got.NatalYearInt, 1975);
  EXPECT_EQ(got.NatalClockTime, 3.25f);
  EXPECT_EQ(got.NatalGeoLong, 73.59f);
  EXPECT_EQ(got.EWText, "WEST");
}

TEST(ChartDriverInput, ASingleWheelStepChangesTheNatalChartOnly) {
  auto state = Typed();
  state->flags.WheelKind = 1;
  state->flags.DateFormat = 2;
  state->step = Step();
  const ChartInput before = state->input;
  TakeStepRecordInput(*state);
  const ChartInput& got = state->input;
  EXPECT_EQ(got.NatalMonthInt, 8);
  EXPECT_EQ(got.NatalDayInt, 5);
  EXPECT_EQ(got.NatalYearInt, 2024);
  EXPECT_EQ(got.NatalClockTime, 9.07f);
  EXPECT_EQ(got.NatalAmPm, "P.M.");
  EXPECT_EQ(got.NatalAmPmCaption, "P.M.");
  EXPECT_EQ(got.NatalDateText, "2024/8/5");
  EXPECT_EQ(got.NatalTZ, -2);
  EXPECT_EQ(got.NatalGeoLong, -13.24f);
  EXPECT_EQ(got.NatalGeoLat, -52.31f);
  EXPECT_EQ(got.EWText, "EAST");
  EXPECT_EQ(got.NSText, "SOUTH");
  EXPECT_EQ(got.NatalEWText, "EAST");
  EXPECT_EQ(got.NatalNSText, "SOUTH");
  EXPECT_EQ(got.TransitYear, before.TransitYear);
  EXPECT_EQ(got.ChartClockTime, before.ChartClockTime);
  EXPECT_EQ(got.TransitGeoLat, before.TransitGeoLat);
  EXPECT_EQ(got.TransitDateText, before.TransitDateText);
}

TEST(ChartDriverInput, ANorthWestStepAtMidnight) {
  auto state = Typed();
  state->flags.WheelKind = 1;
  StepRecord s = Step();
  s.Hour = 12, s.Minute = 0, s.PMFlag = 0, s.West = 1, s.South = 0;
  state->step = s;
  TakeStepRecordInput(*state);
  EXPECT_EQ(state->input.NatalClockTime, 12.0f);
  EXPECT_EQ(state->input.NatalAmPm, "A.M.");
  EXPECT_EQ(state->input.NatalGeoLong, 13.24f);
  EXPECT_EQ(state->input.NatalGeoLat, 52.31f);
  EXPECT_EQ(state->input.EWText, "WEST");
  EXPECT_EQ(state->input.NSText, "NORTH");
}

TEST(ChartDriverInput, SecondChartNameFromTheCheckBoxCaption) {
  struct Case {
    const char* caption;
    const char* name;
  };
  const Case cases[] = {{"2nd Person", "Transits"}, {"2nd", "Transits"}, {"Jane Doe", "Jane Doe"},
                        {"2n", "2n"},               {"", ""}};
  for (const Case& c : cases) {
    auto state = testing::NewChartState();
    SetChartNames(*state, "John", c.caption);
    EXPECT_EQ(state->chart.ChartName, "John");
    EXPECT_EQ(state->chart.TransitChartName, c.name) << c.caption;
  }
}

TEST(ChartDriverInput, PlacesEverySetCanBeComputedAt) {
  struct Case {
    const char* system;
    double natalLat, transitLat;
    bool fits;
  };
  const Case cases[] = {
      {"P", 40.45, 51.30, true},  {"P", 66.00, 51.30, true},  {"P", 67.00, 51.30, false},
      {"P", 40.45, -67.00, false}, {"K", -66.30, 0, true},     {"R", 89.59, 0, true},
      {"M", 89.59, 89.59, true},  {"M", 90.00, 0, false},     {"I", 0, -90.30, false},
  };
  for (const Case& c : cases) {
    auto state = Typed();
    state->options.HouseSystem = c.system;
    state->input.NatalGeoLat = static_cast<float>(c.natalLat);
    state->input.TransitGeoLat = static_cast<float>(c.transitLat);
    EXPECT_EQ(ChartPlacesFit(*state), c.fits) << c.system << " " << c.natalLat << " " << c.transitLat;
  }
}

TEST(ChartDriverInput, AutomaticReportAndOption211) {
  for (float option211 : {0.0f, 1.0f}) {
    auto state = Typed();
    state->chart.ChartName = "John";
    state->options.OptionValues[211] = option211;
    ComputeChartSets(*state);
    SetAutomaticReportSections([](AppState& s) {
      s.report.OutLine = "horary";
      WriteOutLine(s);
    });
    WriteAutomaticReport(*state);
    SetAutomaticReportSections(nullptr);
    const auto& page = state->report.PageLines;
    ASSERT_GE(page.size(), 4u);
    EXPECT_EQ(page[1], "  John");
    EXPECT_EQ(page[3], "horary");
    EXPECT_GT(state->report.DataLineCount, 0);
    ApplyDataBufferOption(*state);
    EXPECT_EQ(state->report.DataLineCount == 0, option211 != 0);
  }
}

}  // namespace
}  // namespace halcyra
