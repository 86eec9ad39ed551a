#pragma once
// The horary orb test for one pair of points: the major aspect their
// separation makes within the sum of their moieties. The horary aspects
// report and the Moon's aspects within orb share it.
#include "state/option_tables.h"

namespace halcyra {

// Aspect codes the test can give.
inline constexpr int NoAspectCode = 1;
inline constexpr int ConjunctCode = 2;
inline constexpr int SextileCode = 3;
inline constexpr int SquareCode = 4;
inline constexpr int TrineCode = 5;
inline constexpr int OppositeCode = 6;

// A planet's moiety (options 34 to 43; Sun 34, Moon 35, Mercury 36 ... Pluto
// 43); every other point has none.
double HoraryMoiety(const OptionTables& options, int point);

struct OrbTest {
  int code = NoAspectCode;  // 1 none, 2 conjunct .. 6 opposite
  double signedOrb = 0;     // separation less the exact angle; negative short of exact
  double roundedOrb = 0;    // |signedOrb| rounded half up to one decimal
};

// separation: the shorter arc between the two points, 0 to 180 degrees.
// Windows are strict and tried in the order 60, 90, 120, 180, 0, the first
// that holds winning; the node and the Part of Fortune take conjunctions
// only. The result does not depend on the order of the two points.
OrbTest TestAspectWithinOrb(const OptionTables& options, int first, int second, double separation);

// Just under one minute of arc (not exactly 1/60): within it an aspect is partile.
inline constexpr double PartileTolerance = 0.0166666;

// Where the first of two points stands from the second on the shorter arc,
// which may cross 0 Aries; diff is the first longitude less the second
// (-360 to 360). Exactly together or opposite it is neither.
enum class ArcSide { Neither, Ahead, Behind };
ArcSide ArcSideOf(double diff);

// A signed orb short of exact, within the partile tolerance, or past exact.
enum class OrbPhase { ShortOfExact, Partile, PastExact };
OrbPhase OrbPhaseOf(double signedOrb);

// Whether an aspect closes or opens for a first point moving forward faster
// than the second; neither when partile or exactly together or opposite.
enum class AspectCourse { Neither, Closing, Opening };
AspectCourse AspectCourseOf(ArcSide side, OrbPhase phase);

}  // namespace halcyra
