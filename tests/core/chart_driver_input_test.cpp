// The chart driver's input side: a wheel time step's moment and place, the
// chart names, the places every set can be computed at, and the automatic
// report with option 211.
#include <gtest/gtest.h>

#include "chart_driver_fixture.h"
#include "core/chart_driver.h"
#include "shell/report_output.h"

namespace halcyra {
namespace {

using namespace testing;

// A dual-wheel step changes the transits and, of the natal input, only its
// A.M./P.M. caption; a single-wheel step changes only the natal input.
TEST(ChartDriverInput, AWheelStepChangesTheChartOfItsWheel) {
  for (int wheelKind : {1, 2}) {
    auto state = TypedState(kNewYorkBirth, kLondonTransit);
    const ChartInput before = state->input;
    state->flags.WheelKind = wheelKind;
    state->flags.DateFormat = 1;
    // 5 August 2024, 9.07 P.M., zone 2 east, 13 24 E 52 31 S
    state->step = {8, 5, 2024, 9, 7, 1, 13, 24, 52, 31, 0, 1, -2};
    TakeStepRecordInput(*state);
    const ChartInput& in = state->input;
    const bool dual = wheelKind == 2;
    EXPECT_EQ(dual ? in.TransitDateText : in.NatalDateText, "5/8/2024");
    EXPECT_EQ(dual ? in.TransitYear : in.NatalYearInt, 2024);
    EXPECT_EQ(dual ? in.ChartClockTime : in.NatalClockTime, 9.07f);
    EXPECT_EQ(dual ? in.ChartAmPm : in.NatalAmPm, "P.M.");
    EXPECT_EQ(dual ? in.TransitTZ : in.NatalTZ, -2);
    EXPECT_EQ(dual ? in.TransitGeoLong : in.NatalGeoLong, -13.24f);
    EXPECT_EQ(dual ? in.TransitGeoLat : in.NatalGeoLat, -52.31f);
    EXPECT_EQ(dual ? in.TransitEWText : in.NatalEWText, "EAST");
    EXPECT_EQ(dual ? in.TransitNSText : in.NatalNSText, "SOUTH");
    EXPECT_EQ(in.NatalAmPmCaption, "P.M.");
    // the other chart as typed
    EXPECT_EQ(dual ? in.NatalYearInt : in.TransitYear, dual ? before.NatalYearInt : before.TransitYear);
    EXPECT_EQ(dual ? in.NatalGeoLong : in.TransitGeoLong, dual ? before.NatalGeoLong : before.TransitGeoLong);
    EXPECT_EQ(dual ? in.EWText : in.TransitEWText, "WEST");
    // the last birthday follows the stepped date: 14 July is past by 5 August
    EXPECT_EQ(in.LastBirthdayYear, dual ? 2024 : 2023);
  }
}

TEST(ChartDriverInput, SecondChartNameFromTheCheckBoxCaption) {
  const std::pair<const char*, const char*> cases[] = {
      {"2nd Person", "Transits"}, {"2nd", "Transits"}, {"Jane Doe", "Jane Doe"}, {"2n", "2n"}, {"", ""}};
  for (const auto& [caption, name] : cases) {
    AppState state;
    SetChartNames(state, "John", caption);
    EXPECT_EQ(state.chart.ChartName, "John");
    EXPECT_EQ(state.chart.TransitChartName, name) << caption;
  }
}

TEST(ChartDriverInput, PlacesEverySetCanBeComputedAt) {
  struct Case {
    const char* system;
    float natalLat, transitLat;
    bool fits;
  } const cases[] = {
      {"P", 40.45f, 51.30f, true}, {"P", 66.00f, 51.30f, true}, {"P", 67.00f, 51.30f, false},
      {"P", 40.45f, -67.00f, false}, {"K", -66.30f, 0, true},   {"R", 89.59f, 0, true},
      {"M", 89.59f, 89.59f, true}, {"M", 90.00f, 0, false},     {"I", 0, -90.30f, false},
  };
  for (const Case& c : cases) {
    auto state = TypedState(kNewYorkBirth, kLondonTransit);
    state->options.HouseSystem = c.system;
    state->input.NatalGeoLat = c.natalLat;
    state->input.TransitGeoLat = c.transitLat;
    EXPECT_EQ(ChartPlacesFit(*state), c.fits) << c.system << " " << c.natalLat << " " << c.transitLat;
  }
}

TEST(ChartDriverInput, AutomaticReportAndOption211) {
  for (float option211 : {0.0f, 1.0f}) {
    auto state = ComputedState(kNewYorkBirth, kLondonTransit);
    state->chart.ChartName = "John";
    state->options.OptionValues[211] = option211;
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
    ApplyDataBufferOption(*state);
    EXPECT_EQ(state->report.DataLineCount == 0, option211 != 0);
  }
}

}  // namespace
}  // namespace halcyra
