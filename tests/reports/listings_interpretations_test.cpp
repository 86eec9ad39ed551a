// The dated transit listing and its interpretation texts: the keyed file
// format, the shipped texts holding a paragraph for every aspect the
// listing can show, one listed day of the fixture chart (its aspects as the
// Swiss Ephemeris transits of the fixture give them, each with its
// paragraph), a missing file skipped, a day without aspects, and the
// listing day moving on.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "core/calendar.h"
#include "platform/number_format.h"
#include "reports/aspect_finder.h"
#include "reports/interpretation_texts.h"
#include "reports/report_columns.h"
#include "reports/report_fixture.h"
#include "reports/report_names.h"
#include "reports/transit_interpretations.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

TEST(InterpretationTexts, KeyedParagraphs) {
  const std::vector<std::string> lines = {
      "; comment before any key",
      "[CONJUNCT SUN]",
      "",
      "First line.",
      "; a comment inside is left out",
      "Second line.",
      "",
      "  [ sextile / Trine  moon ]  ",
      "Easy.",
      "[CONJUNCT SUN]",
      "A second paragraph for a key already given.",
      "[QUINTILE SUN]",
      "Not an aspect the listing shows.",
      "[SQUARE/OPPOSITE MC]",
      "Hard.",
      "",
      ""};
  const InterpretationTexts t = ParseInterpretationLines(lines);
  using Lines = std::vector<std::string>;
  EXPECT_EQ(t.size(), 5u);
  EXPECT_EQ(t.at({2, Sun}), (Lines{"First line.", "Second line."}));
  EXPECT_EQ(t.at({3, Moon}), Lines{"Easy."});
  EXPECT_EQ(t.at({5, Moon}), Lines{"Easy."});
  EXPECT_EQ(t.at({4, Midheaven}), Lines{"Hard."});
  EXPECT_EQ(t.at({6, Midheaven}), Lines{"Hard."});
  EXPECT_FALSE(ReadInterpretationFile(testing::ScratchDir("no_texts") + "/SUN.TXT"));
}

// Every body's file: a paragraph for every aspect it can show to every
// natal point, lines short enough for the page after their indent, and
// nothing but printable Latin-1.
TEST(InterpretationTexts, ShippedTextsCoverEveryAspectTheListingShows) {
  for (const InterpretedBody& body : InterpretedBodies()) {
    const auto texts = ReadInterpretationFile(testing::SourceAppData() + "/" + body.fileName);
    ASSERT_TRUE(texts) << body.fileName;
    const bool node = body.point == NorthNode;
    for (int point : InterpretedNatalPoints())
      for (int code = 2; code <= (node ? 2 : 6); ++code) {
        const auto found = texts->find({code, point});
        ASSERT_NE(found, texts->end()) << body.fileName << " code " << code << " point " << point;
        EXPECT_FALSE(found->second.empty()) << body.fileName << " " << code << " " << point;
      }
    for (const auto& [key, paragraph] : *texts)
      for (const std::string& line : paragraph) {
        EXPECT_LE(line.size(), 70u) << body.fileName << ": " << line;
        for (unsigned char ch : line) EXPECT_TRUE(ch >= 32 && ch != 127) << body.fileName << ": " << line;
      }
  }
}

// The fixture chart (transits of 1 Jun 2024 17:00 UT) listed for its day.
AppState FixtureDay(const std::string& appPath) {
  AppState state;
  testing::FillFixtureChart(state);
  state.AppPath = appPath;
  state.flags.ListingDate = DateToJulianDay(2024, 6, 1);
  state.chart.clock.DayFraction = 17.0 / 24;
  return state;
}

std::vector<std::string> Page(const AppState& state) {
  return {state.report.PageLines.begin(), state.report.PageLines.begin() + state.report.PageLineCount};
}

// The aspect lines the fixture's transit set gives (Swiss Ephemeris
// positions): body, aspect and natal point; the orb is left out, as our own
// ephemeris differs from it by seconds of arc.
std::vector<std::string> ExpectedAspectLines(const AppState& state) {
  std::vector<std::string> lines;
  for (const InterpretedBody& body : InterpretedBodies()) {
    double l = state.chart.transit.TransitLong[body.point];
    if (body.southNode) l = l < 180 ? l + 180 : l - 180;
    for (int point : InterpretedNatalPoints()) {
      const int code = FindAspect(l, state.chart.natal.NatalLong[point], state.options).code;
      if (code < 2 || code > 6 || (body.point == NorthNode && code != 2)) continue;
      lines.push_back("  " + (body.southNode ? std::string("S. Node   ") : PointName10(body.point)) +
                      AspectName12(code) + PointName10(point));
    }
  }
  return lines;
}

