// The planetary standing lists against cases worked by hand from the
// rulership tables, the Sun's distances and the house cusps; and the
// fixed-star contacts against the star windows moved by 50.23 seconds of
// arc a year.
#include <gtest/gtest.h>

#include <algorithm>

#include "horary/horary_basics_lines.h"
#include "horary/horary_fixture.h"
#include "horary/planetary_standing.h"
#include "horary/star_contacts.h"

namespace halcyra {
namespace {

using testing::HoraryFixtureChart;
using testing::HoraryFixtureOptions;
using testing::Place;

TEST(PlanetaryStanding, FixedListsAreWrittenEmptyOrFull) {
  // Every planet in a dignity of its own: nobody peregrine, in detriment or
  // in fall; no declination beyond 23 28.
  ChartSet chart = HoraryFixtureChart();
  Place(chart, {{Sun, 130}, {Moon, 100}, {Mercury, 160}, {Venus, 40}, {Mars, 10}, {Jupiter, 250}, {Saturn, 290}});
  for (int p : {Sun, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, Moon, Lilith})
    chart.Decl[p] = p % 2 ? 23.4666666666667 : -23.4666666666667;
  const PlanetaryStanding s = PlanetaryStandingOf(chart, HoraryFixtureOptions(), PositionsAndSpeedsOf(chart));
  EXPECT_EQ(PointListLine("Peregrine - ", s.peregrine), "  Peregrine - ");
  EXPECT_EQ(PointListLine("Detriment - ", s.detriment), "  Detriment - ");
  EXPECT_EQ(PointListLine("Fall - ", s.fall), "  Fall - ");
  EXPECT_EQ(OutOfBoundsLine(s.outOfBounds), "  Out of Bounds Planets - None");

  // Five planets without a dignity of their own (the Sun at 10 Taurus by
  // day: Venus's sign and triplicity, the Moon's exaltation and face,
  // Mercury's term); Venus in Libra and Saturn at 0 Leo (its term) hold one.
  Place(chart, {{Sun, 40}, {Moon, 300}, {Mercury, 341}, {Venus, 185}, {Mars, 35}, {Jupiter, 155}, {Saturn, 120}});
  chart.Decl[Mars] = 23.47, chart.Decl[Lilith] = -24.0;
  const PlanetaryStanding t = PlanetaryStandingOf(chart, HoraryFixtureOptions(), PositionsAndSpeedsOf(chart));
  EXPECT_EQ(PointListLine("Peregrine - ", t.peregrine), "  Peregrine - Sun Mercury Mars Jupiter Moon ");
  EXPECT_EQ(PointListLine("Detriment - ", t.detriment), "  Detriment - Mercury Mars Jupiter Saturn ");
  EXPECT_EQ(PointListLine("Fall - ", t.fall), "  Fall - Mercury ");
  EXPECT_EQ(OutOfBoundsLine(t.outOfBounds), "  Out of Bounds Planets - Mars Lilith ");
}

TEST(PlanetaryStanding, DetrimentAndFallRangeEnds) {
  // planet, longitude, in detriment, in fall; ranges hold their start, not their end
  const struct {
    int planet;
    double longitude;
    bool detriment, fall;
  } cases[] = {
      {Sun, 300, true, false}, {Sun, 330, false, false}, {Sun, 180, false, true}, {Sun, 210, false, false},
      {Venus, 0, true, false}, {Saturn, 149.99, true, false}, {Mercury, 345, true, true},
  };
  for (const auto& c : cases) {
    ChartSet chart = HoraryFixtureChart();
    Place(chart, {{c.planet, c.longitude}});
    const auto has = [&](const PointList& list) { return std::ranges::count(list, c.planet) == 1; };
    EXPECT_EQ(has(PlanetsInDetriment(chart)), c.detriment) << c.planet << " at " << c.longitude;
    EXPECT_EQ(has(PlanetsInFall(chart)), c.fall) << c.planet << " at " << c.longitude;
  }
}

TEST(PlanetaryStanding, Receptions) {
  // Planets moved from a chart with no reception; the four passes' lines.
  const struct {
    std::vector<std::pair<int, double>> places;
    std::vector<std::string> lines;
  } cases[] = {
      {{}, {}},
      {{{Sun, 45}, {Venus, 135}}, {"  Mutual Reception (by sign) - Sun-Venus   "}},
      {{{Sun, 15}, {Mars, 135}, {Venus, 45}, {Jupiter, 345}},
       {"  Mutual Reception (by sign) - Sun-Mars   "}},
      {{{Saturn, 310}, {Uranus, 320}}, {"  Mutual Reception (by sign) - Saturn-Uranus   "}},
      {{{Sun, 315}, {Saturn, 130}, {Uranus, 140}},
       {"  Mutual Reception (by sign) - Sun-Saturn   ", "  Mutual Reception (by sign) - Sun-Uranus   "}},
      {{{Moon, 310}, {Uranus, 100}}, {}},
      {{{Sun, 280}, {Mars, 10}}, {"  Mutual Reception (by exaltation) - Sun-Mars   "}},
      {{{Mercury, 170}}, {"  Mixed Reception (sign/exaltation) - Mercury-Mercury   "}},
      {{{Sun, 45}, {Moon, 130}}, {"  Mixed Reception (sign/exaltation) - Sun-Moon   "}},
      {{{Moon, 10}, {Sun, 100}}, {"  Mixed Reception (sign/exaltation) - Moon-Sun   "}},
      {{{Mercury, 100}, {Moon, 160}},
       {"  Mutual Reception (by sign) - Mercury-Moon   ", "  Mixed Reception (sign/exaltation) - Moon-Mercury   "}},
  };
  for (const auto& c : cases) {
    // no reception: the seven in Sagittarius (Jupiter at home, no exaltation), the outer planets in Gemini
    ChartSet chart = HoraryFixtureChart();
    Place(chart, {{Sun, 250}, {Moon, 250}, {Mercury, 250}, {Venus, 250}, {Mars, 250}, {Jupiter, 250},
                  {Saturn, 250}, {Uranus, 70}, {Neptune, 70}, {Pluto, 70}});
    for (const auto& [p, l] : c.places) chart.Long[p] = l;
    const Receptions r = ReceptionsOf(chart);
    std::vector<std::string> lines;
    const std::pair<const char*, const std::vector<PointPair>*> passes[] = {
        {"Mutual Reception (by sign) - ", &r.bySign}, {"Mutual Reception (by sign) - ", &r.byModernRuler},
        {"Mutual Reception (by exaltation) - ", &r.byExaltation},
        {"Mixed Reception (sign/exaltation) - ", &r.mixed}};
    for (const auto& [heading, pairs] : passes)
      if (!pairs->empty()) lines.push_back(PairListLine(heading, *pairs));
    EXPECT_EQ(lines, c.lines) << (c.lines.empty() ? "no reception" : c.lines[0]);
  }
}

// The Sun at 100 (10 Cancer) unless moved; combustion orb 8.5.
TEST(PlanetaryStanding, CazimiCombustAndUnderTheBeams) {
  const struct {
    double sun, mercury;
    float beamsAcrossSigns;
    PointList cazimi, combust, beams;
    const char* why;
  } cases[] = {
      {100, 100.28, 0, {Mercury}, {}, {}, "within 17 minutes"},
      {100, 100.29, 0, {}, {Mercury}, {}, "past 17 minutes, within the orb, same sign"},
      {100, 108.5, 0, {}, {Mercury}, {}, "at the orb"},
      {100, 108.6, 0, {}, {}, {Mercury}, "past the orb, same sign"},
      {100, 117, 0, {}, {}, {Mercury}, "17 degrees exactly"},
      {100, 117.01, 0, {}, {}, {}, "past 17"},
      {88, 93, 0, {}, {}, {}, "5 degrees off in the next sign"},
      {88, 93, 1, {}, {}, {Mercury}, "the same with the beams across signs"},
      {88, 100, 0, {}, {}, {}, "12 off in the next sign"},
      {88, 100, 1, {}, {}, {Mercury}, "the same with the beams across signs"},
      {0.1, 359.9, 0, {Mercury}, {}, {}, "0.2 apart across 0 Aries"},
      {359.0, 6.0, 0, {}, {}, {}, "7 apart across 0 Aries, next sign"},
      {359.0, 6.0, 1, {}, {}, {Mercury}, "the same with the beams across signs"},
  };
  for (const auto& c : cases) {
    ChartSet chart = HoraryFixtureChart();
    Place(chart, {{Sun, c.sun}, {Mercury, c.mercury}, {Venus, 200}, {Mars, 200}, {Jupiter, 200},
                  {Saturn, 200}, {Moon, 200}});
    OptionTables options = HoraryFixtureOptions();
    options.OptionValues[197] = c.beamsAcrossSigns;
    const SolarPhases s = SolarPhasesOf(chart, options);
    EXPECT_EQ(s.cazimi, c.cazimi) << c.why;
    EXPECT_EQ(s.combust, c.combust) << c.why;
    EXPECT_EQ(s.underSunsBeams, c.beams) << c.why;
  }
}

TEST(PlanetaryStanding, FatefulDegreeHouseOfJoyBesiegedViaCombusta) {
  ChartSet chart = HoraryFixtureChart();
  // N. Node 12 34 Gemini: the ASC at 12 05 Scorpio and the MC at 12 Capricorn share its whole degree.
  Place(chart, {{NorthNode, 72 + 34 / 60.0}, {Ascendant, 222 + 5 / 60.0}, {Midheaven, 282.5}, {Mercury, 15}});
  EXPECT_EQ(PointListLine("Fateful Degree - ", FatefulDegreePoints(chart)), "  Fateful Degree - ASC MC  ");

  // houses equal from 10 Aries: the 1st from 10 to 40, the 9th from 250 to 280
  chart.Cusp = testing::EqualHouses(10);
  OptionTables options = HoraryFixtureOptions();
  const struct {
    int planet;
    double longitude;
    float fiveDegreeRule;
    bool inJoy;
    const char* why;
  } joys[] = {
      {Mercury, 10, 0, true, "on the Ascendant"},       {Mercury, 40, 0, false, "on the 2nd cusp"},
      {Mercury, 7, 1, true, "3 before the Ascendant"},  {Mercury, 37, 1, false, "3 before the 2nd cusp"},
      {Sun, 247, 1, true, "3 before the 9th cusp"},     {Sun, 277, 1, false, "3 before the MC"},
      {Saturn, 9.9, 0, true, "12th, past 0 Aries"},     {Moon, 70, 0, true, "on the 3rd cusp"},
  };
  for (const auto& j : joys) {
    options.OptionValues[33] = j.fiveDegreeRule;
    Place(chart, {{Sun, 200}, {Moon, 200}, {Mercury, 200}, {Venus, 200}, {Mars, 200}, {Jupiter, 200},
                  {Saturn, 200}, {j.planet, j.longitude}});
    EXPECT_EQ(PlanetsInHouseOfJoy(chart, options), j.inJoy ? PointList{j.planet} : PointList{}) << j.why;
  }
  // a 12th house across 0 Aries, 350 to 20
  chart.Cusp = testing::EqualHouses(20);
  options.OptionValues[33] = 0;
  for (const auto& [saturn, inJoy] : {std::pair{355.0, true}, {10.0, true}, {25.0, false}}) {
    Place(chart, {{Sun, 200}, {Moon, 200}, {Mercury, 200}, {Venus, 200}, {Mars, 200}, {Jupiter, 200}, {Saturn, saturn}});
    EXPECT_EQ(PlanetsInHouseOfJoy(chart, options), inJoy ? PointList{Saturn} : PointList{}) << saturn;
  }

  // Mars and Saturn at 10 and 20 Leo hold Venus and Jupiter on their very degrees.
  Place(chart, {{Mars, 130}, {Saturn, 140}, {Venus, 130}, {Jupiter, 140}, {Sun, 129.99}, {Moon, 140.01},
                {Mercury, 200}});
  EXPECT_EQ(PointListLine("Besieged Planets - ", BesiegedPlanets(chart)), "  Besieged Planets - Venus Jupiter ");
  Place(chart, {{Mars, 148}, {Saturn, 152}, {Venus, 150}});
  EXPECT_EQ(BesiegedPlanets(chart), PointList{}) << "28 Leo and 2 Virgo: different signs";

  Place(chart, {{Sun, 100}, {Mercury, 100}, {Venus, 100}, {Mars, 100}, {Jupiter, 100}, {Saturn, 195}, {Moon, 225}});
  EXPECT_EQ(PlanetsInViaCombusta(chart), PointList{Saturn}) << "195 is in, 225 is not";
}

// Star windows after precession; the fixture puts no point on any star
// when its points are moved to 300 (in the 11th house, away from Altair
// and every other window) save the one under test.
TEST(StarContacts, WindowEdgesAndPrecession) {
  const double p1990 = 10 * 50.23 / 3600, p2000 = 0;  // a chart of 2000
  const struct {
    int point;
    double longitude;
    StarPrecession precession;
    double algolOrb;
    std::vector<StarContact> contacts;
    const char* why;
  } cases[] = {
      {Sun, 149.7, {0, -10 * 50.23 / 3600}, 1.5, {{Sun, 3}}, "1990: Regulus at its centre"},
      {Sun, 150.7, {0, -10 * 50.23 / 3600}, 1.5, {{Sun, 3}}, "the window's end counts"},
      {Sun, 150.71, {0, -10 * 50.23 / 3600}, 1.5, {}, "past it"},
      {Moon, 104.5, {p1990, p2000}, 1.5, {{Moon, 33}, {Moon, 34}}, "2000: Sirius and Canopus"},
      {Mercury, 56.03 + p1990, {p1990, p2000}, 0, {{Mercury, 0}}, "Algol with orb 0: its longitude only"},
      {Mercury, 56.04 + p1990, {p1990, p2000}, 0, {}, "and nothing beside it"},
      {Midheaven, 285.5, {0, 0}, 1.5, {{Midheaven, 17}, {Midheaven, 62}}, "MC on Vega and Manubrium"},
      {Mercury, 0.2, {5 * 50.23 / 3600, 0}, 1.5, {{Mercury, 9}}, "1995: Scheat past 0 Aries"},
      {Mercury, 0.31, {5 * 50.23 / 3600, 0}, 1.5, {}, "past Scheat's window"},
      {NorthNode, 149.7, {0, 0}, 1.5, {}, "the node is never tested"},
      // Before the year 900 Alpheratz's window lies below 0 Aries: on the
      // circle it catches the points at the end of Pisces.
      {Sun, 359.5, {-990 * 50.23 / 3600, -1000 * 50.23 / 3600}, 1.5, {{Sun, 18}}, "1000: Alpheratz at 0.35 Aries"},
      {Sun, 0.5, {-990 * 50.23 / 3600, -1000 * 50.23 / 3600}, 1.5, {{Sun, 18}}, "and just past 0 Aries"},
      {Sun, 358.5, {-990 * 50.23 / 3600, -1000 * 50.23 / 3600}, 1.5, {}, "but not 1.85 before it"},
  };
  for (const auto& c : cases) {
    ChartSet chart = HoraryFixtureChart();
    for (int p = Sun; p <= LastMainPoint; ++p) chart.Long[p] = 300 - p * 0.01;
    chart.Long[c.point] = c.longitude;
    EXPECT_EQ(StarContactsOf(chart, c.precession, c.algolOrb), c.contacts) << c.why;
  }
  ChartSet chart = HoraryFixtureChart();
  for (int p = Sun; p <= LastMainPoint; ++p) chart.Long[p] = 300 - p * 0.01;
  chart.Long[Midheaven] = 285.5;
  chart.Long[Moon] = 104.5;
  EXPECT_EQ(StarContactsLine(StarContactsOf(chart, {0, 0}, 1.5)),
            "  Fixed Stars - Moon - Sirius   Moon - Canopus   MC  - VEGA   MC  - Manubrium   ");
}

}  // namespace
}  // namespace halcyra
