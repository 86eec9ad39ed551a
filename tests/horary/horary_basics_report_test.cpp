// The whole horary basics report: the fixture chart's page (each section
// worked by hand from the fixture's table: rulers, standing lists, star
// windows of 2024, sign distances and moieties), a chart whose
// only-when-found lists find nothing, and the automatic report of a chart
// the chart driver computed.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/chart_driver.h"
#include "horary/horary_basics_page.h"
#include "horary/horary_basics_report.h"
#include "horary/horary_fixture.h"
#include "reports/golden_page.h"
#include "shell/report_output.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

using Lines = std::vector<std::string>;

Lines FixtureReport(const ChartSet& chart) {
  const HoraryBasicsInput input{chart, testing::HoraryFixtureOptions(), testing::HoraryFixtureMoment(),
                                {34 * 50.23 / 3600, 24 * 50.23 / 3600}, chart.MoonDeclNextDay, testing::SixToSix};
  LineCollector sink;
  WriteHoraryBasicsReport(sink, input);
  return sink.lines;
}

TEST(HoraryBasicsReport, FixtureChartPage) {
  EXPECT_TRUE(testing::MatchesGoldenPage("fixture_basics", FixtureReport(testing::HoraryFixtureChart()), "horary"));
}

// Nothing found for the lists that show only what they find: after the
// out-of-bounds line come the receptions' closing blank line and then the
// Moon's aspects, with no line in between.
TEST(HoraryBasicsReport, ListsThatFindNothingLeaveNoLine) {
  ChartSet chart = testing::HoraryFixtureChart();
  testing::Place(chart, {{Sun, 236}, {Moon, 160}, {Mercury, 260}, {Venus, 260}, {Mars, 300}, {Jupiter, 260},
                         {Saturn, 50}, {Uranus, 75}, {Neptune, 75}, {Pluto, 75}, {NorthNode, 5.5},
                         {Chiron, 40}, {Ascendant, 107}, {Midheaven, 16.5}});
  const Lines lines = FixtureReport(chart);
  const auto at = std::find(lines.begin(), lines.end(), "  Out of Bounds Planets - Lilith ");
  ASSERT_NE(at, lines.end());
  EXPECT_EQ(Lines(at + 1, at + 4),
            (Lines{"", "", "  ----------------------- MOON'S ASPECTS -----------------------"}));
}

// New York, 14 July 1975, 3.25 P.M.; transits London, 1 March 2024, 10.00
// A.M.; the shipped options, sunrise and sunset from the ephemeris.
TEST(HoraryBasicsReport, AutomaticReportOfAComputedChart) {
  auto state = std::make_unique<AppState>();
  state->AppPath = testing::StagedProgramDir();
  LoadStartupData(*state, [](const std::string&) {});
  LoadOptionsFile(*state);
  state->options.HouseSystem = "P";
  ChartInput& in = state->input;
  in.Natal = testing::TypedMoment(1975, 7, 14, 3.25, true, 5), in.NatalAmPmCaption = "P.M.";
  in.NatalPlace = Place::FromDotMinutes(73.59, 40.45);
  in.Transit = testing::TypedMoment(2024, 3, 1, 10.00, false, 0);
  in.TransitPlace = Place::FromDotMinutes(0.07, 51.30);
  in.LastBirthdayYear = 2023;
  state->chart.ChartName = "Test Person";
  ComputeChartSets(*state);
  ClearReportBuffers(*state);
  HoraryBasicsPage(*state);
  const Lines page(state->report.PageLines.begin(), state->report.PageLines.begin() + state->report.PageLineCount);
  EXPECT_TRUE(testing::MatchesGoldenPage("automatic_report", page, "horary"));
}

}  // namespace
}  // namespace halcyra
