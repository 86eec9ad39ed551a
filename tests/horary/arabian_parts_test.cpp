// The Arabian parts: which parts the sect changes, the aspect windows with
// their single-precision bounds, the report's last line holding the aspect
// list, and the formula list of the help text against the part table.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "horary/arabian_parts.h"
#include "horary/horary_reports_fixture.h"
#include "platform/text_files.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

using testing::HoraryChart;
using testing::HoraryOptions;
using testing::LinesOf;

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
  // The sixteen swap parts, but FRIENDSHIP (Fortune and Spirit change places
  // as well), and the three that take Fortune.
  std::set<std::string> expected = swapping;
  expected.erase("FRIENDSHIP");
  expected.insert({"IMPRISONMENT", "PRFL. FRIENDS", "SUDDEN ADVANCE"});
  EXPECT_EQ(changed, expected);

  // ASTROLOGY = ASC + Mercury - Uranus by day, ASC + Uranus - Mercury by night;
  // FORTUNE, day is Moon + ASC - Sun, and night Fortune is the day Spirit.
  auto at = [](const char* name) {
    for (int i = 0; i < ArabianPartCount; ++i)
      if (std::string(ArabianPartTable()[i].name) == name) return i;
    return -1;
  };
  EXPECT_NEAR(day[at("ASTROLOGY")], 77.7 + 23.75 - 241.35 + 360, 1e-9);
  EXPECT_NEAR(night[at("ASTROLOGY")], 77.7 + 241.35 - 23.75, 1e-9);
  EXPECT_NEAR(day[at("FORTUNE, day")], 47.25 + 77.7 - 11.5, 1e-9);
  EXPECT_EQ(night[at("IMPRISONMENT")], night[at("SUDDEN ADVANCE")]);
  // A negative sum is brought into range: 10 + 20 - 100 gives 20 Capricorn.
  const ChartSet small = HoraryChart({{Ascendant, 10}, {Mercury, 20}, {Uranus, 100}});
  EXPECT_EQ(SignDegMinText(ArabianPartLongitudes(small, false)[at("ASTROLOGY")]), "20 CPR 00");
}

TEST(ArabianParts, AspectWindowsIncludeTheirSinglePrecisionBounds) {
  // part, point, orbs of options 128 to 133; the aspect's place in the order
  // conjunction, sextile, square, trine, inconjunct, opposition (-1 none).
  struct Case { double part, point; float orbs[6]; int kind; const char* why; };
  const Case cases[] = {
      {10, 12, {2, 1, 1.5f, 1.5f, 1, 2}, 0, "a separation equal to the orb is within it"},
      {10, 12.0001, {2, 1, 1.5f, 1.5f, 1, 2}, -1, "just past the conjunction's orb"},
      {359, 1, {2, 1, 1.5f, 1.5f, 1, 2}, 0, "359 and 1 are 2 apart"},
      {0, 61, {2, 1, 1.5f, 1.5f, 1, 2}, 1, "60 + orb is a sextile"},
      {0, 238.5, {2, 1, 1.5f, 1.5f, 1, 2}, 3, "121.5 from 0 is a trine"},
      {0, 178, {2, 1, 1.5f, 1.5f, 1, 2}, 5, "the opposition has a lower bound only"},
      {0, 35, {40, 30, 0, 0, 0, 0}, 0, "overlapping windows: the conjunction comes first"},
      {0, 150, {0, 0, 0, 0, 0, 0}, 4, "orbs 0: only the exact angle"},
      {0, 150.001, {0, 0, 0, 0, 0, 0}, -1, "orbs 0: only the exact angle"},
      {0, 61.1, {0, 1.1f, 0, 0, 0, 0}, -1, "60 + 1.1f rounds to the single 61.0999985, below 61.1"},
      {0, 58.9, {0, 1.1f, 0, 0, 0, 0}, -1, "60 - 1.1f rounds to the single 58.9000015, above 58.9"},
      {0, 58.9001, {0, 1.1f, 0, 0, 0, 0}, 1, "within the single-precision bounds"},
  };
  for (const Case& c : cases) {
    OptionTables options;
    for (int k = 0; k < 6; ++k) options.OptionValues[128 + k] = c.orbs[k];
    EXPECT_EQ(PartAspectKind(c.part, c.point, options), c.kind) << c.why;
  }
}

TEST(ArabianParts, TheLastLineHoldsTheWholeAspectList) {
  const ChartSet chart = DistinctChart();
  const auto lines = LinesOf([&](LineSink& out) { WriteArabianParts(out, chart, false, HoraryOptions()); });
  ASSERT_EQ(lines.size(), 2u + 63u + 5u + 1u);
  EXPECT_EQ(lines[1], "     Arabian Parts                          Arabian Parts");
  EXPECT_EQ(lines[67], "  See Orvane Window under HELP for a list of the formulas used.");
  const std::string& list = lines.back();
  ASSERT_GE(list.size(), 52u);
  EXPECT_EQ(list.substr(list.size() - 2), "\r\n");
  const auto entries = SplitTextLines(list);
  for (const std::string& entry : entries) EXPECT_EQ(entry.size(), 50u) << entry;
  EXPECT_EQ(entries.size() * 52, list.size());

  // With no aspect the list is empty and the report ends in an empty line.
  OptionTables none;
  for (int k = 128; k <= 133; ++k) none.OptionValues[k] = -1;
  EXPECT_EQ(LinesOf([&](LineSink& out) { WriteArabianParts(out, chart, false, none); }).back(), "");
}

// The help text lists the formulas in the printed order, one line a part
// under its name, the swap parts with their night formula.
TEST(ArabianParts, HelpTextListsEachFormulaInPrintedOrder) {
  const auto help = ReadTextLines(testing::SourceAppData() + "/Orvane.HLP");
  ASSERT_TRUE(help);
  auto line = std::find(help->begin(), help->end(), "ARABIAN PARTS - THE FORMULAS");
  line = std::find_if(line, help->end(), [](const std::string& l) { return l.starts_with("ABANDONMENT "); });
  for (const ArabianPart& p : ArabianPartTable()) {
    ASSERT_NE(line, help->end()) << p.name;
    EXPECT_TRUE(line->starts_with(PadRight(p.name, 16))) << p.name << ": " << *line;
    EXPECT_EQ(line->find("(night: ") != std::string::npos, p.swapsAtNight) << *line;
    ++line;
  }
  EXPECT_EQ(line, help->end());
}

}  // namespace
}  // namespace halcyra
