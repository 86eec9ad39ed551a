// The horary rules of the chart's standing at each of their bounds, one
// table per rule family. Every row is named after the edge it pins and sits
// exactly on a bound or one double step beside it (StepBelow, StepAbove), so
// a bound moved to its other side fails a row. Rows on a bound use values
// the code takes without rounding: whole and binary-fraction degrees, a
// sign's degree reached by the same subtractions of 30 the code makes, and
// decimal constants exactly as the rule writes them (0.28333, 12.357).
// Sources: the strictures against judgement, the solar phases and houses of
// joy in Lilly's Christian Astrology (1647) with this program's orbs, the
// mean daily motions of the speed classes, the 28 divisions of the critical
// degrees, the Chaldean faces, the decans and dwads by sign, and the groups
// of signs and houses of the natal emphasis.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "horary/almutens.h"
#include "horary/critical_degrees.h"
#include "horary/decans_dwads.h"
#include "horary/essential_dignities.h"
#include "horary/horary_fixture.h"
#include "horary/moon_aspects.h"
#include "horary/moon_aspects_lines.h"
#include "horary/natal_emphasis.h"
#include "horary/planetary_standing.h"
#include "horary/positions_and_speeds.h"
#include "horary/strictures.h"
#include "horary/zodiac.h"
#include "reports/report_names.h"

