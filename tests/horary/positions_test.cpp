// Strictures, the positions table's dignity cells and speed classes, and
// the Moon's phase, against the rulership tables worked by hand
// (traditional domiciles, exaltations, triplicities by sect, Ptolemaic
// terms, Chaldean faces from 0 Aries) and the mean daily motions.
#include <gtest/gtest.h>

#include <cmath>

#include "horary/horary_basics_lines.h"
#include "horary/horary_fixture.h"
#include "horary/positions_and_speeds.h"
#include "horary/strictures.h"

namespace halcyra {
namespace {

using testing::HoraryFixtureChart;
using testing::Place;
using Lines = std::vector<std::string>;

TEST(Strictures, EdgesOfEachTestAndTheirOrder) {
  // Houses equal from the Ascendant cusp (the 7th cusp moved when given);
  // Saturn at 100 stays out of the 1st and 7th unless moved. 2 59 is 2 + 59/60.
  const struct { double asc, seventh, saturn, moon, ascPoint; Lines expected; const char* why; } cases[] = {
      {2 + 59 / 60.0, 0, 100, 100, 14, {"ASCENDANT is early."}, "2 59 is early"},
      {3, 0, 100, 100, 14, {}, "3 00 is not"},
      {27, 0, 100, 100, 14, {"ASCENDANT is late."}, "27 00 is late"},
      {65, 0, 70, 100, 14, {"SATURN is in the 1st house."}, "Saturn in the 1st"},
      {160, 0, 80, 100, 14, {}, "Saturn in the 10th: 10TH reads as 10"},
      {15, 270, 100, 100, 14, {"SATURN is the ruler of the 7th house."}, "7th cusp at 270 exactly"},
      {15, 330, 100, 100, 14, {}, "7th cusp at 330 exactly: Pisces"},
      {14, 0, 100, 195, 14, {"MOON is in Via Combusta."}, "195 is 15 Libra: in, and not late"},
      {14, 0, 100, 225, 14, {}, "225 is past it"},
      {14, 0, 100, 29.5, 14, {"MOON is in later degree."}, "29 30 of any sign"},
      {2, 0, 100, 222, 200, {"ASCENDANT is early.", "MOON is in Via Combusta.", "ASCENDANT is in Via Combusta."},
       "in table order"},
  };
  for (const auto& c : cases) {
    ChartSet chart = HoraryFixtureChart();
    chart.Cusp = testing::EqualHouses(c.asc);
    Place(chart, {{Saturn, c.saturn}, {Moon, c.moon}, {Ascendant, c.ascPoint}});
    if (c.seventh) chart.Cusp[CuspEntryOfHouse(7)] = c.seventh;  // the houses stay equal
    EXPECT_EQ(StricturesOf(chart), c.expected) << c.why;
  }
}

// A planet's row in a day chart (the Sun in the 10th) or a night chart (in the 4th).
TEST(PositionsTable, DignityRowsByDayAndByNight) {
  const struct { int planet; double longitude, speed; bool day; const char* row; bool dignity; const char* why; }
  cases[] = {
      {Sun, 135, 0.96, true, "  Sun       Sun   ---   Sat   ---   Sun   Ven   Jup   SLOW      ", true,
       "15 Leo: its own sign"},
      {Venus, 160, 1.2, false, "  Venus     Mer   Mer   Jup   Ven   Moo   Ven   Ven   FAST      ", true,
       "10 Virgo by night: its fall, yet its own term and face"},
      {Saturn, 5, 0.05, true, "  Saturn    Mar   Sun   Ven   Sat   Sun   Jup   Mar   FAST      ", false,
       "5 Aries: its fall is no dignity"},
      {Sun, 359.98, 0.99, true, "  Sun       Jup   Ven   Mer   Mer   Mar   Sat   Mar   FAST      ", false,
       "29 59 Pisces: the last term, the face of 359.98 less 350"},
      {Mars, 6, 0.6, true, "  Mars      Mar   Sun   Ven   Sat   Sun   Ven   Mar   FAST      ", true,
       "6 Aries exactly opens Venus's term"},
      {Jupiter, 125, 0.1, false, "  Jupiter   Sun   ---   Sat   ---   Jup   Sat   Sat   FAST      ", true,
       "5 Leo by night: fire's night ruler"},
      {Moon, 45, 13, false, "  Moon      Ven   Moo   Mar   ---   Moo   Jup   Moo   SLOW     ", true,
       "15 Taurus by night opens Jupiter's term; the Moon's row ends in three blanks"},
  };
  for (const auto& c : cases) {
    ChartSet chart = HoraryFixtureChart();
    chart.Speed[c.planet] = c.speed;
    const double sun = c.planet == Sun ? c.longitude : 20.0;
    // equal houses that put the Sun 285 degrees (10th) or 105 (4th) past the Ascendant
    chart.Cusp = testing::EqualHouses(std::fmod(sun + (c.day ? 75 : 255), 360.0));
    Place(chart, {{Sun, sun}, {c.planet, c.longitude}});
    for (const PositionRow& row : PositionsAndSpeedsOf(chart).rows) {
      if (row.planet != c.planet) continue;
      EXPECT_EQ(PositionRowLine(row), c.row) << c.why;
      EXPECT_EQ(row.hasDignity, c.dignity) << c.why;
    }
  }
}

TEST(PositionsTable, SpeedClassesAtTheirBoundariesAndMoonPhase) {
  // against 30 seconds of arc a day and the mean motions (Mars 0.524344, Moon 13.176541)
  const struct { int planet; double speed; char flag; const char* cell; } speeds[] = {
      {Mercury, 0.008, ' ', "stat  "}, {Mercury, -0.008, 'R', "stat R"}, {Mercury, 0.0083334, ' ', "SLOW  "},
      {Mars, 0.524344, ' ', "AVG.  "}, {Mars, -0.6, 'R', "FAST R"},      {Moon, 13.176541, ' ', "AVG.  "},
  };
  for (const auto& c : speeds) {
    ChartSet chart = HoraryFixtureChart();
    chart.Speed[c.planet] = c.speed;
    chart.RetroFlags[c.planet - 1] = c.flag;
    for (const PositionRow& row : PositionsAndSpeedsOf(chart).rows)
      EXPECT_TRUE(row.planet != c.planet || PositionRowLine(row).substr(54, 6) == c.cell) << c.planet << " " << c.speed;
  }
  // increasing while the Moon is more than 0 and less than 180 degrees ahead of the Sun
  const struct { double sun, moon; bool increasing; } phases[] = {
      {0, 90, true}, {90, 0, false}, {120, 120, false}, {10, 190, false}, {10, 189.99, true}, {350, 10, true},
  };
  for (const auto& c : phases) {
    ChartSet chart = HoraryFixtureChart();
    Place(chart, {{Sun, c.sun}, {Moon, c.moon}});
    EXPECT_EQ(PositionsAndSpeedsOf(chart).moonIncreasing, c.increasing) << c.sun << " " << c.moon;
  }
}

}  // namespace
}  // namespace halcyra
