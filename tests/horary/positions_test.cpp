// Strictures, the positions table's dignity cells and speed classes, and
// the Moon's phase, against the rulership tables worked by hand (traditional
// domiciles, exaltations, triplicities by sect, Ptolemaic terms, Chaldean
// faces from 0 Aries).
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

TEST(Strictures, EdgesOfEachTestAndTheirOrder) {
  // Houses equal from the Ascendant cusp unless the 7th cusp is given;
  // Saturn at 100 stays out of the 1st and 7th unless a case moves it.
  // Degrees within a sign as typed (2 59 is 2 + 59/60).
  const struct {
    double ascendant, seventh, saturn, moon, ascendantPoint;
    std::vector<std::string> expected;
    const char* why;
  } cases[] = {
      {14.0, 0, 100.0, 100.0, 14.0, {}, "nothing holds"},
      {2 + 59 / 60.0, 0, 100.0, 100.0, 14.0, {"ASCENDANT is early."}, "2 59 is early"},
      {3.0, 0, 100.0, 100.0, 14.0, {}, "3 00 is not"},
      {27.0, 0, 100.0, 100.0, 14.0, {"ASCENDANT is late."}, "27 00 is late"},
      {65.0, 0, 70.0, 100.0, 14.0, {"SATURN is in the 1st house."}, "Saturn in the 1st"},
      {65.0, 0, 250.0, 100.0, 14.0, {"SATURN is in the 7th house."}, "Saturn in the 7th"},
      {160.0, 0, 80.0, 100.0, 14.0, {}, "Saturn in the 10th: 10TH reads as 10"},
      {15.0, 270.0, 100.0, 100.0, 14.0, {"SATURN is the ruler of the 7th house."}, "7th cusp at 270 exactly"},
      {15.0, 330.0, 100.0, 100.0, 14.0, {}, "7th cusp at 330 exactly: Pisces"},
      {14.0, 0, 100.0, 195.0, 14.0, {"MOON is in Via Combusta."}, "195 is 15 Libra: in, and not late"},
      {14.0, 0, 100.0, 225.0, 14.0, {}, "225 is past it"},
      {14.0, 0, 100.0, 29.5, 14.0, {"MOON is in later degree."}, "29 30 of any sign"},
      {2.0, 0, 100.0, 222.0, 200.0,
       {"ASCENDANT is early.", "MOON is in Via Combusta.", "ASCENDANT is in Via Combusta."}, "in table order"},
  };
  for (const auto& c : cases) {
    ChartSet chart = HoraryFixtureChart();
    chart.Cusp = testing::EqualHouses(c.ascendant);
    Place(chart, {{Saturn, c.saturn}, {Moon, c.moon}, {Ascendant, c.ascendantPoint}});
    if (c.seventh) chart.Cusp[CuspEntryOfHouse(7)] = c.seventh;  // the houses stay equal
    EXPECT_EQ(StricturesOf(chart), c.expected) << c.why;
  }
}

