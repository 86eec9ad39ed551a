// The dated transit listing and its interpretation texts: the keyed file
// format, a shipped paragraph for every aspect the listing can show, one
// listed day of the fixture chart (the aspects its Swiss Ephemeris transits
// give, each with its paragraph), a missing file, a day without aspects.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/calendar.h"
#include "reports/aspect_finder.h"
#include "reports/interpretation_texts.h"
#include "reports/report_columns.h"
#include "reports/report_fixture.h"
#include "reports/report_names.h"
#include "reports/transit_interpretations.h"
#include "shell/report_output.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

using Lines = std::vector<std::string>;

TEST(InterpretationTexts, KeyedParagraphs) {
  const InterpretationTexts t = ParseInterpretationLines(
      {"; comment before any key", "[CONJUNCT SUN]", "", "First line.", "; a comment inside is left out",
       "Second line.", "", "  [ sextile / Trine  moon ]  ", "Easy.",
       "[CONJUNCT SUN]", "A second paragraph for a key already given.",
       "[QUINTILE SUN]", "Not an aspect the listing shows.", "[SQUARE/OPPOSITE MC]", "Hard.", "", ""});
  const InterpretationTexts expected = {{{2, Sun}, {"First line.", "Second line."}},
                                        {{3, Moon}, {"Easy."}}, {{5, Moon}, {"Easy."}},
                                        {{4, Midheaven}, {"Hard."}}, {{6, Midheaven}, {"Hard."}}};
  EXPECT_EQ(t, expected);
  EXPECT_FALSE(ReadInterpretationFile(testing::ScratchDir("no_texts") + "/SUN.TXT"));
}

// Every body's file: a paragraph for every aspect it can show to every
// natal point, lines short enough for the page after their indent, and
// nothing but printable Latin-1.
TEST(InterpretationTexts, ShippedTextsCoverEveryAspectTheListingShows) {
  for (const InterpretedBody& body : InterpretedBodies()) {
    const auto texts = ReadInterpretationFile(testing::SourceAppData() + "/" + body.fileName);
    ASSERT_TRUE(texts) << body.fileName;
    for (int point : InterpretedNatalPoints())
      for (int code = 2; code <= (body.point == NorthNode ? 2 : 6); ++code) {
        const auto found = texts->find({code, point});
        ASSERT_TRUE(found != texts->end() && !found->second.empty())
            << body.fileName << " code " << code << " point " << point;
      }
    for (const auto& [key, paragraph] : *texts)
      for (const std::string& line : paragraph)
        EXPECT_TRUE(line.size() <= 70 &&
                    std::ranges::all_of(line, [](unsigned char ch) { return ch >= 32 && ch != 127; }))
            << body.fileName << ": " << line;
  }
}

// The fixture chart (transits of 1 Jun 2024 17:00 UT) listed for its day,
// with the interpretation files of `appPath`; without orbs, `days` days.
AppState FixtureDayListed(const std::string& appPath, bool noOrbs = false, int days = 1) {
  AppState state;
  testing::FillFixtureChart(state);
  state.AppPath = appPath;
  state.flags.ListingDate = DateToJulianDay(2024, 6, 1);
  state.chart.clock.DayFraction = 17.0 / 24;
  if (noOrbs) std::fill_n(&state.options.OptionValues[1], 16, 0.0f);
  ReportBufferSink page(state);
  for (int d = 0; d < days; ++d) WriteTransitInterpretations(state, page);
  return state;
}

// The aspect lines the fixture's transit set gives (Swiss Ephemeris
// positions): body, aspect and natal point; the orb is left out, as our own
// ephemeris differs from it by seconds of arc.
Lines ExpectedAspectLines(const AppState& state) {
  Lines lines;
  for (const InterpretedBody& body : InterpretedBodies()) {
    double l = state.chart.Transit.Long[body.point];
    if (body.southNode) l = l < 180 ? l + 180 : l - 180;
    for (int point : InterpretedNatalPoints()) {
      const int code = FindAspect(l, state.chart.Natal.Long[point], state.options).code;
      if (code < 2 || code > 6 || (body.point == NorthNode && code != 2)) continue;
      lines.push_back("  " + (body.southNode ? std::string("S. Node   ") : PointName10(body.point)) +
                      AspectName12(code) + PointName10(point));
    }
  }
  return lines;
}

bool IsAspectLine(const std::string& line) { return line.size() == 41 && line[2] != ' '; }

TEST(TransitInterpretations, OneDayOfTheFixtureChart) {
  AppState state = FixtureDayListed(testing::StagedProgramDir());
  const auto page = testing::PageLines(state);
  ASSERT_GE(page.size(), 5u);
  EXPECT_EQ(Lines(page.begin(), page.begin() + 3),
            (Lines{"", "               TRANSITING PLANET ASPECTS TO NATAL PLANETS   01 Jun 2024", ""}));
  EXPECT_EQ(page.back(), "");
  Lines aspectLines;
  for (std::size_t i = 3; i < page.size(); ++i) {
    EXPECT_LE(page[i].size(), 80u) << page[i];
    if (!IsAspectLine(page[i])) continue;
    aspectLines.push_back(page[i].substr(0, 34));
    // "#0.00" orb in columns 37 to 41, then the indented paragraph
    EXPECT_EQ(page[i].substr(34, 2), "  ");
    ASSERT_LT(i + 2, page.size());
    EXPECT_EQ(page[i + 1].substr(0, 6).find_first_not_of(' '), 5u) << page[i];
  }
  EXPECT_EQ(aspectLines, ExpectedAspectLines(state));
  EXPECT_GT(aspectLines.size(), 10u);
  EXPECT_EQ(state.flags.ListingDate, DateToJulianDay(2024, 6, 2));
  EXPECT_EQ(std::tuple(state.flags.ListingActive, state.chart.MoreMenuVisible, state.report.NewDateVisible),
            std::tuple(1, 1, true));
}

TEST(TransitInterpretations, AMissingFileIsSkipped) {
  const std::string dir = testing::ScratchDir("interpretations_without_moon");
  for (const InterpretedBody& body : InterpretedBodies())
    if (std::string(body.fileName) != "MOON.TXT")
      std::filesystem::copy_file(testing::SourceAppData() + "/" + body.fileName, dir + "/" + body.fileName);
  AppState state = FixtureDayListed(dir);
  const auto page = testing::PageLines(state);
  int moonLines = 0, otherLines = 0;
  for (std::size_t i = 3; i + 1 < page.size(); ++i) {
    if (!IsAspectLine(page[i])) continue;
    const bool moon = page[i].substr(2, 10) == "Moon      ";
    (moon ? moonLines : otherLines)++;
    EXPECT_EQ(page[i + 1].empty(), moon) << "a paragraph only where the file is: " << page[i];
  }
  EXPECT_TRUE(moonLines > 0 && otherLines > 0);
}

TEST(TransitInterpretations, NoAspectsTodayAndTheDayMovesOn) {
  const AppState state = FixtureDayListed(testing::StagedProgramDir(), true, 2);
  const Lines expected = {
      "", "               TRANSITING PLANET ASPECTS TO NATAL PLANETS   01 Jun 2024", "", "     No aspects today.", "",
      "", "               TRANSITING PLANET ASPECTS TO NATAL PLANETS   02 Jun 2024", "", "     No aspects today.", ""};
  EXPECT_EQ(testing::PageLines(state), expected);
  EXPECT_EQ(state.flags.ListingDate, DateToJulianDay(2024, 6, 3));
}

}  // namespace
}  // namespace halcyra
