// The Moon's aspects by sign and within orb, its declination line and the
// critical degrees, against cases worked by hand: sign distances from the
// Moon's sign, the fixture's moieties (Moon 6, Sun 8, Mars 3.5 ...) and the
// divisions of each quarter of the zodiac by 360 / 28.
#include <gtest/gtest.h>

#include <cmath>

#include "horary/critical_degrees.h"
#include "horary/horary_fixture.h"
#include "horary/moon_aspects.h"
#include "horary/moon_aspects_lines.h"

namespace halcyra {
namespace {

using Lines = std::vector<std::string>;

// The Moon at `moon`, every other point from Sun to MC 30 degrees on (a
// tenth apart): the next sign, in no aspect by sign or orb; then the points given.
ChartSet MoonWith(double moon, std::initializer_list<std::pair<int, double>> points) {
  ChartSet chart = testing::HoraryFixtureChart();
  for (int p = Sun; p <= LastMainPoint; ++p) chart.Long[p] = std::fmod(moon + 30 + 0.1 * p, 360.0);
  chart.Long[Moon] = moon;
  testing::Place(chart, points);
  return chart;
}

TEST(MoonAspectsBySign, LastAndNextAspectsAndVoidOfCourse) {
  const char* kVoid = "  To   - VOID OF COURSE (modern)";
  const struct { double moon; std::initializer_list<std::pair<int, double>> points; Lines lines; const char* why; }
  cases[] = {
      {45, {{Sun, 93}, {Jupiter, 312}, {Mars, 170}},
       {"  From - SEXTILE Sun  SQUARE Jupiter  ", "  To   - trine Mars  "},
       "15 Taurus: Sun 3 Cancer and Jupiter 12 Aquarius before it, Mars 20 Virgo after"},
      {30, {}, {"  From - ", kVoid}, "0 Taurus: nothing before it, nothing after it aspects"},
      {45, {{Venus, 31}, {Saturn, 59}}, {"  From - CONJUNCT Venus  ", "  To   - conjunct Saturn  "},
       "the Moon's own sign, however far"},
      {20, {{Sun, 61}, {Mercury, 92}, {Venus, 123}, {Mars, 184}},
       {"  From - SEXTILE Sun  SQUARE Mercury  TRINE Venus  OPPOSITE Mars  ", "         ", kVoid},
       "four entries fill a line, and a line of nine blanks follows"},
      {20, {{Chiron, 80}, {Sun, 140}}, {"  From - SEXTILE Chiron  ", "  To   - trine Sun  "},
       "on the Moon's degree: Chiron before it, the planets after it"},
      {5, {{Saturn, 320}}, {"  From - ", "  To   - sextile Saturn  "}, "Aries to Aquarius, 10 signs: a sextile"},
      {335, {{Saturn, 20}}, {"  From - ", kVoid}, "Pisces to Aries, 11 signs, not folded: none"},
      {45, {{NorthNode, 93}, {PartOfFortune, 20}, {Ascendant, 170}, {Midheaven, 312}}, {"  From - ", kVoid},
       "the node, the Part of Fortune and the angles are never named"},
  };
  for (const auto& c : cases) {
    LineCollector sink;
    WriteMoonAspectsBySign(sink, MoonAspectsBySignOf(MoonWith(c.moon, c.points)));
    Lines expected = c.lines;
    expected.insert(expected.begin(), "  Moon's Aspects - ");
    EXPECT_EQ(sink.lines, expected) << c.why;
  }
}

TEST(MoonAspectsWithinOrb, LinesWithTheirTags) {
  const OptionTables options = testing::HoraryFixtureOptions();
  const struct { double moon; int point; double longitude; const char* line; const char* why; } cases[] = {
      {10, Mars, 72, "  Moon      sextile     APP, sin     Mars       2.0 degree", "behind and past exact"},
      {72, Mars, 10, "  Moon      sextile     sep, dex     Mars       2.0 degree", "ahead and past exact"},
      {10, Saturn, 100.01, "  Moon      square      partile      Saturn     0.0 degree", "0.01 off"},
      {10, Saturn, 100.02, "  Moon      square      APP, sin     Saturn     0.0 degree", "0.02 off"},
      {10, Mars, 15, "  Moon      conjunct    APP          Mars       5.0 degree", "no side on a conjunction"},
      {10, Ascendant, 100, "  Moon      square                   ASC        0.0 degree", "the angles have no tag"},
      {10, Sun, 0.04, "  Moon      conjunct    sep          Sun       10.0 degree", "9.96 shows as 10.0"},
      {10, NorthNode, 14, "  Moon      conjunct    APP          N. Node    4.0 degree", "within the Moon's moiety"},
  };
  for (const auto& c : cases) {
    ChartSet chart = MoonWith(c.moon, {{c.point, c.longitude}});
    chart.Speed[Mars] = -0.5, chart.RetroFlags[Mars - 1] = 'R';  // judged like a direct planet
    const auto aspects = MoonAspectsWithinOrb(chart, options);
    ASSERT_EQ(aspects.size(), 1u) << c.why;
    EXPECT_EQ(MoonOrbAspectLine(aspects[0]), c.line) << c.why;
  }
  // The node takes no sextile, however exact: the list is its heading alone.
  LineCollector sink;
  WriteMoonAspectsInOrb(sink, MoonAspectsWithinOrb(MoonWith(10, {{NorthNode, 70}}), options));
  EXPECT_EQ(sink.lines, (Lines{"", "  Moon's Aspects Within Orb", "  -------------------------", ""}));
}

TEST(MoonDeclinationAndCriticalDegrees, LinesAndEdges) {
  EXPECT_EQ(MoonDeclinationLine(18 + 25 / 60.0, -(3 + 41 / 60.0)),
            "  Moon's declination = 18 N 25            Moon's declination next day = 03 S 41");
  // degrees and minutes rounded half up, held at 59
  for (const auto& [decl, text] : {std::pair{0.0, "00 N 00"}, {-10 / 60.0, "00 S 10"}, {23 + 59.7 / 60, "23 N 59"},
                                   {-1.125, "01 S 08"}})
    EXPECT_EQ(MoonDeclinationLine(decl, 0).substr(23, 7), text) << decl;

  // one planet moved, the others at 5 (between the first two windows)
  const struct { int planet; double longitude; bool critical; } cases[] = {
      {Sun, 90 + 20 / 60.0, true}, {Sun, 359.75, true}, {Sun, 0.5, true},      {Sun, 31 / 60.0, false},
      {Mars, 12.357, true},        {Mars, 103, true},   {Mars, 13 + 22 / 60.0, false}, {Pluto, 89.49, false},
  };
  for (const auto& c : cases) {
    ChartSet chart = testing::HoraryFixtureChart();
    for (int p = Sun; p <= Moon; ++p) chart.Long[p] = p == c.planet ? c.longitude : 5;
    EXPECT_EQ(CriticalDegreePoints(chart), c.critical ? std::vector<int>{c.planet} : std::vector<int>{})
        << c.planet << " at " << c.longitude;
  }
  LineCollector sink;
  WriteCriticalDegrees(sink, {});
  WriteCriticalDegrees(sink, {Sun, Moon});
  EXPECT_EQ(sink.lines, (Lines{"", "  In Critical Degrees:  ", "", "  In Critical Degrees:  Sun       Moon      "}));
}

}  // namespace
}  // namespace halcyra
