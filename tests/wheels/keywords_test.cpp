// The Keywords card: the grid, and every topic's text against the reference
// table tests/data/wheels/keyword_topics.txt (opening words, paragraph
// length and the fixed short lines, exact).
#include <gtest/gtest.h>

#include <set>

#include "support/test_support.h"
#include "wheels/keywords.h"

namespace halcyra {
namespace {

// The lines of a text whose lines end in CR LF; a text ending in a line
// break ends in an empty line.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
    lines.push_back(text.substr(start, at - start));
  lines.push_back(text.substr(start));
  return lines;
}

TEST(Keywords, GridOfFortySixTopicsAndTwoEmptyCells) {
  const std::vector<std::vector<std::string>> expected = {
      {"Sun", "Aries", "1st house", "Fire"},          {"Moon", "Taurus", "2nd house", "Earth"},
      {"Mercury", "Gemini", "3rd house", "Air"},     {"Venus", "Cancer", "4th house", "Water"},
      {"Mars", "Leo", "5th house", ""},              {"Jupiter", "Virgo", "6th house", "Cardinal"},
      {"Saturn", "Libra", "7th house", "Fixed"},     {"Uranus", "Scorpio", "8th house", "Common"},
      {"Neptune", "Sagittarius", "9th house", ""},   {"Pluto", "Capricorn", "10th house", "General 1"},
      {"Aspects", "Aquarius", "11th house", "General 2"}, {"Symbolism", "Pisces", "12th house", "General 3"},
  };
  std::set<std::string> topics;
  for (int row = 0; row < KeywordRows; ++row)
    for (int column = 0; column < KeywordColumns; ++column) {
      const std::string cell(KeywordGrid[row][column]);
      EXPECT_EQ(cell, expected[row][column]) << row << "," << column;
      EXPECT_EQ(KeywordText(cell).has_value(), !cell.empty()) << "a text for every topic, none for the empty cells: "
                                                               << row << "," << column;
      if (!cell.empty()) topics.insert(cell);
    }
  EXPECT_EQ(topics.size(), 46u);
}

TEST(Keywords, OnlyTheExactCellTextFindsATopic) {
  for (const char* text : {"", "sun", "Sun ", "1st House", "General", "Aspect"})
    EXPECT_FALSE(KeywordText(text).has_value()) << text;
}

TEST(Keywords, EveryTopicByItsKind) {
  const auto rows = testing::ReadCaseTable("wheels/keyword_topics.txt");
  ASSERT_EQ(rows.size(), 45u);
  for (const auto& r : rows) {
    const std::string& topic = r[0];
    const std::string& kind = r[1];
    const std::optional<std::string> text = KeywordText(topic);
    ASSERT_TRUE(text) << topic;
    const std::vector<std::string> lines = Lines(*text);
    std::string paragraph;
    if (kind == "planet") {
      // the paragraph, an empty line, the three short lines
      ASSERT_EQ(lines.size(), 5u) << topic;
      paragraph = lines[0];
      EXPECT_EQ(std::vector(lines.begin() + 1, lines.end()), (std::vector<std::string>{"", r[4], r[5], r[6]})) << topic;
    } else if (kind == "sign") {
      // the sentence the paragraph finishes, an empty line, then as a planet
      ASSERT_EQ(lines.size(), 7u) << topic;
      EXPECT_EQ(lines[0], "In the house where " + topic + " rules the cusp is where:");
      paragraph = lines[2];
      EXPECT_EQ(std::vector(lines.begin() + 3, lines.end()), (std::vector<std::string>{"", r[4], r[5], r[6]})) << topic;
      EXPECT_EQ(lines[1], "") << topic;
    } else {
      ASSERT_EQ(lines.size(), 1u) << topic << ": the paragraph alone";
      paragraph = lines[0];
    }
    EXPECT_TRUE(paragraph.starts_with(r[2])) << topic << ": " << paragraph;
    EXPECT_EQ(paragraph.size(), std::stoul(r[3])) << topic;
  }
}

TEST(Keywords, AspectsAreFiveLinesEachEndedByALineBreak) {
  EXPECT_EQ(Lines(KeywordText("Aspects").value()),
            (std::vector<std::string>{
                "Conjunction    =  Prominence      Semi-sextile =  Growth",
                "Sextile            =  Opportunity       Square         =  Obstacle",
                "Trine               =  Luck                 Quincunx     =  Expansion",
                "Semi-square   =  Friction              Opposition   =  Separation",
                "Sesquisquare =  Agitation            Parallel        =  Intensity",
                "",
            }));
}

}  // namespace
}  // namespace halcyra