bool IsAspectLine(const std::string& line) { return line.size() == 41 && line[2] != ' '; }

TEST(TransitInterpretations, OneDayOfTheFixtureChart) {
  AppState state = FixtureDay(testing::StagedProgramDir());
  WriteTransitInterpretations(state);
  const auto page = Page(state);
  ASSERT_GE(page.size(), 5u);
  EXPECT_EQ(page[0], "");
  EXPECT_EQ(page[1], "               TRANSITING PLANET ASPECTS TO NATAL PLANETS   01 Jun 2024");
  EXPECT_EQ(page[2], "");
  EXPECT_EQ(page.back(), "");

  std::vector<std::string> aspectLines;
  for (std::size_t i = 3; i < page.size(); ++i) {
    if (!IsAspectLine(page[i])) continue;
    aspectLines.push_back(page[i].substr(0, 34));
    // "#0.00" orb in columns 37 to 41, then the paragraph, then a blank line
    EXPECT_EQ(page[i].substr(34, 2), "  ");
    ASSERT_LT(i + 2, page.size());
    EXPECT_EQ(page[i + 1].substr(0, 5), "     ") << page[i];
    EXPECT_NE(page[i + 1].substr(5, 1), " ") << page[i];
  }
  EXPECT_EQ(aspectLines, ExpectedAspectLines(state));
  EXPECT_GT(aspectLines.size(), 10u);
  for (const std::string& line : page) EXPECT_LE(line.size(), 80u) << line;

  EXPECT_EQ(state.flags.ListingDate, DateToJulianDay(2024, 6, 2));
  EXPECT_EQ(state.flags.ListingActive, 1);
  EXPECT_EQ(state.chart.MoreMenuVisible, 1);
  EXPECT_TRUE(state.report.NewDateVisible);
}

TEST(TransitInterpretations, AMissingFileIsSkipped) {
  namespace fs = std::filesystem;
  const std::string dir = testing::ScratchDir("interpretations_without_moon");
  for (const InterpretedBody& body : InterpretedBodies())
    if (std::string(body.fileName) != "MOON.TXT")
      fs::copy_file(testing::SourceAppData() + "/" + body.fileName, dir + "/" + body.fileName);
  AppState state = FixtureDay(dir);
  WriteTransitInterpretations(state);
  const auto page = Page(state);
  int moonLines = 0, otherLines = 0;
  for (std::size_t i = 3; i + 1 < page.size(); ++i) {
    if (!IsAspectLine(page[i])) continue;
    if (page[i].substr(2, 10) == "Moon      ") {
      ++moonLines;
      EXPECT_EQ(page[i + 1], "") << "no paragraph without MOON.TXT: " << page[i];
    } else {
      ++otherLines;
      EXPECT_NE(page[i + 1], "") << page[i];
    }
  }
  EXPECT_GT(moonLines, 0);
  EXPECT_GT(otherLines, 0);
  EXPECT_EQ(state.flags.ListingDate, DateToJulianDay(2024, 6, 2));
}

TEST(TransitInterpretations, NoAspectsTodayAndTheDayMovesOn) {
  AppState state = FixtureDay(testing::StagedProgramDir());
  for (int k = 1; k <= 16; ++k) state.options.OptionValues[k] = 0;
  WriteTransitInterpretations(state);
  WriteTransitInterpretations(state);
  const std::vector<std::string> expected = {
      "", "               TRANSITING PLANET ASPECTS TO NATAL PLANETS   01 Jun 2024", "",
      "     No aspects today.", "",
      "", "               TRANSITING PLANET ASPECTS TO NATAL PLANETS   02 Jun 2024", "",
      "     No aspects today.", ""};
  EXPECT_EQ(Page(state), expected);
  EXPECT_EQ(state.flags.ListingDate, DateToJulianDay(2024, 6, 3));
}

}  // namespace
}  // namespace halcyra
