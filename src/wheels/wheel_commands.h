#pragma once
// The wheel sets and caption blocks the main window's Wheels commands
// prepare from the computed chart sets, before the wheel window shows them.
// Each command fills the first wheel set (for a dual wheel the second too),
// writes the captions, chooses the orb file and sets the wheel's kind; the
// window is shown by the caller.
#include <string>

#include "state/app_state.h"

namespace halcyra {

// The caption blocks while they still live in the chart state.
CaptionBlock& WheelCaption1(AppState& state);
CaptionBlock& WheelCaption2(AppState& state);

// A number as the program writes it into text: no leading blank ("6", "5.5", "-1").
std::string PlainNumberText(double value);

// Natal caption: the name and " - natal", date, time with A.M./P.M. and
// zone, longitude, latitude, sidereal time, house system.
void BuildNatalHeadingLines(AppState& state);
// Lines 2 to 7 of a transit or second-person caption (the A.M./P.M. text in
// lower case when asked); lines 6 and 7 empty.
CaptionBlock TransitCaptionLines(const AppState& state, bool lowerCaseAmPm);
// WheelCaption2() lines 2 to 6: the transit lines.
void BuildSecondHeadingLines(AppState& state);
// The natal caption, then WheelCaption2(): "Transit data" and the transit lines 2 to 5.
void BuildTransitHeadingLines(AppState& state);

// The orb file of the wheel: the program folder and the name as written.
void SetWheelOrbFile(AppState& state, const std::string& name);

// The natal set into the first wheel set with its place; the natal cusps
// into both wheel sets; WheelKind 2, ChartKind 0.
void PrepareDualWheelNatal(AppState& state);
// The single natal wheel: caption, NATAL.ORB, the natal set, WheelKind 1.
void PrepareNatalWheel(AppState& state);
// The transits (or second person) round the natal chart: captions, orb
// file NAT2TRAN.ORB or SYNASTRY.ORB, natal set first, transit set second.
void SetupNatalTransitDualWheel(AppState& state, bool secondPerson);

// Equal houses from one degree: the 1st house at `start`, each next one 30
// degrees on (the MC entry at start + 270); entries 0 and 13 kept.
CuspTable EqualHousesFrom(double start, const CuspTable& cusps);

inline constexpr const char* AscendantPrompt = "Enter the ASC degree, from 0 to 360:";
inline constexpr const char* AscendantTitle = "User Defined Ascendant";
inline constexpr const char* AscendantDefault = " 0";
// The typed Ascendant: the answer's leading number (0 for none, or for one
// beyond the largest number), brought exactly into [0, 360) however large.
double AscendantFromAnswer(const std::string& answer);

// Turn natal chart: the natal chart on a single wheel with its houses
// turned so natal house `house` (2 to 12) begins at the Ascendant, the
// caption saying so; 0 or 1 shows the natal houses. ShowChartWheel follows.
void TurnNatalChart(AppState& state, int house);

// The twelve commands (ShowChartWheel follows each).
void WheelsSingleNatal(AppState& state);
void WheelsSingleNatalSolsticePoints(AppState& state);
void WheelsSingleSolarArc(AppState& state);
void WheelsSingleTransits(AppState& state, bool secondPerson);
void WheelsSingleSolarEquilibrium(AppState& state);
void WheelsSingleUserDefinedAsc(AppState& state, double ascendant);
void WheelsDualSolsticePointsNatal(AppState& state);
void WheelsDualProgressedNatal(AppState& state);
void WheelsDualSolarArcNatal(AppState& state);
void WheelsDualTransitsNatal(AppState& state, bool secondPerson);
void WheelsDualTransitsSolarEquilibrium(AppState& state);
void WheelsDualTransitsUserDefinedAsc(AppState& state, double ascendant);

}  // namespace halcyra
