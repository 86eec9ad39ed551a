// The horary basics' sections against cases worked by hand from the Chaldean
// hours, the rulership tables (traditional domiciles, triplicities by sect,
// Ptolemaic terms, Chaldean faces), the star windows moved by 50.23 seconds of
// arc a year, the fixture's moieties and the quarters cut by 360 / 28.
#include <gtest/gtest.h>

#include <cmath>

#include "horary/critical_degrees.h"
#include "horary/horary_basics_lines.h"
#include "horary/horary_fixture.h"
#include "horary/moon_aspects.h"
#include "horary/moon_aspects_lines.h"
#include "horary/planetary_day_hour.h"
#include "horary/planetary_standing.h"
#include "horary/positions_and_speeds.h"
#include "horary/star_contacts.h"
#include "horary/strictures.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

using testing::HoraryFixtureChart;
using testing::HoraryFixtureOptions;
using testing::MoonWith;
using testing::Place;
using Lines = std::vector<std::string>;

TEST(PlanetaryDayHour, RulersOfDayAndNightHours) {
  // day of January 2000, clock as typed, sunrise, sunset, line
  const struct { int day; double clock; const char* amPm; double rise, set; const char* line, *why; } cases[] = {
      {1, 12.00, "P.M.", 7.5, 16.5, "  Saturn day     Mercury hour", "Saturday noon ends day hour 6"},
      {5, 10.00, "A.M.", 6, 18, "  Mercury day    Jupiter hour", "10.00 ends hour 4 and belongs to it"},
      {5, 10.01, "A.M.", 6, 18, "  Mercury day    Mars hour   ", "a minute on: hour 5"},
      {5, 3.00, "A.M.", 6, 18, "  Mars day       Jupiter hour", "before sunrise: Tuesday's night hour 9"},
      {5, 12.30, "A.M.", 6, 18, "  Mars day       Moon hour   ", "12.30 A.M. is 0.30: night hour 7"},
      {5, 12.15, "P.M.", 6, 18, "  Mercury day    Venus hour  ", "12.15 P.M. is 12.25: day hour 7"},
      {5, 5.00, "A.M.", 0, 0, "  Mercury day    Mercury hour", "no sunrise or sunset: night hours of 2 from 0.00"},
  };
  for (const auto& c : cases) {
    const QuestionMoment moment{testing::TypedMoment(2000, 1, c.day, c.clock, std::string(c.amPm) == "P.M.", 0),
                                halcyra::Place::FromDotMinutes(0, 51.30)};
    const PlanetaryDayHour r = CalcPlanetaryDayHour(moment, c.rise, c.set);
    EXPECT_EQ(PlanetaryDayHourLine(r), c.line) << c.why;
    EXPECT_TRUE(r.hourFoundBySearch) << c.why;
  }
  // Sunrise 13.00, sunset 20.00, 12.30 P.M.: no hour end lies between the time
  // and noon; the search stops after 24 steps and counts from sunset (16.5
  // hours into a night of 17/12-hour hours: hour 12). At 3.00 A.M. it finds hour 5.
  const halcyra::Place south = halcyra::Place::FromDotMinutes(0, -60);
  const PlanetaryDayHour r = CalcPlanetaryDayHour({testing::TypedMoment(2000, 1, 5, 12.30, true, 0), south}, 13, 20);
  EXPECT_EQ(std::tuple(r.hourFoundBySearch, r.night, r.hour, r.weekday), std::tuple(false, true, 12, 6));
  const PlanetaryDayHour early =
      CalcPlanetaryDayHour({testing::TypedMoment(2000, 1, 5, 3.00, false, 0), south}, 13, 20);
  EXPECT_EQ(std::tuple(early.hourFoundBySearch, early.hour), std::tuple(true, 5));
}