namespace halcyra {
namespace {

using testing::HoraryFixtureChart;
using testing::HoraryFixtureOptions;
using testing::Place;
using testing::StepAbove;
using testing::StepBelow;

bool Holds(const PointList& list, int point) { return std::find(list.begin(), list.end(), point) != list.end(); }

// ---- Strictures: the fixture with equal houses from 14 Aries (7th cusp 14
// Libra), Saturn in the 3rd, the Moon at 10 Cancer; each row moves one value.
enum class Moved { AscendantCusp, SeventhCusp, SaturnAt, MoonAt, AscendantPoint };

ChartSet StricturesChart(Moved moved, double value) {
  ChartSet chart = HoraryFixtureChart();
  chart.Cusp = testing::EqualHouses(moved == Moved::AscendantCusp ? value : 14);
  if (moved == Moved::SeventhCusp) chart.Cusp[CuspEntryOfHouse(7)] = value;
  Place(chart, {{Saturn, moved == Moved::SaturnAt ? value : 100},
                {Moon, moved == Moved::MoonAt ? value : 100},
                {Ascendant, moved == Moved::AscendantPoint ? value : 14}});
  return chart;
}

TEST(HoraryBounds, Strictures) {
  const char* kEarly = "ASCENDANT is early.";
  const char* kLate = "ASCENDANT is late.";
  const char* kSaturn1 = "SATURN is in the 1st house.";
  const char* kSaturn7 = "SATURN is in the 7th house.";
  const char* kRuler7 = "SATURN is the ruler of the 7th house.";
  const char* kMoonLate = "MOON is in later degree.";
  const char* kMoonVia = "MOON is in Via Combusta.";
  const char* kAscVia = "ASCENDANT is in Via Combusta.";
  const struct {
    const char* edge;
    Moved moved;
    double value;
    const char* stricture;
    bool holds;
    const char* source;
  } rows[] = {
      {"ascendant_one_step_below_3_gemini", Moved::AscendantCusp, StepBelow(63), kEarly, true, "early: below 3"},
      {"ascendant_at_3_gemini", Moved::AscendantCusp, 63, kEarly, false, "early: below 3"},
      {"ascendant_at_0_taurus", Moved::AscendantCusp, 30, kEarly, true, "a sign's degree restarts at 30"},
      {"ascendant_one_step_below_27_gemini", Moved::AscendantCusp, StepBelow(87), kLate, false, "late: 27 or more"},
      {"ascendant_at_27_gemini", Moved::AscendantCusp, 87, kLate, true, "late: 27 or more"},
      {"ascendant_one_step_below_0_cancer", Moved::AscendantCusp, StepBelow(90), kLate, true, "late: below 30"},
      {"saturn_on_the_ascendant_cusp", Moved::SaturnAt, 14, kSaturn1, true, "a cusp opens its house"},
      {"saturn_one_minute_before_the_ascendant", Moved::SaturnAt, 14 - 1 / 60.0, kSaturn1, false, "12th house"},
      {"saturn_on_the_descendant_cusp", Moved::SaturnAt, 194, kSaturn7, true, "a cusp opens its house"},
      {"saturn_one_minute_before_the_descendant", Moved::SaturnAt, 194 - 1 / 60.0, kSaturn7, false, "6th house"},
      {"seventh_cusp_one_step_below_capricorn", Moved::SeventhCusp, StepBelow(270), kRuler7, false, "270 up to 330"},
      {"seventh_cusp_at_0_capricorn", Moved::SeventhCusp, 270, kRuler7, true, "270 up to 330"},
      {"seventh_cusp_one_step_below_pisces", Moved::SeventhCusp, StepBelow(330), kRuler7, true, "270 up to 330"},
      {"seventh_cusp_at_0_pisces", Moved::SeventhCusp, 330, kRuler7, false, "270 up to 330"},
      {"moon_one_step_below_27_gemini", Moved::MoonAt, StepBelow(87), kMoonLate, false, "later: 27 or more"},
      {"moon_at_27_gemini", Moved::MoonAt, 87, kMoonLate, true, "later: 27 or more"},
      {"moon_one_step_below_0_cancer", Moved::MoonAt, StepBelow(90), kMoonLate, true, "later: to the sign's end"},
      {"moon_at_0_cancer", Moved::MoonAt, 90, kMoonLate, false, "a sign's degree restarts at 30"},
      {"moon_one_step_below_15_libra", Moved::MoonAt, StepBelow(195), kMoonVia, false, "195 up to 225"},
      {"moon_at_15_libra", Moved::MoonAt, 195, kMoonVia, true, "195 up to 225"},
      {"moon_one_step_below_15_scorpio", Moved::MoonAt, StepBelow(225), kMoonVia, true, "195 up to 225"},
      {"moon_at_15_scorpio", Moved::MoonAt, 225, kMoonVia, false, "195 up to 225"},
      {"ascendant_point_at_15_libra", Moved::AscendantPoint, 195, kAscVia, true, "195 up to 225"},
      {"ascendant_point_at_15_scorpio", Moved::AscendantPoint, 225, kAscVia, false, "195 up to 225"},
  };
  for (const auto& r : rows) {
    const std::vector<std::string> found = StricturesOf(StricturesChart(r.moved, r.value));
    EXPECT_EQ(std::count(found.begin(), found.end(), r.stricture) == 1, r.holds)
        << r.edge << ": " << r.stricture << " at " << r.value << " (" << r.source << ")";
  }
}

// ---- The solar phases of Mercury, the other planets far from the Sun; the
// combustion orb 8.5 (option 32). Cazimi: at most 0.28333 from the Sun;
// combust: beyond it up to the orb in the Sun's sign; under the beams: beyond
// the orb up to 17 in the Sun's sign, or from past cazimi up to 17 in any
// sign when option 197 is on.
enum class Phase { Free, Cazimi, Combust, UnderTheBeams };

TEST(HoraryBounds, SolarPhases) {
  constexpr double kCazimi = 0.28333;  // 17 minutes, as the rule writes it
  const struct {
    const char* edge;
    double sun, mercury;
    bool acrossSigns;
    Phase phase;
  } rows[] = {
      {"cazimi_at_exactly_0_28333", 0, kCazimi, false, Phase::Cazimi},
      {"cazimi_with_the_sun_ahead", kCazimi, 0, false, Phase::Cazimi},
      {"one_step_beyond_0_28333_is_combust", 0, StepAbove(kCazimi), false, Phase::Combust},
      // 17/60 = 0.2833333... lies 0.012 arc-seconds beyond the rule's 0.28333
      {"17_over_60_lies_beyond_0_28333", 0, 17 / 60.0, false, Phase::Combust},
      {"combust_at_exactly_the_orb", 0, 8.5, false, Phase::Combust},
      {"one_step_beyond_the_orb_is_under_the_beams", 0, StepAbove(8.5), false, Phase::UnderTheBeams},
      {"under_the_beams_at_exactly_17", 0, 17, false, Phase::UnderTheBeams},
      {"one_step_beyond_17_is_free", 0, StepAbove(17), false, Phase::Free},
      {"on_the_first_degree_of_the_suns_sign", 35, 30, false, Phase::Combust},
      {"one_step_below_the_suns_sign", 35, StepBelow(30), false, Phase::Free},
      {"other_sign_at_the_orb_with_197_on", 30, 21.5, true, Phase::UnderTheBeams},
      {"other_sign_at_the_orb_with_197_off", 30, 21.5, false, Phase::Free},
      {"other_sign_one_step_beyond_the_orb_with_197_on", 30, StepBelow(21.5), true, Phase::UnderTheBeams},
      {"other_sign_at_17_with_197_on", 30, 13, true, Phase::UnderTheBeams},
      // Mercury placed so that the Sun's distance 30 - Mercury is the double after 17
      {"other_sign_one_step_beyond_17_with_197_on", 30, 30 - StepAbove(17), true, Phase::Free},
  };
  for (const auto& r : rows) {
    ChartSet chart = HoraryFixtureChart();
    Place(chart, {{Sun, r.sun}, {Mercury, r.mercury}, {Venus, 200}, {Mars, 200}, {Jupiter, 200}, {Saturn, 200},
                  {Moon, 200}});
    OptionTables options = HoraryFixtureOptions();
    options.OptionValues[197] = r.acrossSigns ? 1 : 0;
    const SolarPhases s = SolarPhasesOf(chart, options);
    const bool got[] = {Holds(s.cazimi, Mercury), Holds(s.combust, Mercury), Holds(s.underSunsBeams, Mercury)};
    const bool expected[] = {r.phase == Phase::Cazimi, r.phase == Phase::Combust, r.phase == Phase::UnderTheBeams};
    EXPECT_TRUE(std::equal(got, got + 3, expected))
        << r.edge << ": Sun " << r.sun << ", Mercury " << r.mercury << "; cazimi/combust/beams got " << got[0]
        << got[1] << got[2] << ", expected " << expected[0] << expected[1] << expected[2];
  }
}

// ---- The chart's sect: a day chart has the Sun in the 7th to 12th house
// (equal houses from 0 Aries, the 7th cusp at 0 Libra).
TEST(HoraryBounds, DayChartFromTheSunsHouse) {
  const struct { const char* edge; double sun; bool day; } rows[] = {
      {"sun_on_the_7th_cusp", 180, true},
      {"sun_one_minute_before_the_7th_cusp", 180 - 1 / 60.0, false},
      {"sun_on_the_ascendant", 0, false},
      {"sun_one_minute_before_the_ascendant", 360 - 1 / 60.0, true},
  };
  for (const auto& r : rows) {
    ChartSet chart = HoraryFixtureChart();
    chart.Cusp = testing::EqualHouses(0);
    Place(chart, {{Sun, r.sun}});
    EXPECT_EQ(IsDayChart(chart), r.day) << r.edge;
  }
}

// ---- Speed classes: "stat" below 0.00833333 (30 seconds of arc) a day
// either way, else FAST, SLOW or AVG. against the mean daily motion.
TEST(HoraryBounds, SpeedClasses) {
  constexpr double kStationary = 0.00833333;
  const struct { const char* edge; double speed; const char* text; } stationary[] = {
      {"at_30_seconds_a_day", kStationary, "SLOW"},
      {"one_step_below_30_seconds_a_day", StepBelow(kStationary), "stat"},
      {"retrograde_at_30_seconds_a_day", -kStationary, "SLOW"},
      {"retrograde_one_step_below_30_seconds", StepAbove(-kStationary), "stat"},
  };
  for (const auto& r : stationary) EXPECT_EQ(SpeedText(Saturn, r.speed), r.text) << "Saturn " << r.edge;

  // Mean daily motions, degrees: Mercury and Venus are judged by the Sun's.
  const struct { int planet; double mean; } means[] = {
      {Sun, 0.9856103},  {Mercury, 0.9856103}, {Venus, 0.9856103}, {Mars, 0.524344},
      {Jupiter, 0.083251}, {Saturn, 0.033697}, {Moon, 13.176541},
  };
  for (const auto& m : means) {
    EXPECT_EQ(SpeedText(m.planet, m.mean), "AVG.") << NameOf(m.planet) << " at its mean motion";
    EXPECT_EQ(SpeedText(m.planet, -m.mean), "AVG.") << NameOf(m.planet) << " retrograde at its mean motion";
    EXPECT_EQ(SpeedText(m.planet, StepAbove(m.mean)), "FAST") << NameOf(m.planet) << " one step above its mean";
    EXPECT_EQ(SpeedText(m.planet, StepBelow(m.mean)), "SLOW") << NameOf(m.planet) << " one step below its mean";
  }
}

// ---- Natal emphasis: a planet belongs to its sign from 0 degrees up to the
// next sign and to its house from the cusp on (equal houses from 0 Aries),
// the first and the twelfth of each included.
TEST(HoraryBounds, EmphasisGroupsAtSignAndHouseEdges) {
  const struct { const char* edge; double sun; bool byHouse; const char* group; } rows[] = {
      {"0_aries_is_fire", 0, false, "Fire"},
      {"one_step_below_0_taurus_is_still_fire", StepBelow(30), false, "Fire"},
      {"0_taurus_is_earth", 30, false, "Earth"},
      {"one_step_below_0_aries_is_water", StepBelow(360), false, "Water"},
      {"on_the_ascendant_is_angular", 0, true, "Angular"},
      {"one_minute_before_the_ascendant_is_cadent", 360 - 1 / 60.0, true, "Cadent"},
  };
  for (const auto& r : rows) {
    ChartSet chart = HoraryFixtureChart();
    chart.Cusp = testing::EqualHouses(0);
    Place(chart, {{Sun, r.sun}});
    const std::vector<EmphasisGroup> groups = r.byHouse ? HouseEmphasis(chart) : SignEmphasis(chart);
    const auto group = std::find_if(groups.begin(), groups.end(), [&](const EmphasisGroup& g) {
      return g.label.rfind(r.group, 0) == 0;
    });
    ASSERT_NE(group, groups.end()) << r.group;
    EXPECT_TRUE(Holds(group->planets, Sun)) << r.edge;
  }
}

// ---- Mercury's house of joy, the 1st: from its cusp up to, not including,
// the 2nd cusp; across 0 Aries when the house spans it; with the five-degree
// rule (option 33 exactly 1) both cusps 5 degrees earlier.
TEST(HoraryBounds, HouseOfJoy) {
  const struct { const char* edge; double ascendant; float fiveDegreeRule; double mercury; bool inJoy; } rows[] = {
      {"on_the_ascendant_cusp", 100, 0, 100, true},
      {"one_step_before_the_ascendant_cusp", 100, 0, StepBelow(100), false},
      {"one_step_before_the_2nd_cusp", 100, 0, StepBelow(130), true},
      {"on_the_2nd_cusp", 100, 0, 130, false},
      {"on_an_ascendant_at_345", 345, 0, 345, true},
      {"one_step_before_an_ascendant_at_345", 345, 0, StepBelow(345), false},
      {"at_0_aries_in_a_1st_house_across_it", 345, 0, 0, true},
      {"one_step_before_a_2nd_cusp_at_15", 345, 0, StepBelow(15), true},
      {"on_a_2nd_cusp_at_15", 345, 0, 15, false},
      {"five_degrees_before_the_ascendant", 100, 1, 95, true},
      {"one_step_more_than_five_degrees_before_it", 100, 1, StepBelow(95), false},
      {"one_step_less_than_five_degrees_before_the_2nd_cusp", 100, 1, StepBelow(125), true},
      {"five_degrees_before_the_2nd_cusp", 100, 1, 125, false},
      {"option_33_at_2_is_no_five_degree_rule", 100, 2, 97, false},
  };
  for (const auto& r : rows) {
    ChartSet chart = HoraryFixtureChart();
    chart.Cusp = testing::EqualHouses(r.ascendant);
    Place(chart, {{Mercury, r.mercury}});
    OptionTables options = HoraryFixtureOptions();
    options.OptionValues[33] = r.fiveDegreeRule;
    EXPECT_EQ(Holds(PlanetsInHouseOfJoy(chart, options), Mercury), r.inJoy)
        << r.edge << ": ASC " << r.ascendant << ", Mercury " << r.mercury;
  }
}

// ---- Critical degrees: the longitude less 90 while 90 or more, in one of
// eight closed windows around the multiples of 360/28, their ends as the
// rule writes them (the last window ends at the quarter's end).
TEST(HoraryBounds, CriticalDegreeWindows) {
  const struct { double from, to; } kWindows[] = {
      {0, 0.5},           {12.357, 13.357},     {25.214, 26.214},   {38.071, 39.071},
      {50.92857, 51.92857}, {63.7857, 64.7857}, {76.642857, 77.642857}, {89.5, 90},
  };
  std::vector<std::pair<double, bool>> rows = {
      {90, true},              // the next quarter starts at its first window
      {StepBelow(90), true},   // the last window holds the quarter's end
      {90.5, true},            // 0.5 of the second quarter
      {StepAbove(90.5), false},
  };
  for (const auto& w : kWindows) {
    if (w.from > 0) rows.insert(rows.end(), {{w.from, true}, {StepBelow(w.from), false}});
    if (w.to < 90) rows.insert(rows.end(), {{w.to, true}, {StepAbove(w.to), false}});
  }
  for (const auto& [longitude, critical] : rows) {
    ChartSet chart = HoraryFixtureChart();
    for (int p = Sun; p <= Moon; ++p) chart.Long[p] = p == Mars ? longitude : 5;
    EXPECT_EQ(CriticalDegreePoints(chart), critical ? std::vector<int>{Mars} : std::vector<int>{})
        << "Mars at " << ::testing::PrintToString(longitude);
  }
}

// ---- Faces: ten degrees each from 0 Aries, the Chaldean order from Mars
// again every 70 degrees. Decans and dwads: the sign itself, four and eight
// signs on; the twelve signs in order from the sign itself, past Pisces to
// Aries.
TEST(HoraryBounds, FacesDecansAndDwads) {
  const struct { const char* edge; double longitude; int face; } faces[] = {
      {"0_aries", 0, Mars},
      {"one_step_below_10_aries", StepBelow(10), Mars},
      {"10_aries", 10, Sun},
      {"one_step_below_10_gemini", StepBelow(70), Jupiter},
      {"10_gemini_starts_the_order_again", 70, Mars},
      {"one_step_below_20_pisces", StepBelow(350), Jupiter},
      {"20_pisces", 350, Mars},
      {"one_step_below_0_aries", StepBelow(360), Mars},
  };
  for (const auto& r : faces) EXPECT_EQ(NameOf(FaceRuler(r.longitude)), NameOf(r.face)) << r.edge;

  const struct { const char* edge; double longitude; const char* decan; const char* dwad; } signs[] = {
      {"20_cancer_reaches_pisces", 110, "PIS", "PIS"},
      {"one_step_below_20_cancer", StepBelow(110), "SCO", "AQU"},
      {"20_leo_passes_pisces", 140, "ARI", "ARI"},
      {"last_dwad_of_aries_reaches_pisces", 27.5, "SAG", "PIS"},
      {"one_step_below_the_last_dwad_of_aries", StepBelow(27.5), "SAG", "AQU"},
      {"last_dwad_of_taurus_passes_pisces", 57.5, "CPR", "ARI"},
  };
  for (const auto& r : signs) {
    EXPECT_EQ(SignAbbrev(DecanIndex(r.longitude)), r.decan) << r.edge;
    EXPECT_EQ(SignAbbrev(DwadIndex(r.longitude)), r.dwad) << r.edge;
  }
}

// ---- One-degree rules: the night almutens' three-way tie on 19 Libra (the
// whole degree 199), and the Moon's declination north from 0 on.
TEST(HoraryBounds, TieDegreeAndDeclinationSide) {
  const struct { const char* edge; double longitude; bool night, saturnAdded; } ties[] = {
      {"19_libra_by_night", 199, true, true},
      {"one_step_below_19_libra", StepBelow(199), true, false},
      {"one_step_below_20_libra", StepBelow(200), true, true},
      {"20_libra", 200, true, false},
      {"19_libra_by_day", 199, false, false},
  };
  for (const auto& r : ties)
    EXPECT_EQ(AlmutensOfDegree(r.longitude, r.night, StartupTables{}).addSaturn, r.saturnAdded) << r.edge;

  const struct { const char* edge; double declination; const char* text; } sides[] = {
      {"exactly_0_is_north", 0, "00 N 00"},
      {"one_step_below_0_is_south", StepBelow(0), "00 S 00"},
      {"ten_minutes_south", -10 / 60.0, "00 S 10"},
  };
  for (const auto& r : sides) EXPECT_EQ(MoonDeclinationLine(r.declination, 0).substr(23, 7), r.text) << r.edge;
}

// ---- The Moon's aspects by sign at 20 Aries, every other point in Taurus:
// a planet on the Moon's degree is still to come, Chiron on it is past (equal
// degrees in falling point order); a planet from 0 Gemini on is two signs on.
// No aspect still to come: void of course.
TEST(HoraryBounds, MoonsAspectsBySignAtTheMoonsDegree) {
  const struct {
    const char* edge;
    int point;
    double longitude;
    std::vector<int> past, toCome;
  } rows[] = {
      {"sun_on_the_moons_degree_is_to_come", Sun, 80, {}, {Sun}},
      {"sun_one_step_below_it_is_past_and_void", Sun, StepBelow(80), {Sun}, {}},
      {"chiron_on_the_moons_degree_is_past", Chiron, 80, {Chiron}, {}},
      {"chiron_one_step_above_it_is_to_come", Chiron, StepAbove(80), {}, {Chiron}},
      {"sun_at_0_gemini_aspects", Sun, 60, {Sun}, {}},
      {"sun_one_step_below_gemini_does_not", Sun, StepBelow(60), {}, {}},
  };
  auto points = [](const std::vector<MoonSignAspect>& aspects) {
    std::vector<int> list;
    for (const MoonSignAspect& a : aspects) list.push_back(a.point);
    return list;
  };
  for (const auto& r : rows) {
    const MoonAspectsBySign aspects = MoonAspectsBySignOf(testing::MoonWith(20, {{r.point, r.longitude}}));
    EXPECT_EQ(points(aspects.last), r.past) << r.edge;
    EXPECT_EQ(points(aspects.next), r.toCome) << r.edge;
  }
}

}  // namespace
}  // namespace halcyra
