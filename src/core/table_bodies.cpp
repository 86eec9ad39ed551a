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

void InterpolatePoint(const TableDay& day, const DailyTable& table, int point, WorkingSet& work) {
  const std::vector<float>& lon = table.Long;
  const std::vector<float>& decl = table.Decl;
  // a table shorter than its span has no data there either
  const bool haveData = day.inRange && lon.size() > day.k + 1 && decl.size() > day.k + 1;
  work.NoData[point] = !haveData;
  if (!haveData) {
    work.PointLong[point] = 0;
    work.PointDecl[point] = 0;
    return;
  }
  const double a = lon[day.k];
  const double b0 = lon[day.k + 1];
  double b = b0;
  if (a > 340 && b < 20) b = b + 360;
  if (a < 20 && b > 340) b = b - 360;
  work.PointLong[point] = NormalizeDegrees(a + day.f * (b - a));
  const double d0 = decl[day.k];
  const double d1 = decl[day.k + 1];
  work.PointDecl[point] = d0 + day.f * (d1 - d0);

  // backwards by less than 10 degrees, or forwards past 0 Aries by a step
  // that is really a small backward one
  const double step = b0 - a;
  if ((step < 0 && step > -10) || step > 350) work.RetroFlags[point - 1] = 'R';
}

void InterpolateDaily(double moment, const DailyTable& table, int point, WorkingSet& work) {
  InterpolatePoint(FindTableDay(moment), table, point, work);
}

}  // namespace

void CalcChironFromTable(double moment, const StartupTables& tables, WorkingSet& work) {
  InterpolateDaily(moment, tables.Chiron, Chiron, work);
}

void CalcTransPlutoFromTable(double moment, const StartupTables& tables, WorkingSet& work) {
  InterpolateDaily(moment, tables.TransPluto, TransPluto, work);
}

void CalcUranianPointsFromTable(double moment, const StartupTables& tables, WorkingSet& work) {
  const TableDay day = FindTableDay(moment);
  InterpolatePoint(day, tables.Lilith, Lilith, work);
  for (int p = FirstUranianPoint; p <= LastUranianPoint; ++p)
    InterpolatePoint(day, tables.Uranian[p - FirstUranianPoint], p, work);
}

}  // namespace halcyra
