// The planetary standing lists against cases worked by hand from the
// rulership tables, the Sun's distances and the house cusps; the fixed-star
// contacts against the star windows moved by 50.23 seconds of arc a year.
#include <gtest/gtest.h>

#include "horary/horary_basics_lines.h"
#include "horary/horary_fixture.h"
#include "horary/planetary_standing.h"
#include "horary/star_contacts.h"

namespace halcyra {
namespace {

using testing::HoraryFixtureChart;
using testing::HoraryFixtureOptions;
using testing::Place;
using Lines = std::vector<std::string>;

Lines FixedListLines(const ChartSet& chart) {
  const PlanetaryStanding s = PlanetaryStandingOf(chart, HoraryFixtureOptions(), PositionsAndSpeedsOf(chart));
  return {PointListLine("Peregrine - ", s.peregrine), PointListLine("Detriment - ", s.detriment),
          PointListLine("Fall - ", s.fall), OutOfBoundsLine(s.outOfBounds)};
}

TEST(PlanetaryStanding, FixedListsEmptyAndFull) {
  // Every planet at home; declinations of exactly 23 28 are not out of bounds.
  ChartSet chart = HoraryFixtureChart();
  Place(chart, {{Sun, 130}, {Moon, 100}, {Mercury, 160}, {Venus, 40}, {Mars, 10}, {Jupiter, 250}, {Saturn, 290}});
  for (int p : {Sun, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto, Moon, Lilith})
    chart.Decl[p] = p % 2 ? 23.4666666666667 : -23.4666666666667;
  EXPECT_EQ(FixedListLines(chart),
            (Lines{"  Peregrine - ", "  Detriment - ", "  Fall - ", "  Out of Bounds Planets - None"}));
  // By day: the Sun at 10 Taurus holds nothing of its own (Venus's sign and
  // triplicity, the Moon's exaltation and face, Mercury's term); Venus in
  // Libra and Saturn at 0 Leo (its term) do. Mercury at 11 Pisces is in
  // both its detriment and its fall; Saturn at 0 Leo in its detriment.
  Place(chart, {{Sun, 40}, {Moon, 300}, {Mercury, 341}, {Venus, 185}, {Mars, 35}, {Jupiter, 155}, {Saturn, 120}});
  chart.Decl[Mars] = 23.47, chart.Decl[Lilith] = -24.0;
  EXPECT_EQ(FixedListLines(chart), (Lines{"  Peregrine - Sun Mercury Mars Jupiter Moon ",
                                          "  Detriment - Mercury Mars Jupiter Saturn ", "  Fall - Mercury ",
                                          "  Out of Bounds Planets - Mars Lilith "}));
}

TEST(PlanetaryStanding, Receptions) {
  // Moved from a chart without any: the seven in Sagittarius, the outer planets in Gemini.
  const struct { std::vector<std::pair<int, double>> places; Lines lines; } cases[] = {
      {{{Sun, 45}, {Venus, 135}}, {"  Mutual Reception (by sign) - Sun-Venus   "}},
      {{{Saturn, 310}, {Uranus, 320}}, {"  Mutual Reception (by sign) - Saturn-Uranus   "}},
      {{{Sun, 315}, {Saturn, 130}, {Uranus, 140}},
       {"  Mutual Reception (by sign) - Sun-Saturn   ", "  Mutual Reception (by sign) - Sun-Uranus   "}},
      {{{Moon, 310}, {Uranus, 100}}, {}},
      {{{Sun, 280}, {Mars, 10}}, {"  Mutual Reception (by exaltation) - Sun-Mars   "}},
      {{{Mercury, 170}}, {"  Mixed Reception (sign/exaltation) - Mercury-Mercury   "}},
      {{{Sun, 45}, {Moon, 130}}, {"  Mixed Reception (sign/exaltation) - Sun-Moon   "}},
      {{{Mercury, 100}, {Moon, 160}},
       {"  Mutual Reception (by sign) - Mercury-Moon   ", "  Mixed Reception (sign/exaltation) - Moon-Mercury   "}},
  };
  for (const auto& c : cases) {
    ChartSet chart = HoraryFixtureChart();
    for (int p = Sun; p <= Moon; ++p) chart.Long[p] = p >= Uranus && p <= Pluto ? 70 : 250;
    for (const auto& [p, l] : c.places) chart.Long[p] = l;
    const Receptions r = ReceptionsOf(chart);
    Lines lines;
    for (const auto& [heading, pairs] : {std::pair{"Mutual Reception (by sign) - ", &r.bySign},
                                         {"Mutual Reception (by sign) - ", &r.byModernRuler},
                                         {"Mutual Reception (by exaltation) - ", &r.byExaltation},
                                         {"Mixed Reception (sign/exaltation) - ", &r.mixed}})
      if (!pairs->empty()) lines.push_back(PairListLine(heading, *pairs));
    EXPECT_EQ(lines, c.lines) << (c.lines.empty() ? "the Moon before Uranus: none" : c.lines[0]);
  }
}

TEST(PlanetaryStanding, CazimiCombustAndUnderTheBeams) {
  // combustion orb 8.5; the Sun's distance is the shorter arc
  const struct {
    double sun, mercury;
    float acrossSigns;
    PointList cazimi, combust, beams;
    const char* why;
  } cases[] = {
      {100, 100.28, 0, {Mercury}, {}, {}, "within 17 minutes"},
      {100, 100.29, 0, {}, {Mercury}, {}, "past 17 minutes, within the orb, same sign"},
      {100, 108.5, 0, {}, {Mercury}, {}, "at the orb"},
      {100, 117, 0, {}, {}, {Mercury}, "17 degrees exactly, same sign"},
      {100, 117.01, 0, {}, {}, {}, "past 17"},
      {88, 93, 0, {}, {}, {}, "5 degrees off in the next sign"},
      {88, 93, 1, {}, {}, {Mercury}, "the same with the beams across signs"},
      {88, 100, 1, {}, {}, {Mercury}, "12 off in the next sign, beams across signs"},
      {0.1, 359.9, 0, {Mercury}, {}, {}, "0.2 apart across 0 Aries"},
      {359.0, 6.0, 1, {}, {}, {Mercury}, "7 apart across 0 Aries, in the next sign"},
  };
  for (const auto& c : cases) {
    ChartSet chart = HoraryFixtureChart();
    Place(chart, {{Sun, c.sun}, {Mercury, c.mercury}, {Venus, 200}, {Mars, 200}, {Jupiter, 200}, {Saturn, 200},
                  {Moon, 200}});
    OptionTables options = HoraryFixtureOptions();
    options.OptionValues[197] = c.acrossSigns;
    const SolarPhases s = SolarPhasesOf(chart, options);
    EXPECT_EQ(std::tuple(s.cazimi, s.combust, s.underSunsBeams), std::tuple(c.cazimi, c.combust, c.beams)) << c.why;
  }
}

TEST(PlanetaryStanding, FatefulDegreeHouseOfJoyBesiegedViaCombusta) {
  ChartSet chart = HoraryFixtureChart();
  // N. Node 12 34 Gemini; the ASC at 12 05 Scorpio and the MC at 12 30 Capricorn share its whole degree.
  Place(chart, {{NorthNode, 72 + 34 / 60.0}, {Ascendant, 222 + 5 / 60.0}, {Midheaven, 282.5}, {Mercury, 15}});
  EXPECT_EQ(PointListLine("Fateful Degree - ", FatefulDegreePoints(chart)), "  Fateful Degree - ASC MC  ");

  // equal houses from 10 Aries, the 12th across 0 Aries; the others at 200, in no house of joy
  chart.Cusp = testing::EqualHouses(10);
  OptionTables options = HoraryFixtureOptions();
  const struct { int planet; double longitude; float fiveDegrees; bool inJoy; const char* why; } joys[] = {
      {Mercury, 10, 0, true, "on the Ascendant"},      {Mercury, 40, 0, false, "on the 2nd cusp"},
      {Mercury, 7, 1, true, "3 before the Ascendant"}, {Mercury, 37, 1, false, "3 before the 2nd cusp"},
      {Sun, 277, 1, false, "3 before the MC"},          {Saturn, 9.9, 0, true, "12th, past 0 Aries"},
  };
  for (const auto& j : joys) {
    options.OptionValues[33] = j.fiveDegrees;
    for (int p : PositionRowPlanets) chart.Long[p] = 200;
    Place(chart, {{j.planet, j.longitude}});
    EXPECT_EQ(PlanetsInHouseOfJoy(chart, options), j.inJoy ? PointList{j.planet} : PointList{}) << j.why;
  }

  // Mars and Saturn at 10 and 20 Leo hold Venus and Jupiter on their very degrees.
  Place(chart, {{Mars, 130}, {Saturn, 140}, {Venus, 130}, {Jupiter, 140}, {Sun, 129.99}, {Moon, 140.01}});
  EXPECT_EQ(PointListLine("Besieged Planets - ", BesiegedPlanets(chart)), "  Besieged Planets - Venus Jupiter ");
  Place(chart, {{Mars, 148}, {Saturn, 152}, {Venus, 150}});
  EXPECT_EQ(BesiegedPlanets(chart), PointList{}) << "28 Leo and 2 Virgo: different signs";

  Place(chart, {{Sun, 100}, {Mercury, 100}, {Venus, 100}, {Mars, 100}, {Jupiter, 100}, {Saturn, 195}, {Moon, 225}});
  EXPECT_EQ(PlanetsInViaCombusta(chart), PointList{Saturn}) << "195 is in, 225 is not";
}

// Every point at 300 or just below it (on no star) but the one under test.
TEST(StarContacts, WindowEdgesAndPrecession) {
  const double y1990 = 0, y2000 = 10 * 50.23 / 3600, y1000 = -990 * 50.23 / 3600;
  const struct { int point; double longitude; StarPrecession precession; double algolOrb;
                 std::vector<StarContact> contacts; const char* why; } cases[] = {
      {Sun, 150.7, {y1990, -y2000}, 1.5, {{Sun, 3}}, "1990: the end of Regulus's window counts"},
      {Sun, 150.71, {y1990, -y2000}, 1.5, {}, "past it"},
      {Moon, 104.5, {y2000, 0}, 1.5, {{Moon, 33}, {Moon, 34}}, "2000: Sirius and Canopus"},
      {Mercury, 56.03 + y2000, {y2000, 0}, 0, {{Mercury, 0}}, "Algol with orb 0: its longitude only"},
      {Mercury, 56.04 + y2000, {y2000, 0}, 0, {}, "and nothing beside it"},
      {Mercury, 0.2, {y2000 / 2, 0}, 1.5, {{Mercury, 9}}, "1995: Scheat past 0 Aries"},
      {Mercury, 0.31, {y2000 / 2, 0}, 1.5, {}, "past Scheat's window"},
      {NorthNode, 149.7, {0, 0}, 1.5, {}, "the node is never tested"},
      // In 1000 Alpheratz's window lies below 0 Aries, -0.65 to 1.35: on the circle it still catches its points.
      {Sun, 359.5, {y1000, y1000 - y2000}, 1.5, {{Sun, 18}}, "1000: Alpheratz, before 0 Aries"},
      {Sun, 358.5, {y1000, y1000 - y2000}, 1.5, {}, "but not 1.85 before it"},
  };
  for (const auto& c : cases) {
    ChartSet chart = HoraryFixtureChart();
    for (int p = Sun; p <= LastMainPoint; ++p) chart.Long[p] = 300 - p * 0.01;
    chart.Long[c.point] = c.longitude;
    EXPECT_EQ(StarContactsOf(chart, c.precession, c.algolOrb), c.contacts) << c.why;
  }
}

}  // namespace
}  // namespace halcyra
