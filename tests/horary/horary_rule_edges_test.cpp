// The horary rules at their edges, from the case tables in tests/data/horary:
// terms at their ends, the Arabian parts' aspect windows at their
// single-precision bounds, the out-of-bounds limit and the fateful degree,
// and the planetary hour of a question at the minute of sunrise, sunset or
// an hour's end.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/angle_helpers.h"
#include "horary/almutens.h"
#include "horary/arabian_parts.h"
#include "horary/horary_basics_lines.h"
#include "horary/horary_reports_fixture.h"
#include "horary/planetary_day_hour.h"
#include "horary/planetary_standing.h"
#include "horary/positions_and_speeds.h"
#include "horary/zodiac.h"
#include "reports/report_columns.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

using Row = std::vector<std::string>;

// The case as the table writes it, for failure messages.
std::string RowText(const Row& row) {
  std::string text;
  for (const std::string& field : row) text += field + "|";
  return text;
}

std::string WithoutTrailingBlanks(std::string text) {
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

// The point whose printed name the table gives ("MC" for "MC ").
int PointNamed(const std::string& name) {
  for (int p = 1; p <= NumPoints; ++p)
    if (WithoutTrailingBlanks(NameOf(p)) == name) return p;
  ADD_FAILURE() << "no point named " << name;
  return 0;
}

std::string AlmutenNames(const DegreeAlmutens& a) {
  return NameOf(a.almuten) + (a.coAlmuten ? " " + NameOf(a.coAlmuten) : "");
}

TEST(HoraryRuleEdges, TermEndsInThePositionsRowAndTheAlmutens) {
  const StartupTables tables = testing::ShippedAlmutenTables();
  int cases = 0;
  for (const Row& c : testing::ReadCaseTable("horary/term_edges.txt")) {
    const int planet = PointNamed(c.at(0));
    const double longitude = std::stod(c.at(1));
    const bool night = c.at(2) == "night";
    // equal houses that put the Sun at 0 Aries in the 10th by day, the 4th by night
    const ChartSet chart = testing::HoraryChart({{Sun, 0}, {planet, longitude}}, night ? 270 : 90);
    const PositionsAndSpeeds positions = PositionsAndSpeedsOf(chart);
    ASSERT_EQ(IsDayChart(chart), !night) << RowText(c);
    const auto row = std::find_if(positions.rows.begin(), positions.rows.end(),
                                  [&](const PositionRow& r) { return r.planet == planet; });
    ASSERT_NE(row, positions.rows.end()) << RowText(c);
    EXPECT_EQ(PlanetLabel3(row->cell[TermColumn]), c.at(3)) << RowText(c);
    EXPECT_EQ(row->hasDignity, c.at(4) == "yes") << RowText(c);
    EXPECT_EQ(AlmutenNames(AlmutensOfDegree(longitude, night, tables)), c.at(5)) << RowText(c);
    ++cases;
  }
  EXPECT_EQ(cases, 13);
}

// The aspect-list entries of one part: "  (dd sss mm) " name, word, point.
std::string PartAspectWord(const std::vector<std::string>& page, const std::string& part, const std::string& point) {
  const std::string list = page.back();
  for (size_t start = 0, end; (end = list.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string entry = list.substr(start, end - start);
    if (entry.substr(14, 16) == PadRight(part, 16) && entry.substr(43) == PadRight(point, 7))
      return WithoutTrailingBlanks(entry.substr(31, 12));
  }
  return "none";
}

TEST(HoraryRuleEdges, ArabianPartAspectWindowsAtTheirSingleBounds) {
  OptionTables options;
  int cases = 0;
  for (const Row& c : testing::ReadCaseTable("horary/part_aspect_bounds.txt")) {
    if (c.at(0) == "Orbs") {
      for (int k = 0; k < 6; ++k) options.OptionValues[128 + k] = std::stof(c.at(1 + k));
      continue;
    }
    const double part = std::stod(c.at(0)), mars = std::stod(c.at(1));
    // DEATH, SIBLING is ASC + 70 - Sun
    const ChartSet chart = testing::HoraryChart({{Sun, 0}, {Ascendant, NormalizeDegrees(part - 70)}, {Mars, mars}});
    const auto table = ArabianPartTable();
    const auto sibling = std::find_if(table.begin(), table.end(),
                                      [](const ArabianPart& p) { return p.name == std::string("DEATH, SIBLING"); });
    ASSERT_EQ(ArabianPartLongitudes(chart, false)[sibling - table.begin()], part) << RowText(c);
    const auto page = testing::LinesOf([&](LineSink& out) { WriteArabianParts(out, chart, false, options); });
    EXPECT_EQ(PartAspectWord(page, "DEATH, SIBLING", "Mars"), c.at(2)) << RowText(c);
    ++cases;
  }
  EXPECT_EQ(cases, 32);
}

TEST(HoraryRuleEdges, OutOfBoundsLimitAndFatefulDegree) {
  int cases = 0;
  for (const Row& c : testing::ReadCaseTable("horary/standing_edges.txt")) {
    if (c.at(0) == "OutOfBounds") {
      ChartSet chart = testing::HoraryChart({});
      chart.Decl[PointNamed(c.at(1))] = std::stod(c.at(2));
      EXPECT_EQ(OutOfBoundsLine(OutOfBoundsPoints(chart)), c.at(3)) << RowText(c);
    } else {
      const ChartSet chart = testing::HoraryChart({{NorthNode, std::stod(c.at(1))}, {PointNamed(c.at(2)), std::stod(c.at(3))}});
      const auto lines = testing::LinesOf(
          [&](LineSink& out) { WriteListIfFound(out, "Fateful Degree - ", FatefulDegreePoints(chart)); });
      EXPECT_EQ(lines, c.at(4) == "none" ? std::vector<std::string>{} : std::vector<std::string>{c.at(4)})
          << RowText(c);
    }
    ++cases;
  }
  EXPECT_EQ(cases, 15);
}

// The clock time in the whole minutes the input boxes hold.
TEST(HoraryRuleEdges, PlanetaryHourAtTheMinuteOfSunriseSunsetAndAnHoursEnd) {
  int cases = 0;
  for (const Row& c : testing::ReadCaseTable("horary/day_hour_edges.txt")) {
    const QuestionMoment moment{
        testing::TypedMoment(std::stoi(c.at(0)), std::stoi(c.at(1)), std::stoi(c.at(2)), std::stod(c.at(3)),
                             c.at(4) == "P.M.", 0),
        Place::FromDotMinutes(0, 51.30)};
    const PlanetaryDayHour at = CalcPlanetaryDayHour(moment, std::stod(c.at(5)), std::stod(c.at(6)));
    EXPECT_TRUE(at.hourFoundBySearch) << RowText(c);  // a sunrise before noon always ends the search
    EXPECT_EQ((at.night ? "night " : "day ") + std::to_string(at.hour), c.at(7)) << RowText(c);
    EXPECT_EQ(PlanetaryDayHourLine(at), c.at(8)) << RowText(c);
    ++cases;
  }
  EXPECT_EQ(cases, 9);
}

}  // namespace
}  // namespace halcyra
