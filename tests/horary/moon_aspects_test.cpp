// The Moon's aspects by sign and within orb, its declination line and the
// critical degrees, as the report writes them, against cases worked by
// hand: sign distances of the Moon's sign, the moieties of the fixture
// options (Moon 6, Sun 8, Mars 3.5 ...), and 360 / 28 degree divisions.
#include <gtest/gtest.h>

#include <cmath>

#include "horary/critical_degrees.h"
#include "horary/horary_fixture.h"
#include "horary/moon_aspects.h"
#include "horary/moon_aspects_lines.h"

namespace halcyra {
namespace {

using Lines = std::vector<std::string>;

// The fixture with the Moon at `moon` and every other point from Sun to MC
// 30 degrees on (a tenth of a degree apart): the next sign, no aspect by
// sign or within any orb; then the points given.
ChartSet MoonWith(double moon, std::initializer_list<std::pair<int, double>> points) {
  ChartSet chart = testing::HoraryFixtureChart();
  for (int p = Sun; p <= LastMainPoint; ++p) chart.Long[p] = std::fmod(moon + 30 + 0.1 * p, 360.0);
  chart.Long[Moon] = moon;
  testing::Place(chart, points);
  return chart;
}

Lines BySignLines(const ChartSet& chart) {
  LineCollector sink;
  WriteMoonAspectsBySign(sink, MoonAspectsBySignOf(chart));
  return sink.lines;
}

TEST(MoonAspectsBySign, LastAndNextAspectsAndVoidOfCourse) {
  const struct {
    double moon;
    std::initializer_list<std::pair<int, double>> points;
    Lines lines;
    const char* why;
  } cases[] = {
      {45, {{Sun, 93}, {Jupiter, 312}, {Mars, 170}},
       {"  Moon's Aspects - ", "  From - SEXTILE Sun  SQUARE Jupiter  ", "  To   - trine Mars  "},
       "15 Taurus: Sun 3 Cancer, Jupiter 12 Aquarius before it, Mars 20 Virgo after"},
      {30, {}, {"  Moon's Aspects - ", "  From - ", "  To   - VOID OF COURSE (modern)"},
       "0 Taurus, the lowest degree; nothing after it in an aspecting sign"},
      {45, {{Venus, 31}, {Saturn, 59}},
       {"  Moon's Aspects - ", "  From - CONJUNCT Venus  ", "  To   - conjunct Saturn  "},
       "the Moon's own sign, however far"},
      {20, {{Sun, 61}, {Mercury, 92}, {Venus, 123}, {Mars, 184}},
       {"  Moon's Aspects - ", "  From - SEXTILE Sun  SQUARE Mercury  TRINE Venus  OPPOSITE Mars  ",
        "         ", "  To   - VOID OF COURSE (modern)"},
       "four entries fill a line; a line of nine blanks follows"},
      {20, {{Sun, 61}, {Mercury, 92}, {Venus, 123}, {Mars, 184}, {Jupiter, 245}},
       {"  Moon's Aspects - ", "  From - SEXTILE Sun  SQUARE Mercury  TRINE Venus  OPPOSITE Mars  ",
        "         TRINE Jupiter  ", "  To   - VOID OF COURSE (modern)"},
       "the fifth goes on under the first"},
      {20, {{Chiron, 80}, {Sun, 140}},
       {"  Moon's Aspects - ", "  From - SEXTILE Chiron  ", "  To   - trine Sun  "},
       "on the Moon's degree: Chiron before it, the planets after it"},
      {5, {{Saturn, 320}}, {"  Moon's Aspects - ", "  From - ", "  To   - sextile Saturn  "},
       "Aries to Aquarius is 10 signs: a sextile"},
      {335, {{Saturn, 20}}, {"  Moon's Aspects - ", "  From - ", "  To   - VOID OF COURSE (modern)"},
       "Pisces to Aries is 11 signs, not folded: none"},
      {45, {{NorthNode, 93}, {PartOfFortune, 20}, {Ascendant, 170}, {Midheaven, 312}},
       {"  Moon's Aspects - ", "  From - ", "  To   - VOID OF COURSE (modern)"},
       "the node, the Part of Fortune and the angles are never named"},
  };
  for (const auto& c : cases) EXPECT_EQ(BySignLines(MoonWith(c.moon, c.points)), c.lines) << c.why;
}

TEST(MoonAspectsWithinOrb, LinesWithTheirTags) {
  const OptionTables options = testing::HoraryFixtureOptions();
  const struct {
    double moon;
    std::initializer_list<std::pair<int, double>> points;
    bool marsRetrograde;
    const char* line;
    const char* why;
  } cases[] = {
      {10, {{Mars, 72}}, false, "  Moon      sextile     APP, sin     Mars       2.0 degree", "behind and past exact"},
      {72, {{Mars, 10}}, false, "  Moon      sextile     sep, dex     Mars       2.0 degree", "ahead and past exact"},
      {10, {{Saturn, 100.01}}, false, "  Moon      square      partile      Saturn     0.0 degree", "0.01 off"},
      {10, {{Saturn, 100.02}}, false, "  Moon      square      APP, sin     Saturn     0.0 degree", "0.02 off"},
      {10, {{Mars, 5}}, false, "  Moon      conjunct    sep          Mars       5.0 degree", "no side on a conjunction"},
      {10, {{Mars, 15}}, true, "  Moon      conjunct    APP          Mars       5.0 degree",
       "a retrograde planet judged like a direct one"},
      {10, {{Ascendant, 100}}, false, "  Moon      square                   ASC        0.0 degree",
       "the angles have no tag; the Moon's moiety alone"},
      {10, {{Sun, 0.04}}, false, "  Moon      conjunct    sep          Sun       10.0 degree", "9.96 shows as 10.0"},
      {10, {{Sun, 0.06}}, false, "  Moon      conjunct    sep          Sun        9.9 degree", "9.94 as 9.9"},
      {10, {{NorthNode, 14}}, false, "  Moon      conjunct    APP          N. Node    4.0 degree",
       "the node within the Moon's moiety"},
  };
  for (const auto& c : cases) {
    ChartSet chart = MoonWith(c.moon, c.points);
    chart.RetroFlags[Mars - 1] = c.marsRetrograde ? 'R' : ' ';
    if (c.marsRetrograde) chart.Speed[Mars] = -0.5;
    const auto aspects = MoonAspectsWithinOrb(chart, options);
    ASSERT_EQ(aspects.size(), 1u) << c.why;
    EXPECT_EQ(MoonOrbAspectLine(aspects[0]), c.line) << c.why;
  }
  // The node takes no sextile, however exact.
  EXPECT_TRUE(MoonAspectsWithinOrb(MoonWith(10, {{NorthNode, 70}}), options).empty());
}

TEST(MoonAspectsWithinOrb, TheListInSpeedOrderThenTheOtherPoints) {
  const OptionTables options = testing::HoraryFixtureOptions();
  const auto lines = [&](const ChartSet& chart) {
    LineCollector sink;
    WriteMoonAspectsInOrb(sink, MoonAspectsWithinOrb(chart, options));
    return sink.lines;
  };
  EXPECT_EQ(lines(MoonWith(10, {})), (Lines{"", "  Moon's Aspects Within Orb", "  -------------------------", ""}));
  // fixture speeds: Moon, Mercury, Venus, Sun, Mars ...; then N. Node to MC
  EXPECT_EQ(lines(MoonWith(10, {{Midheaven, 190}, {Chiron, 101}, {Mars, 72}, {Sun, 130}})),
            (Lines{"", "  Moon's Aspects Within Orb", "  -------------------------",
                   "  Moon      trine       partile      Sun        0.0 degree",
                   "  Moon      sextile     APP, sin     Mars       2.0 degree",
                   "  Moon      square      APP, sin     Chiron     1.0 degree",
                   "  Moon      opposite                 MC         0.0 degree", ""}));
}

TEST(MoonDeclination, DegreesAndRoundedMinutesWithTheirSide) {
  const struct {
    double declination;
    const char* text;
  } cases[] = {
      {18 + 25 / 60.0, "18 N 25"}, {-(3 + 41 / 60.0), "03 S 41"}, {0.0, "00 N 00"},
      {-10 / 60.0, "00 S 10"},     {23 + 59.7 / 60, "23 N 59"},    {-1.125, "01 S 08"},  // 7.5 minutes: half up
  };
  for (const auto& c : cases) {
    const std::string line = MoonDeclinationLine(c.declination, -c.declination);
    EXPECT_EQ(line.substr(0, 30), std::string("  Moon's declination = ") + c.text) << c.declination;
    EXPECT_EQ(line.substr(30, 42), std::string(12, ' ') + "Moon's declination next day = ") << c.declination;
  }
  EXPECT_EQ(MoonDeclinationLine(18 + 25 / 60.0, -(3 + 41 / 60.0)),
            "  Moon's declination = 18 N 25            Moon's declination next day = 03 S 41");
}

TEST(CriticalDegrees, WindowEdgesInEachQuarter) {
  // longitude of one planet, the others at 5 (between the first two windows)
  const struct {
    int planet;
    double longitude;
    bool critical;
  } cases[] = {
      {Sun, 90 + 20 / 60.0, true},  {Sun, 359.75, true},        {Sun, 0.5, true},   {Sun, 31 / 60.0, false},
      {Mars, 12.357, true},         {Mars, 13 + 22 / 60.0, false}, {Mars, 103, true}, {Moon, 51.92857, true},
      {Moon, 51.93, false},         {Pluto, 89.5, true},        {Pluto, 89.49, false},
  };
  for (const auto& c : cases) {
    ChartSet chart = testing::HoraryFixtureChart();
    for (int p = Sun; p <= Moon; ++p) chart.Long[p] = 5;
    chart.Long[c.planet] = c.longitude;
    EXPECT_EQ(CriticalDegreePoints(chart), c.critical ? std::vector<int>{c.planet} : std::vector<int>{})
        << c.planet << " at " << c.longitude;
  }
  ChartSet chart = testing::HoraryFixtureChart();
  for (int p = Sun; p <= Moon; ++p) chart.Long[p] = 5;
  LineCollector sink;
  WriteCriticalDegrees(sink, CriticalDegreePoints(chart));
  chart.Long[Moon] = 180.2, chart.Long[Sun] = 282.4;
  WriteCriticalDegrees(sink, CriticalDegreePoints(chart));
  EXPECT_EQ(sink.lines, (Lines{"", "  In Critical Degrees:  ", "", "  In Critical Degrees:  Sun       Moon      "}));
}

}  // namespace
}  // namespace halcyra