// Places as typed (degrees + minutes / 100, east and south negative): 66
// degrees 1 minute north is refused without asking for sunrise; a far
// southern one never is. Sunrise is asked for at the place in decimal
// degrees, east of Greenwich too (151 12 E is -151.2, not -150.53).
TEST(PlanetaryDayHour, RefusedOnlyNorthOf66) {
  const struct { double longitude, latitude; bool refused; double decimalLongitude; } cases[] = {
      {71.04, 66.00, false, 71 + 4 / 60.0}, {71.04, 66.01, true, 0}, {71.04, -70.00, false, 71 + 4 / 60.0},
      {-151.12, -33.52, false, -151.2}};
  for (const auto& [longitude, latitude, refused, decimalLongitude] : cases) {
    QuestionMoment moment = testing::HoraryFixtureMoment();
    moment.where = halcyra::Place::FromDotMinutes(longitude, latitude);
    bool asked = false;
    // clang 14 cannot capture a structured binding: it is copied by name
    const auto source = [&, decimalLongitude = decimalLongitude](double, const HoursPlace& place) {
      asked = true;
      EXPECT_NEAR(place.geoLong, decimalLongitude, 1e-12);  // decimal degrees, west positive
      EXPECT_NEAR(place.geoLat, moment.where.Latitude, 1e-12);
      return testing::SixToSix(0, place);
    };
    EXPECT_EQ(PlanetaryDayHourLine(PlanetaryDayHourOf(moment, source)),
              refused ? "  Latitude is too extreme to calculate planetary hour ruler."
                      : "  Jupiter day    Mercury hour");
    EXPECT_EQ(asked, !refused) << latitude;
  }
}

