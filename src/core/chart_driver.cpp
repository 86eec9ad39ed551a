#include "core/chart_driver.h"

#include <cmath>

#include "core/angle_helpers.h"
#include "core/calendar.h"
#include "core/chart_time.h"
#include "core/declinations.h"
#include "core/ephemeris_driver.h"
#include "core/house_row.h"
#include "core/house_systems.h"
#include "core/sun.h"
#include "core/table_bodies.h"
#include "state/shared_tables.h"

namespace halcyra {

namespace {

// Step 3: what every chart starts from afresh.
void ResetPerChartTables(ChartState& chart) {
  chart.WheelCaption1.fill("");
  chart.WheelCaption2.fill("");
  chart.StrengthScore.fill(0);
  chart.SkipNextDay = 0;
  for (int p = 0; p <= NumPoints; ++p) chart.PointAbbr[p] = PointAbbrNames[p];
}

// Step 6: the return searches start from the transit date and place.
void SeedReturnSearches(AppState& state) {
  const ChartInput& in = state.input;
  ReturnSeeds& seeds = state.chart.returns;
  seeds.ReturnDay = in.TransitDay;
  seeds.ReturnMonth = in.TransitMonth;
  seeds.ReturnYear = in.TransitYear;
  seeds.ReturnTZ = 6;
  seeds.ReturnGeoLong = in.TransitGeoLong;
  seeds.ReturnGeoLat = in.TransitGeoLat;
  seeds.ReturnEWText = in.TransitEWText;
  seeds.ReturnNSText = in.TransitNSText;
  seeds.SolarReturnYear = in.LastBirthdayYear;
}

// A pass of the ephemeris at a moment that has no chart angles of its own:
// the obliquity from T alone. Its Part of Fortune, Ascendant and Midheaven
// are replaced before any set keeps them.
void QuickEphemerisPass(AppState& state, const DayMoment& m, double t) {
  const EphemerisMoment em{m.jday, m.dayFraction, t, -DegToRad(MeanObliquityDeg(t)), 0, 0};
  CalcPlanetPositions(em, state.chart.SkipNextDay, state.chart.work, state.chart.ephem);
}

// The ephemeris at the moment and with the angles the chart time just set.
void FullEphemerisPass(AppState& state) {
  const ChartClock& c = state.chart.clock;
  const EphemerisMoment em{c.JDay, c.DayFraction, c.TCenturies, c.Obliquity, c.AscLong, c.MCLong};
  CalcPlanetPositions(em, state.chart.SkipNextDay, state.chart.work, state.chart.ephem);
}

void CopyQuickPoints(const WorkingSet& work, PointArray& longs, PointArray& decls, std::string& flags) {
  for (int p = 1; p <= PartOfFortune; ++p) {
    longs[p] = work.PointLong[p];
    decls[p] = work.PointDecl[p];
  }
  flags = work.RetroFlags;
}

void CopyCusps(const CuspTable& from, CuspTable& to) {
  for (int i = 1; i <= 13; ++i) to[i] = from[i];
}

// Points 26 to 31 are the cusps of houses 1 to 6: cusp entries 4 to 9.
void SetHousePoints(WorkingSet& work, const CuspTable& cusps) {
  for (int p = FirstHousePoint; p <= LastHousePoint; ++p) work.PointLong[p] = cusps[p - FirstHousePoint + 4];
}

void CalcTableBodies(AppState& state, double moment) {
  CalcChironFromTable(moment, state.tables, state.chart.work);
  CalcTransPlutoFromTable(moment, state.tables, state.chart.work);
  CalcUranianPointsFromTable(moment, state.tables, state.chart.work);
}

double SignedMotion(double degrees) {
  if (degrees > 180) return degrees - 360;
  if (degrees < -180) return degrees + 360;
  return degrees;
}

// Steps 7 to 9: the natal and transit moments, and the progressed moment
// one day of life for each year, with the progressed points 1 to 12. The
// natal and transit sets take every point from their full passes (steps
// 10 and 14), which overwrite all that an ephemeris pass at those two
// moments would leave here, so only the progressed moment runs one.
void QuickPasses(AppState& state) {
  ChartState& chart = state.chart;
  ChartInput& in = state.input;
  ChartMoments& mo = chart.moments;

  mo.NatalMoment = NatalDayMoment(in).Moment();
  mo.TransitMoment = TransitDayMoment(in).Moment();
  mo.ProgMoment = mo.NatalMoment + (mo.TransitMoment - mo.NatalMoment) / 365.25;
  mo.ProgT = (mo.ProgMoment - 2415020) / 36525;
  mo.ProgSunLong = NormalizeDegrees(CalcSunPosition(mo.ProgT).Lambda);
  // day number and fraction of the progressed moment itself, so that the
  // planets counted from JD 2451545 stand at the same moment as the Sun and Moon
  QuickEphemerisPass(state, SplitMoment(mo.ProgMoment), mo.ProgT);
  CopyQuickPoints(chart.work, chart.prog.ProgLong, chart.prog.ProgDecl, chart.prog.ProgRetroFlags);
  in.NatalEWText = in.EWText;
  in.NatalNSText = in.NSText;
}

// Step 10.
void NatalPass(AppState& state) {
  ChartState& chart = state.chart;
  WorkingSet& work = chart.work;
  NatalSet& natal = chart.natal;
  chart.ChartKind = 0;
  CalcChartTimeAndAngles(state);
  CalcHouseCusps(state);
  natal.NatalVertex = work.VertexLong;
  natal.NatalEquatorialAsc = work.EquatorialAscLong;
  natal.NatalCoAsc = work.CoAscLong;
  natal.NatalPolarAsc = work.PolarAscLong;
  natal.NatalSiderealText = work.SiderealText;
  CopyCusps(work.ChartCusp, natal.NatalCusp);

  FullEphemerisPass(state);
  SetHousePoints(work, natal.NatalCusp);
  BuildPlanetHouseRow(state);
  natal.NatalHouseTags = work.HouseTags;
  natal.IsNightChart = HouseNumberOf(natal.NatalHouseTags, Sun) < 7 ? 1 : 0;

  // Part of Fortune by option 218: 0 the day formula, 1 the night formula,
  // else by the Sun's side of the horizon. The Ascendant itself, since cusp
  // entry 4 is not the Ascendant in the equal-from-MC, Meridian and
  // Morinus systems.
  const float rule = state.options.OptionValues[218];
  const bool night = rule == 0 ? false : (rule == 1 ? true : natal.IsNightChart == 1);
  const double asc = chart.clock.AscLong;
  const double sun = work.PointLong[Sun], moon = work.PointLong[Moon];
  work.PointLong[PartOfFortune] = NormalizeDegrees(night ? sun + asc - moon : moon + asc - sun);

  CalcTableBodies(state, chart.clock.TableMoment);
  BuildPlanetHouseRow(state);
  natal.NatalHouseTags = work.HouseTags;
  CalcDeclinations(state);
  natal.MoonDeclWork = chart.ephem.MoonDeclNextDay;
  chart.moments.Precession1990 = (state.input.NatalYearInt - 1990) * 50.23 / 3600;
  chart.moments.Precession2000 = (state.input.NatalYearInt - 2000) * 50.23 / 3600;

  for (int p = 1; p <= NumPoints; ++p) {
    natal.NatalLong[p] = work.PointLong[p];
    natal.PlanetSpeed[p] = SignedMotion(work.PointLongNextDay[p] - natal.NatalLong[p]);
    natal.NatalDecl[p] = work.PointDecl[p];
    natal.NatalSolstice[p] = CalcAntiscion(natal.NatalLong[p]);
  }
  natal.NatalRetroFlags = work.RetroFlags;
  natal.NatalNoData = work.NoData;
}

// Step 11: angles and cusps at the natal clock time and the transit place,
// the Midheaven directed by solar arc; points 1 to 12 from quick pass 3.
void ProgressedPass(AppState& state) {
  ChartState& chart = state.chart;
  WorkingSet& work = chart.work;
  ProgressedSet& prog = chart.prog;
  chart.ChartKind = 1;
  CalcChartTimeAndAngles(state);
  chart.moments.ProgObliquityDeg = chart.clock.ObliquityDeg;
  CalcHouseCusps(state);
  CopyCusps(work.ChartCusp, prog.ProgCusp);

  // Only the table calls set flags here: clear what the natal pass left, so
  // the progressed flags are the progressed motion alone.
  for (int p = Chiron; p <= NumPoints; ++p) work.RetroFlags[p - 1] = ' ';
  CalcTableBodies(state, chart.moments.ProgMoment);
  prog.ProgRetroFlags = prog.ProgRetroFlags.substr(0, PartOfFortune) + work.RetroFlags.substr(PartOfFortune);

  CalcSolarArcAngles(state);
  prog.ProgLong[Ascendant] = work.PointLong[Ascendant];
  prog.ProgLong[Midheaven] = work.PointLong[Midheaven];
  prog.ProgLong[PartOfFortune] =
      NormalizeDegrees(prog.ProgLong[Moon] + prog.ProgLong[Ascendant] - prog.ProgLong[Sun]);
  work.PointLong[26] = prog.ProgLong[Ascendant];
  work.PointLong[27] = prog.ProgCusp[5];
  work.PointLong[28] = prog.ProgCusp[6];
  work.PointLong[29] = NormalizeDegrees(prog.ProgLong[Midheaven] + 180);
  work.PointLong[30] = prog.ProgCusp[8];
  work.PointLong[31] = prog.ProgCusp[9];
  // The node and the Part of Fortune get their declinations here too: the
  // quick pass gives none, and the working set still holds the natal ones.
  work.PointLong[NorthNode] = prog.ProgLong[NorthNode];
  work.PointLong[PartOfFortune] = prog.ProgLong[PartOfFortune];
  CalcDeclinations(state);
  for (int p = NorthNode; p <= NumPoints; ++p) {
    prog.ProgLong[p] = work.PointLong[p];
    prog.ProgDecl[p] = work.PointDecl[p];
  }
  prog.ProgNoData = work.NoData;
}

// Step 12: every natal point and cusp moved by the arc of the progressed Sun.
void SolarArcPass(AppState& state) {
  ChartState& chart = state.chart;
  SolarArcSet& arc = chart.arc;
  chart.ChartKind = 2;
  arc.SolarArc = static_cast<float>(NormalizeDegrees(chart.moments.ProgSunLong - chart.natal.NatalLong[Sun]));
  // Single precision rounds an arc a hair below 360 up to 360, which is no arc.
  if (arc.SolarArc >= 360.0f) arc.SolarArc = 0.0f;
  for (int i = 1; i <= 13; ++i) arc.SolarArcCusp[i] = NormalizeDegrees(arc.SolarArc + chart.natal.NatalCusp[i]);
  for (int p = 1; p <= NumPoints; ++p)
    arc.SolarArcLong[p] = NormalizeDegrees(arc.SolarArc + chart.natal.NatalLong[p]);
}

// Steps 13 and 14.
void TransitPass(AppState& state) {
  ChartState& chart = state.chart;
  WorkingSet& work = chart.work;
  TransitSet& transit = chart.transit;
  chart.ChartKind = 3;
  CalcChartTimeAndAngles(state);
  CalcHouseCusps(state);
  transit.TransitSiderealText = work.SiderealText;
  CopyCusps(work.ChartCusp, transit.TransitCusp);

  FullEphemerisPass(state);
  SetHousePoints(work, transit.TransitCusp);
  CalcTableBodies(state, chart.clock.TableMoment);
  BuildPlanetHouseRow(state);
  transit.TransitHouseTags = work.HouseTags;
  CalcDeclinations(state);

  for (int p = 1; p <= NumPoints; ++p) {
    transit.TransitLong[p] = work.PointLong[p];
    transit.TransitDecl[p] = work.PointDecl[p];
  }
  transit.TransitRetroFlags = work.RetroFlags;
  transit.TransitNoData = work.NoData;

  state.wheel.Wheel.Long = transit.TransitLong;
  state.wheel.Wheel.Decl = transit.TransitDecl;
  state.wheel.Wheel2.RetroFlags = transit.TransitRetroFlags;
}

}  // namespace

DayMoment NatalDayMoment(const ChartInput& in) {
  return {DateToJulianDay(in.NatalYearInt, in.NatalMonthInt, in.NatalDayInt),
          ClockDayFraction(in.NatalClockTime, in.NatalTZ, in.NatalAmPm)};
}

DayMoment TransitDayMoment(const ChartInput& in) {
  return {DateToJulianDay(in.TransitYear, in.TransitMonth, in.TransitDay),
          ClockDayFraction(in.ChartClockTime, in.TransitTZ, in.ChartAmPm)};
}

DayMoment SplitMoment(double moment) {
  const double jday = Int(moment + 0.5);
  return {jday, moment + 0.5 - jday};
}

void ComputeChartSets(AppState& state) {
  ChartState& chart = state.chart;
  chart.MoreMenuVisible = 0;
  chart.WheelMode = 2;
  ResetPerChartTables(chart);
  SeedReturnSearches(state);
  chart.moments.AgeYears = state.input.LastBirthdayYear - state.input.NatalYearInt;
  QuickPasses(state);
  NatalPass(state);
  ProgressedPass(state);
  SolarArcPass(state);
  TransitPass(state);
}

}  // namespace halcyra
