// The horary pages of the Data menu for one horary chart computed by the
// chart driver, against golden pages checked by hand once: positions and
// cusps against the driver's natal set, almutens against the shipped
// tables, antiscia and parts worked from the printed positions, aspects
// from the separations and the shipped moieties and part orbs.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "horary/horary_pages.h"
#include "horary/horary_reports_fixture.h"
#include "reports/golden_page.h"
#include "shell/report_output.h"

namespace halcyra {
namespace {

using testing::ComputeHoraryGoldenChart;

TEST(HoraryPages, ComputedChartMatchesGoldenPages) {
  auto state = std::make_unique<AppState>();
  ComputeHoraryGoldenChart(*state);
  ASSERT_EQ(state->chart.IsNightChart, 1) << "the Sun of 8.15 P.M. stands below the horizon";
  // golden page, command, widest line (the emphasis lists may hold ten names)
  const std::tuple<const char*, void (*)(AppState&), size_t> pages[] = {
      {"horary_aspects", HoraryAspectsPage, 80},   {"almutens_dispositors_antiscia", HoraryAlmutensPage, 80},
      {"decans_dwads", HoraryDecansDwadsPage, 80}, {"degree_qualities", HoraryOtherDegreesPage, 80},
      {"arabian_parts", ArabianPartsPage, 80},     {"natal_emphasis", NatalMorePage, 127},
  };
  for (const auto& [name, build, widest] : pages) {
    build(*state);
    const auto& r = state->report;
    const auto lines = ShownLines({r.PageLines.begin(), r.PageLines.begin() + r.PageLineCount});
    EXPECT_TRUE(testing::MatchesGoldenPage(name, lines, "horary"));
    for (const std::string& line : lines) EXPECT_LE(line.size(), widest) << name << ": " << line;
  }
}

}  // namespace
}  // namespace halcyra