TEST(Strictures, EdgesOfEachTestAndTheirOrder) {
  // Houses equal from the Ascendant cusp (the 7th cusp moved when given);
  // Saturn at 100 stays out of the 1st and 7th unless moved. 2 59 is 2 + 59/60.
  const struct { double asc, seventh, saturn, moon, ascPoint; Lines expected; const char* why; } cases[] = {
      {2 + 59 / 60.0, 0, 100, 100, 14, {"ASCENDANT is early."}, "2 59 is early"},
      {3, 0, 100, 100, 14, {}, "3 00 is not"},
      {65, 0, 70, 100, 14, {"SATURN is in the 1st house."}, "Saturn in the 1st"},
      {160, 0, 80, 100, 14, {}, "Saturn in the 10th: 10TH reads as 10"},
      {15, 270, 100, 100, 14, {"SATURN is the ruler of the 7th house."}, "7th cusp at 270 exactly"},
      {15, 330, 100, 100, 14, {}, "7th cusp at 330 exactly: Pisces"},
      {14, 0, 100, 225, 14, {}, "225 is past Via Combusta"},
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
      {Venus, 160, 1.2, false, "  Venus     Mer   Mer   Jup   Ven   Moo   Ven   Ven   FAST      ", true,
       "10 Virgo by night: its fall, yet its own term and face"},
      {Saturn, 5, 0.05, true, "  Saturn    Mar   Sun   Ven   Sat   Sun   Jup   Mar   FAST      ", false,
       "5 Aries: its fall is no dignity"},
      {Sun, 359.98, 0.99, true, "  Sun       Jup   Ven   Mer   Mer   Mar   Sat   Mar   FAST      ", false,
       "29 59 Pisces: the last term, the face of 359.98 less 350"},
      {Jupiter, 125, 0.1, false, "  Jupiter   Sun   ---   Sat   ---   Jup   Sat   Sat   FAST      ", true,
       "5 Leo by night: fire's night ruler"},
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

// Speed classes against each planet's mean daily motion, either way of 30
// seconds of arc a day; the Moon's phase either side of conjunction and
// opposition (increasing while 0 to 180 degrees ahead of the Sun).
TEST(PositionsTable, SpeedClassesAndMoonPhaseAtTheirBounds) {
  const struct { int planet; double speed; const char* text; } speeds[] = {
      {Sun, 0.9856103, "AVG."},    {Sun, -0.99, "FAST"},         {Saturn, 0.0083, "stat"},
      {Saturn, -0.00834, "SLOW"}, {Moon, 13.176541, "AVG."},    {Moon, 13.2, "FAST"},
      {Mars, 0.5243, "SLOW"},     {Jupiter, 0.083251, "AVG."},
  };
  for (const auto& c : speeds) EXPECT_EQ(SpeedText(c.planet, c.speed), c.text) << c.planet << " " << c.speed;
  const struct { double sun, moon; bool increasing; } phases[] = {
      {100, 100, false}, {100, 100.01, true}, {100, 279.99, true}, {100, 280, false}, {350, 5, true}, {5, 350, false},
  };
  for (const auto& c : phases) {
    ChartSet chart = HoraryFixtureChart();
    Place(chart, {{Sun, c.sun}, {Moon, c.moon}});
    EXPECT_EQ(PositionsAndSpeedsOf(chart).moonIncreasing, c.increasing) << c.sun << " " << c.moon;
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

// Mars and Saturn at 10 and 20 Leo hold Venus and Jupiter on their very
// degrees; at 28 Leo and 2 Virgo, in different signs, they hold nothing.
TEST(PlanetaryStanding, Besieged) {
  ChartSet chart = HoraryFixtureChart();
  Place(chart, {{Mars, 130}, {Saturn, 140}, {Venus, 130}, {Jupiter, 140}, {Sun, 129.99}, {Moon, 140.01}});
  EXPECT_EQ(PointListLine("Besieged Planets - ", BesiegedPlanets(chart)), "  Besieged Planets - Venus Jupiter ");
  Place(chart, {{Mars, 148}, {Saturn, 152}, {Venus, 150}});
  EXPECT_EQ(BesiegedPlanets(chart), PointList{});
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

TEST(MoonAspectsBySign, LastAndNextAspectsAndVoidOfCourse) {
  const char* kVoid = "  To   - VOID OF COURSE (modern)";
  const struct { double moon; std::initializer_list<std::pair<int, double>> points; Lines lines; const char* why; }
  cases[] = {
      {30, {}, {"  From - ", kVoid}, "0 Taurus: nothing before it, nothing after it aspects"},
      {20, {{Sun, 61}, {Mercury, 92}, {Venus, 123}, {Mars, 184}},
       {"  From - SEXTILE Sun  SQUARE Mercury  TRINE Venus  OPPOSITE Mars  ", "         ", kVoid},
       "four entries fill a line, and a line of nine blanks follows"},
      {20, {{Chiron, 80}, {Sun, 140}}, {"  From - SEXTILE Chiron  ", "  To   - trine Sun  "},
       "on the Moon's degree: Chiron before it, the planets after it"},
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
  const OptionTables options = HoraryFixtureOptions();
  const struct { double moon; int point; double longitude; const char* line; const char* why; } cases[] = {
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

TEST(CriticalDegrees, WindowEdges) {
  // one planet moved, the others at 5 (between the first two windows)
  const struct { int planet; double longitude; bool critical; } cases[] = {
      {Sun, 90 + 20 / 60.0, true}, {Sun, 359.75, true}, {Sun, 0.5, true},      {Sun, 31 / 60.0, false},
      {Mars, 12.357, true},        {Mars, 103, true},   {Mars, 13 + 22 / 60.0, false}, {Pluto, 89.49, false},
  };
  for (const auto& c : cases) {
    ChartSet chart = HoraryFixtureChart();
    for (int p = Sun; p <= Moon; ++p) chart.Long[p] = p == c.planet ? c.longitude : 5;
    EXPECT_EQ(CriticalDegreePoints(chart), c.critical ? std::vector<int>{c.planet} : std::vector<int>{})
        << c.planet << " at " << c.longitude;
  }
}

}  // namespace
}  // namespace halcyra
