#include "wheels/wheel_commands.h"

#include <cctype>
#include <cmath>

#include "core/angle_helpers.h"
#include "core/house_row.h"
#include "core/house_system_heading.h"
#include "platform/number_format.h"
#include "platform/number_text.h"
#include "wheels/turn_natal.h"

namespace halcyra {

namespace {

const std::string NoRetroFlags(NumPoints, ' ');

std::string LowerCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// Caption lines 2 to 5: the date, the clock time with its A.M./P.M. and
// zone, the longitude and the latitude.
void SetMomentAndPlaceLines(CaptionBlock& lines, const Moment& moment, const Place& place, bool lowerCaseAmPm) {
  const std::string amPm = moment.AmPmText();
  lines[2] = FormatDateDdMmmYyyy(moment.Day, moment.Month, moment.Year);
  lines[3] = FormatNumber(moment.ClockTime(), "#0.00") + " " + (lowerCaseAmPm ? LowerCase(amPm) : amPm) + " (" +
             PlainNumberText(moment.ZoneHours()) + ")";
  lines[4] = FormatNumber(place.LongitudeDM().Dot(), "##0.00") + " " + place.EWText();
  lines[5] = FormatNumber(place.LatitudeDM().Dot(), "#0.00") + " " + place.NSText();
}

void CopyCusps(CuspTable& to, const CuspTable& from) {
  for (int e = 1; e <= 13; ++e) to[e] = from[e];
}

void CopyPoints(PointArray& to, const PointArray& from) {
  for (int p = 1; p <= NumPoints; ++p) to[p] = from[p];
}

// The date, place and sidereal time of the natal chart into a wheel set,
// for its captions.
void TakeNatalPlace(const AppState& state, ChartSet& set) {
  const ChartSet& natal = state.chart.Natal;
  set.DateText = natal.DateText;
  set.SiderealText = natal.SiderealText;
  set.Where = natal.Where;
}

// The natal set, with its place, into the first wheel set.
void NatalIntoFirstWheelSet(AppState& state) {
  ChartSet& first = state.wheel.Wheel;
  const ChartSet& natal = state.chart.Natal;
  CopyCusps(first.Cusp, natal.Cusp);
  CopyPoints(first.Long, natal.Long);
  CopyPoints(first.Decl, natal.Decl);
  first.RetroFlags = natal.RetroFlags;
  first.HouseTags = natal.HouseTags;
  TakeNatalPlace(state, first);
}

// The working set's house row for `longitudes` in `cusps`, as the wheel set's tags.
std::string HouseRowInWorkingSet(AppState& state, const PointArray& longitudes, const CuspTable& cusps) {
  ChartSet& work = state.chart.Working;
  CopyPoints(work.Long, longitudes);
  for (int e = 1; e <= 12; ++e) work.Cusp[e] = cusps[e];
  work.HouseTags = BuildPlanetHouseRow(work.Long, work.Cusp);
  return work.HouseTags;
}

// The first steps of a dual command: the second caption afresh with its
// title, a dual wheel, the natal caption and the orb file.
void BeginDualWheel(AppState& state, const std::string& secondTitle, const std::string& orbFile) {
  WheelCaption2(state).fill("");
  state.flags.WheelKind = 2;
  BuildNatalHeadingLines(state);
  WheelCaption2(state)[1] = secondTitle;
  SetWheelOrbFile(state, orbFile);
}

void SetTransitLines(CaptionBlock& caption, const CaptionBlock& lines, int last) {
  for (int line = 2; line <= last; ++line) caption[static_cast<size_t>(line)] = lines[static_cast<size_t>(line)];
}

// The single natal-point wheel of the solar-equilibrium and user-Ascendant
// commands: the natal planets in equal houses from one degree.
void SingleEqualHouseWheel(AppState& state, double start, const std::string& title) {
  WheelSets& wheel = state.wheel;
  const ChartSet& natal = state.chart.Natal;
  state.flags.WheelKind = 1;
  BuildNatalHeadingLines(state);
  WheelCaption1(state)[1] = state.chart.ChartName + title;
  WheelCaption1(state)[7] = "";
  SetWheelOrbFile(state, "NATAL.ORB");
  CopyPoints(wheel.Wheel.Long, natal.Long);
  CopyPoints(wheel.Wheel.Decl, natal.Decl);
  wheel.Wheel.RetroFlags = natal.RetroFlags;
  wheel.Wheel.Cusp = EqualHousesFrom(start, wheel.Wheel.Cusp);
  wheel.Wheel.HouseTags = HouseRowInWorkingSet(state, natal.Long, wheel.Wheel.Cusp);
  TakeNatalPlace(state, wheel.Wheel);
  state.chart.ChartKind = 0;
}

// The second wheel set from a chart's points and cusps, tagged with its own houses.
void SecondSetFrom(AppState& state, const PointArray& longitudes, const PointArray& declinations,
                   const CuspTable& cusps, const std::string& retroFlags) {
  WheelSets& wheel = state.wheel;
  CopyCusps(wheel.Wheel2.Cusp, cusps);
  CopyPoints(wheel.Wheel2.Long, longitudes);
  CopyPoints(wheel.Wheel2.Decl, declinations);
  wheel.Wheel2.RetroFlags = retroFlags;
  wheel.Wheel2.HouseTags = HouseRowInWorkingSet(state, longitudes, cusps);
}

// The transits round the natal planets in equal houses from one degree.
void DualEqualHouseWheel(AppState& state, double start, const std::string& title) {
  WheelSets& wheel = state.wheel;
  const ChartSet& transit = state.chart.Transit;
  BeginDualWheel(state, "Transits", "NAT2TRAN.orb");
  WheelCaption1(state)[1] = state.chart.ChartName + title;
  WheelCaption1(state)[7] = "";
  SetTransitLines(WheelCaption2(state), TransitCaptionLines(state, true), 7);
  PrepareDualWheelNatal(state);
  wheel.Wheel.Cusp = EqualHousesFrom(start, wheel.Wheel.Cusp);
  wheel.Wheel.HouseTags = HouseRowInWorkingSet(state, state.chart.Natal.Long, wheel.Wheel.Cusp);
  SecondSetFrom(state, transit.Long, transit.Decl, transit.Cusp, transit.RetroFlags);
}

}  // namespace

CaptionBlock& WheelCaption1(AppState& state) { return state.wheel.WheelCaption1; }
CaptionBlock& WheelCaption2(AppState& state) { return state.wheel.WheelCaption2; }

std::string PlainNumberText(double value) {
  std::string text = StrNumber(value, 7);
  if (!text.empty() && text[0] == ' ') text.erase(0, 1);
  return text;
}

void BuildNatalHeadingLines(AppState& state) {
  const ChartInput& in = state.input;
  CaptionBlock& lines = WheelCaption1(state);
  lines[1] = state.chart.ChartName + " - natal";
  SetMomentAndPlaceLines(lines, in.Natal, in.NatalPlace, false);
  lines[6] = state.chart.Natal.SiderealText;
  SetHouseSystemHeading(state);
}

CaptionBlock TransitCaptionLines(const AppState& state, bool lowerCaseAmPm) {
  const ChartInput& in = state.input;
  CaptionBlock lines{};
  SetMomentAndPlaceLines(lines, in.Transit, in.TransitPlace, lowerCaseAmPm);
  return lines;
}

void BuildSecondHeadingLines(AppState& state) {
  SetTransitLines(WheelCaption2(state), TransitCaptionLines(state, false), 6);
}

void BuildTransitHeadingLines(AppState& state) {
  BuildNatalHeadingLines(state);
  WheelCaption2(state)[1] = "Transit data";
  SetTransitLines(WheelCaption2(state), TransitCaptionLines(state, false), 5);
}

void SetWheelOrbFile(AppState& state, const std::string& name) { state.options.OrbFileName = state.AppPath + "/" + name; }

void PrepareDualWheelNatal(AppState& state) {
  NatalIntoFirstWheelSet(state);
  CopyCusps(state.wheel.Wheel2.Cusp, state.chart.Natal.Cusp);
  state.flags.WheelKind = 2;
  state.chart.ChartKind = 0;
}

void PrepareNatalWheel(AppState& state) {
  // The natal wheel carries the natal caption like every other wheel.
  BuildNatalHeadingLines(state);
  state.flags.WheelKind = 1;
  SetWheelOrbFile(state, "NATAL.ORB");
  NatalIntoFirstWheelSet(state);
  state.chart.ChartKind = 0;
}

void SetupNatalTransitDualWheel(AppState& state, bool secondPerson) {
  const ChartSet& transit = state.chart.Transit;
  BeginDualWheel(state, secondPerson ? state.chart.TransitChartName + " - natal" : "Transits",
                 secondPerson ? "SYNASTRY.ORB" : "NAT2TRAN.ORB");
  SetTransitLines(WheelCaption2(state), TransitCaptionLines(state, false), 7);
  PrepareDualWheelNatal(state);
  WheelSets& wheel = state.wheel;
  CopyCusps(wheel.Wheel2.Cusp, transit.Cusp);
  CopyPoints(wheel.Wheel2.Long, transit.Long);
  CopyPoints(wheel.Wheel2.Decl, transit.Decl);
  wheel.Wheel2.RetroFlags = transit.RetroFlags;
  wheel.Wheel2.HouseTags = transit.HouseTags;
}

CuspTable EqualHousesFrom(double start, const CuspTable& cusps) {
  CuspTable equal = cusps;
  equal[4] = start;
  for (int e = 5; e <= 12; ++e) equal[e] = NormalizeDegrees(equal[e - 1] + 30);
  equal[1] = NormalizeDegrees(equal[12] + 30);
  equal[2] = NormalizeDegrees(equal[1] + 30);
  equal[3] = NormalizeDegrees(equal[2] + 30);
  return equal;
}

double AscendantFromAnswer(const std::string& answer) {
  const double value = Val(answer);
  if (!std::isfinite(value)) return 0;  // as an answer that is no number
  // the remainder is exact for any size, where 360 * Int(x / 360) loses every
  // digit of a large answer
  double degrees = std::fmod(value, 360.0);
  if (degrees < 0) degrees += 360;
  return degrees < 360 ? degrees : 0;  // a hair below 0 rounds up to 360
}

void TurnNatalChart(AppState& state, int house) {
  PrepareNatalWheel(state);
  ChartSet& first = state.wheel.Wheel;
  if (house >= 2) {
    WheelCaption1(state)[1] = state.chart.ChartName + " - turned (" + std::to_string(house) + ") natal";
    first.Cusp = TurnedCusps(state.chart.Natal.Cusp, house);
  }
  // the points keep their natal places and take the turned houses
  first.HouseTags = HouseRowInWorkingSet(state, state.chart.Natal.Long, first.Cusp);
}

void WheelsSingleNatal(AppState& state) {
  state.chart.ChartReady = 0;
  PrepareNatalWheel(state);
}

void WheelsSingleNatalSolsticePoints(AppState& state) {
  WheelSets& wheel = state.wheel;
  const ChartSet& natal = state.chart.Natal;
  state.flags.WheelKind = 1;
  BuildNatalHeadingLines(state);
  WheelCaption1(state)[1] = state.chart.ChartName + " - natal solstice points";
  SetWheelOrbFile(state, "NATAL.ORB");
  CopyCusps(wheel.Wheel.Cusp, natal.Cusp);
  CopyPoints(wheel.Wheel.Long, state.chart.NatalSolstice);
  CopyPoints(wheel.Wheel.Decl, natal.Decl);
  wheel.Wheel.RetroFlags = NoRetroFlags;
  wheel.Wheel.HouseTags = HouseRowInWorkingSet(state, state.chart.NatalSolstice, natal.Cusp);
  TakeNatalPlace(state, wheel.Wheel);
  state.chart.ChartKind = 0;
}

void WheelsSingleSolarArc(AppState& state) {
  WheelSets& wheel = state.wheel;
  const ChartSet& natal = state.chart.Natal;
  const ChartSet& arc = state.chart.SolarArc;
  state.flags.WheelKind = 1;
  BuildNatalHeadingLines(state);
  WheelCaption1(state)[1] = state.chart.ChartName + " - solar arc";
  BuildSecondHeadingLines(state);
  SetWheelOrbFile(state, "SOLARARC.ORB");
  CopyCusps(wheel.Wheel.Cusp, arc.Cusp);
  CopyPoints(wheel.Wheel.Long, arc.Long);
  CopyPoints(wheel.Wheel.Decl, natal.Decl);
  wheel.Wheel.RetroFlags = NoRetroFlags;
  TakeNatalPlace(state, wheel.Wheel);
  wheel.Wheel.DateText = state.input.TransitDateText;
  wheel.Wheel.SiderealText = std::string(13, ' ');
  wheel.Wheel.HouseTags = natal.HouseTags;
  state.chart.ChartKind = 2;
}

void WheelsSingleTransits(AppState& state, bool secondPerson) {
  WheelSets& wheel = state.wheel;
  const ChartSet& transit = state.chart.Transit;
  const ChartInput& in = state.input;
  state.flags.WheelKind = 1;
  state.chart.ChartReady = 0;
  BuildNatalHeadingLines(state);
  CaptionBlock& caption = WheelCaption1(state);
  caption[1] = state.chart.TransitChartName;
  SetTransitLines(caption, TransitCaptionLines(state, false), 5);
  caption[6] = transit.SiderealText;
  CopyCusps(wheel.Wheel.Cusp, transit.Cusp);
  CopyPoints(wheel.Wheel.Long, transit.Long);
  CopyPoints(wheel.Wheel.Decl, transit.Decl);
  wheel.Wheel.RetroFlags = transit.RetroFlags;
  wheel.Wheel.DateText = in.TransitDateText;
  wheel.Wheel.SiderealText = transit.SiderealText;
  wheel.Wheel.HouseTags = transit.HouseTags;
  wheel.Wheel.Where = in.TransitPlace;
  SetWheelOrbFile(state, secondPerson ? "NATAL.ORB" : "TRANSIT.ORB");
  state.chart.ChartKind = 3;
}

void WheelsSingleSolarEquilibrium(AppState& state) {
  SingleEqualHouseWheel(state, state.chart.Natal.Long[Sun], " - solar equilibrium");
}

void WheelsSingleUserDefinedAsc(AppState& state, double ascendant) {
  SingleEqualHouseWheel(state, ascendant, " - user defined Asc");
}

void WheelsDualSolsticePointsNatal(AppState& state) {
  const ChartSet& natal = state.chart.Natal;
  BeginDualWheel(state, "Natal Solstice Points", "NATAL.ORB");
  PrepareDualWheelNatal(state);
  SecondSetFrom(state, state.chart.NatalSolstice, natal.Decl, natal.Cusp, NoRetroFlags);
}

void WheelsDualProgressedNatal(AppState& state) {
  const ChartSet& prog = state.chart.Prog;
  BeginDualWheel(state, "Progressed chart", "Progress.orb");
  SetTransitLines(WheelCaption2(state), TransitCaptionLines(state, true), 7);
  PrepareDualWheelNatal(state);
  SecondSetFrom(state, prog.Long, prog.Decl, prog.Cusp, prog.RetroFlags);
}

void WheelsDualSolarArcNatal(AppState& state) {
  const ChartSet& arc = state.chart.SolarArc;
  // the transit caption lines 2 to 5 under their own title; 6 and 7 empty
  BeginDualWheel(state, "Solar arc data", "SolarArc.ORB");
  SetTransitLines(WheelCaption2(state), TransitCaptionLines(state, false), 5);
  PrepareDualWheelNatal(state);
  SecondSetFrom(state, arc.Long, state.chart.Natal.Decl, arc.Cusp, NoRetroFlags);
}

void WheelsDualTransitsNatal(AppState& state, bool secondPerson) {
  state.chart.ChartReady = 0;
  SetupNatalTransitDualWheel(state, secondPerson);
}

void WheelsDualTransitsSolarEquilibrium(AppState& state) {
  DualEqualHouseWheel(state, state.chart.Natal.Long[Sun], " - solar equilibrium");
}

void WheelsDualTransitsUserDefinedAsc(AppState& state, double ascendant) {
  DualEqualHouseWheel(state, ascendant, " - user defined Asc");
}

}  // namespace halcyra