// The whole row of a planet in a day chart (the Sun in the 10th) or a
// night chart (the Sun in the 4th).
TEST(PositionsTable, DignityRowsByDayAndByNight) {
  const struct {
    int planet;
    double longitude, speed;
    bool day;
    const char* row;
    bool dignity;
    const char* why;
  } cases[] = {
      {Sun, 135.0, 0.96, true, "  Sun       Sun   ---   Sat   ---   Sun   Ven   Jup   SLOW      ", true,
       "15 Leo: its own sign"},
      {Mercury, 170.0, 1.2, true, "  Mercury   Mer   Mer   Jup   Ven   Ven   Sat   Mer   FAST      ", true,
       "20 Virgo: sign and exaltation"},
      {Venus, 160.0, 1.2, false, "  Venus     Mer   Mer   Jup   Ven   Moo   Ven   Ven   FAST      ", true,
       "10 Virgo by night: its fall, yet its own term and face"},
      {Saturn, 5.0, 0.05, true, "  Saturn    Mar   Sun   Ven   Sat   Sun   Jup   Mar   FAST      ", false,
       "5 Aries: its fall is no dignity"},
      {Saturn, 95.0, 0.05, false, "  Saturn    Moo   Jup   Sat   Mar   Mar   Mar   Ven   FAST      ", false,
       "5 Cancer: nor is its detriment"},
      {Sun, 0.0, 0.99, true, "  Sun       Mar   Sun   Ven   Sat   Sun   Jup   Mar   FAST      ", true,
       "0 Aries: exalted"},
      {Sun, 359.98, 0.99, true, "  Sun       Jup   Ven   Mer   Mer   Mar   Sat   Mar   FAST      ", false,
       "29 59 Pisces: the last term, the face of 359.98 less 350"},
      {Mars, 6.0, 0.6, true, "  Mars      Mar   Sun   Ven   Sat   Sun   Ven   Mar   FAST      ", true,
       "6 Aries exactly opens Venus's term"},
      {Jupiter, 125.0, 0.1, false, "  Jupiter   Sun   ---   Sat   ---   Jup   Sat   Sat   FAST      ", true,
       "5 Leo by night: fire's night ruler"},
      {Moon, 45.0, 13.0, false, "  Moon      Ven   Moo   Mar   ---   Moo   Jup   Moo   SLOW     ", true,
       "15 Taurus by night opens Jupiter's term; the Moon's row ends in three blanks"},
  };
  for (const auto& c : cases) {
    ChartSet chart = HoraryFixtureChart();
    chart.Speed[c.planet] = c.speed;
    const double sun = c.planet == Sun ? c.longitude : 20.0;
    // equal houses that put the Sun 285 degrees (10th) or 105 (4th) past the Ascendant
    chart.Cusp = testing::EqualHouses(std::fmod(sun + (c.day ? 75 : 255), 360.0));
    Place(chart, {{Sun, sun}, {c.planet, c.longitude}});
    ASSERT_EQ(IsDayChart(chart), c.day) << c.why;
    for (const PositionRow& row : PositionsAndSpeedsOf(chart).rows) {
      if (row.planet != c.planet) continue;
      EXPECT_EQ(PositionRowLine(row), c.row) << c.why;
      EXPECT_EQ(row.hasDignity, c.dignity) << c.why;
    }
  }
}

TEST(PositionsTable, SpeedClassesAtTheirBoundaries) {
  // planet, motion, cell; against 30 seconds of arc a day and the mean motions
  const struct {
    int planet;
    double speed;
    bool retrograde;
    const char* cell;
  } cases[] = {
      {Mercury, 0.008, false, "stat  "},    {Mercury, -0.008, true, "stat R"},
      {Mercury, 0.0083334, false, "SLOW  "}, {Mars, 0.524344, false, "AVG.  "},
      {Mars, 0.5243441, false, "FAST  "},   {Mars, -0.6, true, "FAST R"},
      {Venus, 0.9856103, false, "AVG.  "},  {Venus, 0.9, false, "SLOW  "},
      {Jupiter, 0.083251, false, "AVG.  "}, {Saturn, 0.033697, false, "AVG.  "},
      {Moon, 13.176541, false, "AVG.  "},   {Moon, 15.0, false, "FAST  "},
  };
  for (const auto& c : cases) {
    ChartSet chart = HoraryFixtureChart();
    chart.Speed[c.planet] = c.speed;
    chart.RetroFlags[c.planet - 1] = c.retrograde ? 'R' : ' ';
    for (const PositionRow& row : PositionsAndSpeedsOf(chart).rows)
      if (row.planet == c.planet) {
        EXPECT_EQ(PositionRowLine(row).substr(54, 6), c.cell) << c.planet << " " << c.speed;
      }
  }
}

TEST(PositionsTable, MoonPhaseFromTheElongation) {
  // Sun, Moon, phase: increasing while the Moon is more than 0 and less
  // than 180 degrees ahead of the Sun.
  const struct {
    double sun, moon;
    const char* phase;
  } cases[] = {
      {0, 90, "increasing in light"},   {90, 0, "decreasing in light"},  {120, 120, "decreasing in light"},
      {10, 190, "decreasing in light"}, {350, 10, "increasing in light"}, {10, 350, "decreasing in light"},
      {10, 189.99, "increasing in light"},
  };
  for (const auto& c : cases) {
    ChartSet chart = HoraryFixtureChart();
    Place(chart, {{Sun, c.sun}, {Moon, c.moon}});
    EXPECT_EQ(MoonPhaseText(PositionsAndSpeedsOf(chart).moonIncreasing), c.phase) << c.sun << " " << c.moon;
  }
}

}  // namespace
}  // namespace halcyra
