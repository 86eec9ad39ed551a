// The horary pages of the Data menu: golden pages of a computed horary chart
// (checked by hand once against its positions, the shipped tables, moieties
// and part orbs), and the edges one chart does not reach.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <tuple>

#include "horary/almutens.h"
#include "horary/arabian_parts.h"
#include "horary/decans_dwads.h"
#include "horary/degree_tables.h"
#include "horary/horary_pages.h"
#include "horary/horary_reports_fixture.h"
#include "horary/solstice_points.h"
#include "reports/golden_page.h"
#include "reports/report_names.h"
#include "shell/report_output.h"

namespace halcyra {
namespace {

using testing::HoraryChart;
using testing::LinesOf;

TEST(HoraryPages, ComputedChartMatchesGoldenPages) {
  auto state = std::make_unique<AppState>();
  testing::ComputeHoraryGoldenChart(*state);
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

TEST(Almutens, DayAndNightTablesWithTheTie) {
  // longitude, sect; the names the line ends with, from the shipped tables
  // (worked by hand from the dignities in the tables' own test)
  struct Case { double longitude; bool night; const char* names; };
  const Case cases[] = {
      {199.0, false, "Saturn   "},                    // 19 Libra by day: Saturn alone
      {199.99, true, "Mercury  Venus    SATURN"},     // by night a three-way tie
      {200.0, true, "Mercury  Venus    "},            // 20 Libra: Jupiter's face leaves Saturn 4
      {0.0, true, "Mars     "},                       // 0 Aries by night
      {360.0, false, "Sun      "},                    // entry 360 repeats 0 Aries
  };
  const StartupTables tables = testing::ShippedAlmutenTables();
  for (const Case& c : cases)
    EXPECT_EQ(AlmutenNamesText(AlmutensOfDegree(c.longitude, c.night, tables)), c.names + std::string(10, ' '))
        << c.longitude << (c.night ? " by night" : " by day");
  // the section by day (the golden page is a night chart): Mars on 19 Libra
  const ChartSet chart = HoraryChart({{Sun, 45}, {Mars, 199.5}, {Moon, 95.25}}, 10);
  const auto lines = LinesOf([&](LineSink& out) { WriteAlmutensDispositors(out, chart, false, tables); });
  ASSERT_EQ(lines.size(), 33u);
  EXPECT_EQ(lines[21], "  Mars       19 LIB 30   Saturn   " + std::string(10, ' '));
}

TEST(Almutens, TableValuesNamingNoPointPrintNothing) {
  // past the point numbers, below 0, or a point without a horary name
  StartupTables tables;
  tables.AlmutenDay[10] = 40, tables.CoAlmutenDay[10] = -3;
  tables.AlmutenDay[11] = PartOfFortune, tables.CoAlmutenDay[11] = Midheaven;
  tables.AlmutenDay[12] = 32767, tables.CoAlmutenDay[12] = Jupiter;
  EXPECT_EQ(AlmutenNamesText(AlmutensOfDegree(10.5, false, tables)), std::string(10, ' '));
  EXPECT_EQ(AlmutenNamesText(AlmutensOfDegree(11.5, false, tables)), std::string(10, ' '));
  EXPECT_EQ(AlmutenNamesText(AlmutensOfDegree(12.5, false, tables)), "Jupiter  " + std::string(10, ' '));
}

TEST(SolsticePoints, ContactsAcrossZeroAries) {
  // Sun 359.6 and Moon 179.7 mirror each other across 0 Aries and 0 Libra; Mars
  // 90.5 is 1 degree from its antiscion, Venus 1.01; the rest clear of all.
  const ChartSet chart =
      HoraryChart({{Sun, 359.6}, {Moon, 179.7}, {Mars, 90.5}, {Venus, 270.505}, {Mercury, 15 + 7.0 / 60},
                   {Jupiter, 45}, {Saturn, 130}, {Uranus, 200}, {Neptune, 222}, {Pluto, 305}, {NorthNode, 64},
                   {PartOfFortune, 333}, {Chiron, 10}, {Ascendant, 111}, {Midheaven, 12}, {Lilith, 180}});
  const auto lines = LinesOf([&](LineSink& out) { WriteSolsticePoints(out, chart); });
  ASSERT_GE(lines.size(), 35u);
  // 0 Libra mirrors to 0 Aries, opposite it 0 Libra
  EXPECT_EQ(lines[18], "  Lilith         00 LIB 00          00 ARI 00          00 LIB 00");
  // 30 rows (no Part of Fortune row), a blank line, then the contacts
  const std::vector<std::string> expected = {
      "  Sun        conjunct antiscion of Moon      ",      // 359.6 and 0.3
      "  Mars       conjunct antiscion of Mars      ",      // exactly 1 degree
      "  Moon       conjunct antiscion of Sun       ",      // 179.7 and 180.4
      "  Sun        conjunct contrantiscion of Sun       ", // 359.6 and 0.4
      "  Moon       conjunct contrantiscion of Moon      ", // 179.7 and 180.3
  };
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 35, lines.end()), expected);
}

// No two terms of any part equal, so every formula change shows.
ChartSet DistinctChart() {
  return HoraryChart({{Sun, 11.5}, {Moon, 47.25}, {Mercury, 23.75}, {Venus, 71.1}, {Mars, 133.3}, {Jupiter, 161.7},
                      {Saturn, 203.9}, {Uranus, 241.35}, {Neptune, 283.45}, {Pluto, 305.6}, {Ascendant, 77.7},
                      {Midheaven, 338.15}},
                     77.7 + 0.35);
}

TEST(ArabianParts, TheSectChangesTheSwapPartsAndThoseThroughFortune) {
  const ChartSet chart = DistinctChart();
  const auto day = ArabianPartLongitudes(chart, false), night = ArabianPartLongitudes(chart, true);
  std::set<std::string> changed, swapping;
  for (int i = 0; i < ArabianPartCount; ++i) {
    const ArabianPart& part = ArabianPartTable()[i];
    if (day[i] != night[i]) changed.insert(part.name);
    if (part.swapsAtNight) swapping.insert(part.name);
  }
  EXPECT_EQ(swapping.size(), 16u);
  // the sixteen swap parts but FRIENDSHIP (Fortune and Spirit change places
  // as well), and the three that take Fortune
  std::set<std::string> expected = swapping;
  expected.erase("FRIENDSHIP");
  expected.insert({"IMPRISONMENT", "PRFL. FRIENDS", "SUDDEN ADVANCE"});
  EXPECT_EQ(changed, expected);
}

// Five one-letter codes, "_" for a place left empty, 9 characters apart.
std::string Qualities(const std::string& codes) {
  std::string text;
  for (size_t k = 0; k < codes.size(); ++k) {
    if (k > 0) text += std::string(8, ' ');
    if (codes[k] != '_') text += codes[k];
  }
  return text;
}

TEST(DegreeQualities, LettersDecansAndDwadsAtTheBounds) {
  // longitude; M/F, L/D/S/V, pitted, lame, fortune; decanate and dwad signs.
  // A bound belongs to the range that starts there.
  struct Case { double longitude; const char* codes; const char* decan; const char* dwad; };
  const Case cases[] = {
      {0.0, "MD---", "ARI", "ARI"},    {2.5, "MD---", "ARI", "TAU"},    // first dwad ends at 2.5
      {5.0, "MLP--", "ARI", "GEM"},    {6.0, "ML---", "ARI", "GEM"},    // pitted 5-6 holds 5, not 6
      {8.0, "FD---", "ARI", "CAN"},    {9.0, "MD---", "ARI", "CAN"},    // feminine 8-9 only
      {9.99, "MD---", "ARI", "CAN"},   {10.0, "MDP--", "LEO", "LEO"},   // second decanate from 10
      {20.0, "FV---", "SAG", "SAG"},   {35.0, "ML-L-", "TAU", "CAN"},   // Taurus 5: lame 5-10
      {283.99, "FS--I", "TAU", "GEM"}, {359.9, "MD---", "SCO", "AQU"},  // Capricorn 13.99; the last dwad
      {360.0, "__---", "ARI", "ARI"},                                   // no range: 35 characters
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatDegreeQualities(c.longitude), Qualities(c.codes)) << c.longitude;
    EXPECT_EQ(SignAbbrev(DecanIndex(c.longitude)), c.decan) << c.longitude;
    EXPECT_EQ(SignAbbrev(DwadIndex(c.longitude)), c.dwad) << c.longitude;
  }
}

// Every whole degree gets one letter from each table: from exactly one range
// where the ranges cover the zodiac, else from at most one or the table's "-".
TEST(DegreeQualities, EachTableGivesEveryDegreeOneLetter) {
  const auto& tables = DegreeQualityTables();
  for (size_t k = 0; k < tables.size(); ++k) {
    const DegreeQualityTable& table = tables[k];
    for (const DegreeRange& r : table.ranges)
      EXPECT_TRUE(r.sign >= 1 && r.sign <= 12 && r.from >= 0 && r.from < r.to && r.to <= 30)
          << "table " << k + 1 << " sign " << r.sign << " " << r.from << "-" << r.to;
    for (int degree = 0; degree < 360; ++degree) {
      int holding = 0;
      for (const DegreeRange& r : table.ranges)
        holding += 30 * (r.sign - 1) + r.from <= degree && degree < 30 * (r.sign - 1) + r.to;
      if (table.otherwise == 0) EXPECT_EQ(holding, 1) << "table " << k + 1 << " degree " << degree;
      else EXPECT_LE(holding, 1) << "table " << k + 1 << " degree " << degree;
    }
  }
}

}  // namespace
}  // namespace halcyra
