#include "core/chart_driver.h"

#include <cmath>

#include "core/angle_helpers.h"
#include "core/calendar.h"
#include "core/chart_time.h"
#include "core/compute_chart.h"
#include "core/declinations.h"
#include "core/ephemeris_driver.h"
#include "core/house_row.h"
#include "core/house_systems.h"
#include "core/sun.h"
#include "core/table_bodies.h"
#include "state/shared_tables.h"

namespace halcyra {

namespace {

// What every chart starts from afresh.
void ResetPerChartTables(AppState& state) {
  state.wheel.WheelCaption1.fill("");
  state.wheel.WheelCaption2.fill("");
  ChartState& chart = state.chart;
  chart.StrengthScore.fill(0);
  chart.SkipNextDay = 0;
  for (int p = 0; p <= NumPoints; ++p) chart.PointAbbr[p] = PointAbbrNames[p];
}

// The return searches start from the transit date and place.
void SeedReturnSearches(AppState& state) {
  const ChartInput& in = state.input;
  ReturnSeeds& seeds = state.chart.returns;
  seeds.ReturnDay = in.Transit.Day;
  seeds.ReturnMonth = in.Transit.Month;
  seeds.ReturnYear = in.Transit.Year;
  seeds.ReturnTZ = 6;
  seeds.ReturnPlace = in.TransitPlace;
  seeds.SolarReturnYear = in.LastBirthdayYear;
}

ChartOptions OptionsOfChart(const AppState& state, FortuneFormula fortune) {
  return {state.options.HouseSystem, fortune, state.chart.SkipNextDay};
}

// Option 218: 0 the day formula, 1 the night formula, else by the chart's sect.
FortuneFormula NatalFortuneFormula(float option218) {
  if (option218 == 0) return FortuneFormula::Day;
  if (option218 == 1) return FortuneFormula::Night;
  return FortuneFormula::BySect;
}

// The moment and place a set's captions and headers show.
void SetMomentAndPlace(ChartSet& set, const Moment& moment, const std::string& dateText, const Place& place) {
  set.DateText = dateText;
  set.ClockTime = moment.ClockTime();
  set.AmPm = moment.AmPmText();
  set.Zone = moment.ZoneHours();
  set.Where = place;
}

// The natal and transit moments, and the progressed moment one day of life
// for each year, with an ephemeris pass there for the progressed points 1
// to 12 (the quick pass: the obliquity of its T alone, no chart angles; its
// Part of Fortune, Ascendant and Midheaven are replaced before the
// progressed set keeps them). The natal and transit sets take every point
// from their full passes, so only the progressed moment needs one here.
ChartSet QuickPasses(AppState& state) {
  ChartState& chart = state.chart;
  const ChartInput& in = state.input;
  ChartMoments& mo = chart.moments;

  mo.NatalMoment = DayMomentOf(in.Natal).Moment();
  mo.TransitMoment = DayMomentOf(in.Transit).Moment();
  mo.ProgMoment = mo.NatalMoment + (mo.TransitMoment - mo.NatalMoment) / 365.25;
  mo.ProgT = (mo.ProgMoment - 2415020) / 36525;
  mo.ProgSunLong = NormalizeDegrees(CalcSunPosition(mo.ProgT).Lambda);
  // day number and fraction of the progressed moment itself, so that the
  // planets counted from JD 2451545 stand at the same moment as the Sun and Moon
  const DayMoment m = SplitMoment(mo.ProgMoment);
  ChartSet quick;
  CalcPlanetPositions(MeanObliquityMoment(m.jday, m.dayFraction, mo.ProgT), chart.SkipNextDay, quick);
  return quick;
}

// The natal set at the natal moment and place, its Part of Fortune by
// option 218, and what only the natal chart keeps.
void NatalPass(AppState& state) {
  ChartState& chart = state.chart;
  const ChartInput& in = state.input;
  chart.ChartKind = 0;
  CalcChartTimeAndAngles(state);
  ChartSet& natal = chart.Natal;
  natal = ComputeChart(chart.clock, OptionsOfChart(state, NatalFortuneFormula(state.options.OptionValues[218])),
                       state.tables);
  SetMomentAndPlace(natal, in.Natal, in.NatalDateText, in.NatalPlace);

  chart.IsNightChart = natal.HouseOf(Sun) < 7 ? 1 : 0;
  chart.MoonDeclWork = natal.MoonDeclNextDay;
  chart.moments.Precession1990 = (in.Natal.Year - 1990) * 50.23 / 3600;
  chart.moments.Precession2000 = (in.Natal.Year - 2000) * 50.23 / 3600;
  for (int p = 1; p <= NumPoints; ++p) chart.NatalSolstice[p] = CalcAntiscion(natal.Long[p]);
}

// The progressed set: angles and cusps at the natal clock time and the
// transit place, the Midheaven directed by the arc of the progressed Sun;
// points 1 to 12 from the quick pass, the table-driven bodies, the Part of
// Fortune by the day formula and the house points from the directed angles
// and the progressed cusps.
void ProgressedPass(AppState& state, const ChartSet& quick) {
  ChartState& chart = state.chart;
  const ChartInput& in = state.input;
  chart.ChartKind = 1;
  CalcChartTimeAndAngles(state);
  const ChartClock& clock = chart.clock;
  chart.moments.ProgObliquityDeg = clock.ObliquityDeg;

  ChartSet& prog = chart.Prog;
  prog = quick;
  prog.Moment = chart.moments.ProgMoment;
  prog.SiderealText = SiderealTimeText(clock.SiderealHours, clock.SiderealMinutes, clock.SiderealSeconds);
  ComputeHouseCusps(state.options.HouseSystem, clock, prog.Cusp);
  // the quick pass flags points 2 to 11; the tables flag their own bodies
  CalcTableBodies(chart.moments.ProgMoment, state.tables, prog);

  const DirectedAngles angles = CalcSolarArcAngles(chart.Natal.Long[Midheaven], prog.Long[Sun] - chart.Natal.Long[Sun],
                                                   clock.ObliquityDeg, clock.GeoLatitude);
  prog.Long[Ascendant] = angles.Ascendant;
  prog.Long[Midheaven] = angles.Midheaven;
  prog.Long[PartOfFortune] = NormalizeDegrees(prog.Long[Moon] + prog.Long[Ascendant] - prog.Long[Sun]);
  // houses 1 to 6: the directed Ascendant, cusps 2, 3, 5, 6 and the IC of
  // the directed Midheaven
  prog.Long[26] = prog.Long[Ascendant];
  prog.Long[27] = prog.Cusp[5];
  prog.Long[28] = prog.Cusp[6];
  prog.Long[29] = NormalizeDegrees(prog.Long[Midheaven] + 180);
  prog.Long[30] = prog.Cusp[8];
  prog.Long[31] = prog.Cusp[9];
  // the node and the Part of Fortune get their declinations here: the
  // quick pass gives none
  CalcDeclinations(prog, DegToRad(chart.moments.ProgObliquityDeg));
  prog.HouseTags = BuildPlanetHouseRow(prog.Long, prog.Cusp);
  for (int p = 1; p <= NumPoints; ++p) prog.Speed[p] = SignedMotion(prog.LongNextDay[p] - prog.Long[p]);
  prog.Where = in.TransitPlace;
}

// Every natal point and cusp moved by the arc of the progressed Sun.
void SolarArcPass(AppState& state) {
  ChartState& chart = state.chart;
  chart.ChartKind = 2;
  float& arc = chart.moments.SolarArc;
  arc = static_cast<float>(NormalizeDegrees(chart.moments.ProgSunLong - chart.Natal.Long[Sun]));
  // Single precision rounds an arc a hair below 360 up to 360, which is no arc.
  if (arc >= 360.0f) arc = 0.0f;
  ChartSet& set = chart.SolarArc;
  set = ChartSet{};
  for (int i = 1; i <= 13; ++i) set.Cusp[i] = NormalizeDegrees(arc + chart.Natal.Cusp[i]);
  for (int p = 1; p <= NumPoints; ++p) set.Long[p] = NormalizeDegrees(arc + chart.Natal.Long[p]);
  set.NoData = chart.Natal.NoData;
}

// The transit (or second-person) set at its moment and place; the working
// set keeps it, and the wheel's sets take its positions and flags.
void TransitPass(AppState& state) {
  ChartState& chart = state.chart;
  const ChartInput& in = state.input;
  chart.ChartKind = 3;
  CalcChartTimeAndAngles(state);
  ChartSet& transit = chart.Transit;
  transit = ComputeChart(chart.clock, OptionsOfChart(state, FortuneFormula::Day), state.tables);
  SetMomentAndPlace(transit, in.Transit, in.TransitDateText, in.TransitPlace);
  chart.Working = transit;

  state.wheel.Wheel.Long = transit.Long;
  state.wheel.Wheel.Decl = transit.Decl;
  state.wheel.Wheel2.RetroFlags = transit.RetroFlags;
}

}  // namespace

DayMoment DayMomentOf(const Moment& moment) {
  return {DateToJulianDay(moment.Year, moment.Month, moment.Day), moment.UniversalDayFraction()};
}

DayMoment SplitMoment(double moment) {
  const double jday = Int(moment + 0.5);
  return {jday, moment + 0.5 - jday};
}

void ComputeChartSets(AppState& state) {
  ChartState& chart = state.chart;
  chart.MoreMenuVisible = 0;
  chart.WheelMode = 2;
  ResetPerChartTables(state);
  SeedReturnSearches(state);
  chart.moments.AgeYears = state.input.LastBirthdayYear - state.input.Natal.Year;
  const ChartSet quick = QuickPasses(state);
  NatalPass(state);
  ProgressedPass(state, quick);
  SolarArcPass(state);
  TransitPass(state);
}

}  // namespace halcyra
