#include "core/table_bodies.h"

#include <cmath>
#include <vector>

#include "core/angle_helpers.h"

namespace halcyra {

namespace {

constexpr double FirstTableDay = DailyTableFirstDay;
// The day of the last record, which has no following day to interpolate
// towards: from here on the tables have no data.
constexpr double LastRecordDay = DailyTableFirstDay + DailyTableDays - 1;

struct TableDay {
  bool inRange = false;
  std::size_t k = 0;  // record of the day
  double f = 0;       // fraction of the day from its noon
};

TableDay FindTableDay(double moment) {
  TableDay day;
  const double d = std::trunc(moment);
  if (!(d >= FirstTableDay && d < LastRecordDay)) return day;
  day.inRange = true;
  day.k = static_cast<std::size_t>(d - FirstTableDay);
  day.f = moment - d;
  return day;
}

void InterpolatePoint(const TableDay& day, const DailyTable& table, int point, ChartSet& set) {
  const std::vector<float>& lon = table.Long;
  const std::vector<float>& decl = table.Decl;
  // a table shorter than its span has no data there either
  const bool haveData = day.inRange && lon.size() > day.k + 1 && decl.size() > day.k + 1;
  set.NoData[point] = !haveData;
  if (!haveData) {
    set.Long[point] = 0;
    set.Decl[point] = 0;
    return;
  }
  const double a = lon[day.k];
  const double b0 = lon[day.k + 1];
  double b = b0;
  if (a > 340 && b < 20) b = b + 360;
  if (a < 20 && b > 340) b = b - 360;
  set.Long[point] = NormalizeDegrees(a + day.f * (b - a));
  const double d0 = decl[day.k];
  const double d1 = decl[day.k + 1];
  set.Decl[point] = d0 + day.f * (d1 - d0);

  // backwards by less than 10 degrees, or forwards past 0 Aries by a step
  // that is really a small backward one
  const double step = b0 - a;
  if ((step < 0 && step > -10) || step > 350) set.RetroFlags[point - 1] = 'R';
}

void InterpolateDaily(double moment, const DailyTable& table, int point, ChartSet& set) {
  InterpolatePoint(FindTableDay(moment), table, point, set);
}

}  // namespace

void CalcChironFromTable(double moment, const StartupTables& tables, ChartSet& set) {
  InterpolateDaily(moment, tables.Chiron, Chiron, set);
}

void CalcTransPlutoFromTable(double moment, const StartupTables& tables, ChartSet& set) {
  InterpolateDaily(moment, tables.TransPluto, TransPluto, set);
}

void CalcUranianPointsFromTable(double moment, const StartupTables& tables, ChartSet& set) {
  const TableDay day = FindTableDay(moment);
  InterpolatePoint(day, tables.Lilith, Lilith, set);
  for (int p = FirstUranianPoint; p <= LastUranianPoint; ++p)
    InterpolatePoint(day, tables.Uranian[p - FirstUranianPoint], p, set);
}

void CalcTableBodies(double moment, const StartupTables& tables, ChartSet& set) {
  CalcChironFromTable(moment, tables, set);
  CalcTransPlutoFromTable(moment, tables, set);
  CalcUranianPointsFromTable(moment, tables, set);
}

}  // namespace halcyra
