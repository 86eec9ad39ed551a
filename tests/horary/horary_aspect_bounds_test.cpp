// The horary aspect rules at each of their bounds, one table per rule
// family, rows named after the edge they pin: the windows of the moieties'
// sum, the partile tolerance and the sides of the shorter arc, ties of the
// speed order, the one-degree orb of the antiscia and the fixed stars'
// windows. Rows lie exactly on a bound (whole or binary-fraction degrees,
// or the bound built by the same operations the code uses) or one double
// step beside it. Sources: the moieties of Lilly's Christian Astrology
// (1647) as options 34 to 43 of the fixture, the program's tolerance of
// 0.0166666 (just under a minute of arc), and the star table's windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "horary/aspect_within_orb.h"
#include "horary/horary_aspects.h"
#include "horary/horary_fixture.h"
#include "horary/horary_reports_fixture.h"
#include "horary/solstice_points.h"
#include "horary/speed_order.h"
#include "horary/star_contacts.h"
#include "horary/zodiac.h"

namespace halcyra {
namespace {

using testing::StepAbove;
using testing::StepBelow;

// ---- The windows of TestAspectWithinOrb, Sun (moiety 8) and Moon (6): an
// orb sum of 14, every window strict: 60, 90 and 120 each side, 180 from
// below only, 0 from above. The node and the Part of Fortune take only
// conjunctions, within the other point's moiety; the angles have none.
TEST(HoraryAspectBounds, WindowsOfTheMoietiesSum) {
  const OptionTables options = testing::HoraryFixtureOptions();
  const struct { const char* edge; int first, second; double separation; int code; } rows[] = {
      {"conjunction_one_step_within_the_orb_sum", Sun, Moon, StepBelow(14), ConjunctCode},
      {"conjunction_at_the_orb_sum_is_none", Sun, Moon, 14, NoAspectCode},
      {"sextile_at_60_less_the_orb_sum_is_none", Sun, Moon, 46, NoAspectCode},
      {"sextile_one_step_within_its_lower_end", Sun, Moon, StepAbove(46), SextileCode},
      {"sextile_one_step_within_its_upper_end", Sun, Moon, StepBelow(74), SextileCode},
      {"sextile_at_60_plus_the_orb_sum_is_none", Sun, Moon, 74, NoAspectCode},
      {"square_at_90_less_the_orb_sum_is_none", Sun, Moon, 76, NoAspectCode},
      {"square_one_step_within_its_lower_end", Sun, Moon, StepAbove(76), SquareCode},
      {"square_one_step_within_its_upper_end", Sun, Moon, StepBelow(104), SquareCode},
      {"square_at_90_plus_the_orb_sum_is_none", Sun, Moon, 104, NoAspectCode},
      {"trine_at_120_less_the_orb_sum_is_none", Sun, Moon, 106, NoAspectCode},
      {"trine_one_step_within_its_lower_end", Sun, Moon, StepAbove(106), TrineCode},
      {"trine_one_step_within_its_upper_end", Sun, Moon, StepBelow(134), TrineCode},
      {"trine_at_120_plus_the_orb_sum_is_none", Sun, Moon, 134, NoAspectCode},
      {"opposition_at_180_less_the_orb_sum_is_none", Sun, Moon, 166, NoAspectCode},
      {"opposition_one_step_within_it", Sun, Moon, StepAbove(166), OppositeCode},
      {"opposition_exact", Sun, Moon, 180, OppositeCode},
      {"the_two_points_either_way_round", Moon, Sun, StepBelow(74), SextileCode},
      {"node_one_step_within_the_moons_moiety", Moon, NorthNode, StepBelow(6), ConjunctCode},
      {"node_at_the_moons_moiety_is_none", Moon, NorthNode, 6, NoAspectCode},
      {"node_takes_no_exact_sextile", Moon, NorthNode, 60, NoAspectCode},
      {"part_of_fortune_at_the_suns_moiety_is_none", PartOfFortune, Sun, 8, NoAspectCode},
      {"angle_takes_a_sextile_within_the_moons_moiety", Ascendant, Moon, StepBelow(66), SextileCode},
      {"angles_together_without_moieties_are_none", Ascendant, Midheaven, 0, NoAspectCode},
  };
  for (const auto& r : rows)
    EXPECT_EQ(TestAspectWithinOrb(options, r.first, r.second, r.separation).code, r.code)
        << r.edge << ": " << NameOf(r.first) << "-" << NameOf(r.second) << " "
        << ::testing::PrintToString(r.separation);
}

// ---- Partile within 0.0166666 of exact either way, both ends included;
// ahead or behind on the shorter arc, neither exactly together or opposite.
TEST(HoraryAspectBounds, PartileAndTheSidesOfTheArc) {
  const double e = PartileTolerance;
  const struct { const char* edge; double signedOrb; OrbPhase phase; } phases[] = {
      {"one_step_short_of_the_tolerance", StepBelow(-e), OrbPhase::ShortOfExact},
      {"at_the_tolerance_short_of_exact", -e, OrbPhase::Partile},
      {"exact", 0, OrbPhase::Partile},
      {"at_the_tolerance_past_exact", e, OrbPhase::Partile},
      {"one_step_past_the_tolerance", StepAbove(e), OrbPhase::PastExact},
  };
  for (const auto& r : phases) EXPECT_EQ(OrbPhaseOf(r.signedOrb), r.phase) << r.edge;

  // diff: the first longitude less the second
  const struct { const char* edge; double diff; ArcSide side; } sides[] = {
      {"together", 0, ArcSide::Neither},
      {"one_step_ahead", StepAbove(0), ArcSide::Ahead},
      {"one_step_behind", StepBelow(0), ArcSide::Behind},
      {"one_step_short_of_opposite_ahead", StepBelow(180), ArcSide::Ahead},
      {"opposite", 180, ArcSide::Neither},
      {"one_step_past_opposite_is_behind", StepAbove(180), ArcSide::Behind},
      {"one_step_short_of_opposite_behind", StepAbove(-180), ArcSide::Behind},
      {"opposite_the_other_way", -180, ArcSide::Neither},
      {"one_step_past_it_is_ahead_across_0_aries", StepBelow(-180), ArcSide::Ahead},
  };
  for (const auto& r : sides) EXPECT_EQ(ArcSideOf(r.diff), r.side) << r.edge;
}

// ---- The speed order's exchange sort never exchanges equal speeds: the
// Sun as fast as the Moon keeps the first place; one step faster, the Moon
// takes it. The exchanges can still reorder a tie (Mars before Venus).
TEST(HoraryAspectBounds, SpeedOrderTies) {
  // daily motions of Sun, Mercury ... Pluto, Moon
  const struct { const char* edge; std::vector<double> speeds; std::vector<int> order; } rows[] = {
      {"sun_as_fast_as_the_moon_is_never_exchanged", {13, 1.5, 1.2, 0.6, 0.1, 0.05, 0.04, 0.02, 0.01, 13},
       {Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto}},
      {"moon_one_step_faster_goes_first", {13, 1.5, 1.2, 0.6, 0.1, 0.05, 0.04, 0.02, 0.01, StepAbove(13)},
       {Moon, Sun, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto}},
      {"venus_and_mars_equal_end_as_the_exchanges_leave_them", {1, 1.5, 0.7, -0.7, 0.1, 0.05, 0.04, 0.02, -0.01, 13},
       {Moon, Mercury, Sun, Mars, Venus, Jupiter, Saturn, Uranus, Neptune, Pluto}},
  };
  for (const auto& r : rows) {
    PointArray speed{};
    std::copy(r.speeds.begin(), r.speeds.end(), speed.begin() + Sun);
    const SpeedOrderList order = SpeedOrder(speed);
    EXPECT_EQ(std::vector<int>(order.begin() + 1, order.begin() + 11), r.order) << r.edge;
  }
}

// ---- Only the faster of two planets qualifies their aspect, the Moon
// included as the slower one: Mercury at 14 degrees a day, 62 degrees ahead
// of the Moon, separates from a dexter sextile.
TEST(HoraryAspectBounds, QualifierOfAPlanetFasterThanTheMoon) {
  ChartSet chart = testing::HoraryChart({{Mercury, 100}, {Moon, 38}});
  chart.Speed[Mercury] = 14, chart.Speed[Moon] = 13;
  std::string mercuryToMoon = "none", moonToMercury = "none";
  for (const auto& block : HoraryAspectBlocks(chart, testing::HoraryFixtureOptions()))
    for (const HoraryAspect& a : block) {
      if (a.first == Mercury && a.second == Moon) mercuryToMoon = a.qualifier;
      if (a.first == Moon && a.second == Mercury) moonToMercury = a.qualifier;
    }
  EXPECT_EQ(mercuryToMoon, "sep, dex ");
  EXPECT_EQ(moonToMercury, "");
}

// ---- Antiscia: a point within one degree of an antiscion or
// contrantiscion, both ends included, across 0 Aries too. The Moon at 0
// Cancer is its own antiscion (90; contrantiscion 270); at 29 30 Virgo its
// antiscion is 0 30 Aries.
TEST(HoraryAspectBounds, AntisciaWithinOneDegree) {
  const struct { const char* edge; double moon, sun; bool contra, contact; } rows[] = {
      {"one_degree_past_the_antiscion", 90, 91, false, true},
      {"one_step_more", 90, StepAbove(91), false, false},
      {"one_degree_short_of_the_antiscion", 90, 89, false, true},
      {"one_step_further_short", 90, StepBelow(89), false, false},
      {"359_apart_across_0_aries", 179.5, 359.5, false, true},
      {"one_step_less_than_359_apart", 179.5, StepBelow(359.5), false, false},
      {"one_degree_past_the_contrantiscion", 90, 271, true, true},
      {"one_step_more_past_the_contrantiscion", 90, StepAbove(271), true, false},
  };
  for (const auto& r : rows) {
    const auto contacts = AntiscionContacts(testing::HoraryChart({{Moon, r.moon}, {Sun, r.sun}}));
    const bool found = std::any_of(contacts.begin(), contacts.end(), [&](const AntiscionContact& c) {
      return c.point == Sun && c.of == Moon && c.contra == r.contra;
    });
    EXPECT_EQ(found, r.contact) << r.edge;
  }
  // An antiscion of 180 (0 Aries mirrored) has its contrantiscion at 0, not
  // 360; one below 180 keeps its sum (the step below 180 itself sums to 360).
  EXPECT_EQ(ContraAntiscion(180), 0);
  EXPECT_EQ(ContraAntiscion(179.75), 359.75);
}

// ---- Fixed-star windows in a chart of 1990 (no precession for the stars
// of 1990): Regulus from 148.7 to 150.7, Algol 56.03 with the orb (1.5)
// either side, the ends built as the contact test builds them.
TEST(HoraryAspectBounds, FixedStarWindowEnds) {
  constexpr int kAlgol = 0, kRegulus = 3;
  const double algolFrom = 56.03 - 1.5, algolTo = 56.03 + 1.5;
  const struct { const char* edge; double sun; int star; bool contact; } rows[] = {
      {"regulus_at_its_lower_end", 148.7, kRegulus, true},
      {"one_step_below_regulus", StepBelow(148.7), kRegulus, false},
      {"regulus_at_its_upper_end", 150.7, kRegulus, true},
      {"one_step_above_regulus", StepAbove(150.7), kRegulus, false},
      {"algol_at_its_orb_below", algolFrom, kAlgol, true},
      {"one_step_beyond_algols_orb_below", StepBelow(algolFrom), kAlgol, false},
      {"algol_at_its_orb_above", algolTo, kAlgol, true},
      {"one_step_beyond_algols_orb_above", StepAbove(algolTo), kAlgol, false},
  };
  const StarPrecession in1990{0, -10 * 50.23 / 3600};
  for (const auto& r : rows) {
    const auto contacts = StarContactsOf(testing::HoraryChart({{Sun, r.sun}}), in1990, 1.5);
    EXPECT_EQ(std::count(contacts.begin(), contacts.end(), StarContact{Sun, r.star}) == 1, r.contact) << r.edge;
  }
}

}  // namespace
}  // namespace halcyra
