// The mansions report on the horary fixture chart (its sections worked by
// hand in the horary tests; here their order, their own formatting and the
// slots that print nothing), the natal aspect grid's rows and cells, and the
// page of a chart the chart driver computed, frozen as a golden page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "horary/horary_fixture.h"
#include "horary/horary_reports_fixture.h"
#include "mansions/mansions_page.h"
#include "mansions/mansions_report.h"
#include "reports/golden_page.h"
#include "shell/report_output.h"

namespace halcyra {
namespace {

// Pages are compared as the Data window shows them: a slot, one entry that
// holds line breaks, shows as several lines.
using Lines = std::vector<std::string>;

HoraryBasicsInput FixtureInput(const ChartSet& chart, const OptionTables& options) {
  return {chart, options, testing::HoraryFixtureMoment(), {34 * 50.23 / 3600, 24 * 50.23 / 3600},
          chart.MoonDeclNextDay, testing::SixToSix};
}

Lines FixtureReport(const ChartSet& chart, const OptionTables& options, const MansionEntries& entries = {}) {
  LineCollector sink;
  WriteMansionsReport(sink, FixtureInput(chart, options), entries);
  return sink.lines;
}

// Everything before the natal aspect grid, the lines the horary basics
// report shows alike (worked by hand in its tests) counted only. Each slot
// ends in an empty line; the slots of cazimi, combust, the house of joy,
// mutual reception by exaltation, mixed reception and besieged planets find
// nothing and print nothing.
TEST(MansionsReport, FixtureSectionsInTheirOrder) {
  const Lines expected = {
      "",
      "  Jupiter day    Mercury hour",
      "",
      "  Under Sun's Beam - Mercury ",
      "",
      "  Moon is increasing in light.",
      "",
      "  Peregrine - Mercury Mars Moon ",
      "",
      "  Detriment - ",
      "",
      "  Fall - ",
      "",
      "  Mutual Reception (by sign) - Sun-Mars   ",
      "  Mutual Reception (by sign) - Saturn-Uranus   ",
      "",
      "  Via Combusta - Moon ",
      "",
      "  Fateful Degree - ASC MC  ",
      "",
      "  Out of Bounds Planets - Lilith ",
      "",
      "  STRICTURES and WARNINGS - ",
      "(3 lines)",  // the warnings
      "",
      "",
      "  ----------------------- MOON'S ASPECTS -----------------------",
      "",
      "  Moon's Aspects - ",
      "(10 lines)",  // the Moon's last and next aspects and those within orb
      "",
      "",
      "  ------------------ POSITIONS and SPEEDS ------------------",
      "",
      "(9 lines)",  // the positions table's titles and rows
      "",
      "  Fixed Stars",
      "  -----------",
      "  Saturn - Altair   ",
      "  Uranus - Altair   ",
      "  Pluto - Agena   ",
      "  Chiron - CASTOR   ",
      "  ASC - Sirius   ",
      "  MC  - Alpheratz   ",
      "",
      "               NATAL PLANET ASPECTS TO NATAL PLANETS",
  };
  Lines shown = ShownLines(FixtureReport(testing::HoraryFixtureChart(), testing::HoraryFixtureOptions()));
  // the sections the horary basics report writes alike, by their length
  for (size_t i = 0; i < expected.size() && i < shown.size(); ++i) {
    if (size_t n = 0; std::sscanf(expected[i].c_str(), "(%zu lines)", &n) == 1 && i + n <= shown.size()) {
      shown.erase(shown.begin() + i, shown.begin() + i + n);
      shown.insert(shown.begin() + i, expected[i]);
    }
  }
  ASSERT_GE(shown.size(), expected.size());
  EXPECT_EQ(Lines(shown.begin(), shown.begin() + expected.size()), expected);
}

// The sections that list only what they find, all finding nothing: no line
// and no empty line between the fall line's slot and the out-of-bounds
// line; no warning leaves the strictures heading alone; a point on two
// stars has one line with both.
TEST(MansionsReport, EmptySlotsPrintNothing) {
  ChartSet chart = testing::HoraryFixtureChart();
  chart.Cusp = testing::EqualHouses(160);  // no stricture holds
  testing::Place(chart, {{Sun, 236}, {Moon, 160}, {Mercury, 260}, {Venus, 260}, {Mars, 300}, {Jupiter, 260},
                         {Saturn, 50}, {Uranus, 75}, {Neptune, 75}, {Pluto, 75}, {NorthNode, 5.5},
                         {Chiron, 40}, {Ascendant, 81.6 + 24 * 50.23 / 3600}, {Midheaven, 16.5}});
  const Lines entries = FixtureReport(chart, testing::HoraryFixtureOptions());
  const Lines shown = ShownLines(entries);
  const auto fall = std::find(shown.begin(), shown.end(), "  Fall - ");
  ASSERT_NE(fall, shown.end());
  EXPECT_EQ(Lines(fall, fall + 7), (Lines{"  Fall - ", "", "  Out of Bounds Planets - Lilith ", "",
                                         "  STRICTURES and WARNINGS - ", "", ""}));
  const auto stars = std::find(shown.begin(), shown.end(), "  Fixed Stars");
  ASSERT_NE(stars, shown.end());
  EXPECT_EQ(stars[2], "  ASC - Bellatrix     ASC - Capella     ASC - Phact     ASC - El Nath   ");
  // a slot is one entry of the page and the data buffer
  EXPECT_NE(std::find(entries.begin(), entries.end(), "  Fall - \r\n"), entries.end());
}

// Orbs: conjunction 8, sextile 6, square, trine and opposition 8, parallel
// 1, the rest 2, quintiles off. Cells read off the fixture's longitudes and
// declinations; the house rows come from the cusp table (1st 104.25, 4th
// 194.25), whatever the chart set holds at points 26 to 31.
TEST(MansionsReport, NatalAspectGridRowsAndCells) {
  const ChartSet chart = testing::HoraryFixtureChart();
  OptionTables options = testing::HoraryFixtureOptions();
  const float orbs[] = {8, 6, 8, 8, 8, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2};
  std::copy(std::begin(orbs), std::end(orbs), options.OptionValues.begin() + 1);
  LineCollector grid;
  WriteNatalAspectGrid(grid, chart, options);
  ASSERT_EQ(grid.lines.size(), 22u);
  EXPECT_EQ(grid.lines[2], "       PoF  N.N  Moo  Plu  Nep  Ura  Sat  Jup  Mar  Ven  Mer  Sun");
  const std::string columns = "PoFN.NMooPluNepUraSatJupMarVenMerSun";
  auto cell = [&](const std::string& row, const std::string& column) {
    const auto line = std::find_if(grid.lines.begin(), grid.lines.end(),
                                   [&](const std::string& l) { return l.size() > 5 && l.compare(2, 3, row) == 0; });
    return line == grid.lines.end() ? "no row" : line->substr(7 + 5 * (columns.find(column) / 3), 5);
  };
  const struct {
    const char *row, *column, *cell, *why;
  } kCells[] = {
      {"Sun", "Sun", "***  ", "the diagonal"},
      {"PoF", "PoF", "***  ", "the diagonal"},
      {"Sat", "Ura", "  0  ", "1.5 apart: conjunction"},
      {"Sun", "Moo", "180  ", "175.3 apart: opposition"},
      {"Sun", "Mer", "---  ", "13.5 apart: none"},
      {"Mer", "Moo", "---  ", "171.2 apart: short of the opposition from 172"},
      {"Ura", "Sat", " P   ", "declinations -19.4 and -19.8"},
      {"Moo", "Sun", " CP  ", "declinations -9.46 and 10.0"},
      {"Moo", "Mer", "---  ", "declinations -9.46 and 4.9"},
      {"1st", "Moo", " 90  ", "Ascendant 104.25, Moon 200.8: square"},
      {"4th", "Moo", "  0  ", "4th cusp 194.25: conjunction"},
      {"1st", "Sun", "---  ", "78.75 apart: none"},
  };
  for (const auto& c : kCells) EXPECT_EQ(cell(c.row, c.column), c.cell) << c.row << " " << c.column << ": " << c.why;
  for (size_t i = 3; i < grid.lines.size(); ++i) {
    if (grid.lines[i].empty()) continue;
    EXPECT_EQ(grid.lines[i].size(), 67u) << grid.lines[i];
  }
}

// Data > Mansions for the horary tests' computed question of 9 November
// 2023, 8.15 P.M. in New York; the mansion table covers November 2023.
TEST(MansionsReport, PageOfAComputedChart) {
  const auto state = std::make_unique<AppState>();
  testing::ComputeHoraryGoldenChart(*state);
  MansionsPage(*state);
  const Lines page(state->report.PageLines.begin(), state->report.PageLines.begin() + state->report.PageLineCount);
  EXPECT_TRUE(testing::MatchesGoldenPage("mansions_page", ShownLines(page), "mansions"));
  EXPECT_EQ(state->chart.Working.Long, state->chart.Natal.Long);
}

}  // namespace
}  // namespace halcyra
