#include "horary/almutens.h"

#include <cmath>

#include "reports/report_headers.h"
#include "reports/report_names.h"
#include "state/shared_tables.h"

namespace halcyra {

namespace {

// A table value names a point only within the point range; anything else
// (a damaged or hand-edited file) names none rather than reading past the
// name table.
int PointOrNone(int value) { return value >= 0 && value <= NumPoints ? value : 0; }

}  // namespace

DegreeAlmutens AlmutensOfDegree(double longitude, bool night, const StartupTables& tables) {
  DegreeAlmutens result;
  if (!(longitude >= 0 && longitude < DegreeTableValues)) return result;
  const int degree = static_cast<int>(longitude);
  const DegreeTable& almuten = night ? tables.AlmutenNight : tables.AlmutenDay;
  const DegreeTable& co = night ? tables.CoAlmutenNight : tables.CoAlmutenDay;
  result.almuten = PointOrNone(almuten[degree]);
  result.coAlmuten = PointOrNone(co[degree]);
  result.addSaturn = night && degree == ThreeWayTieDegree;
  return result;
}

std::string AlmutenNamesText(const DegreeAlmutens& a) {
  std::string text(PointAbbrNames[a.almuten]);
  if (a.coAlmuten != 0) text += PointAbbrNames[a.coAlmuten];
  if (a.addSaturn) text += "SATURN";
  return text + std::string(10, ' ');
}

void WriteAlmutensDispositors(LineSink& out, const ChartSet& natal, bool night, const StartupTables& tables) {
  auto names = [&](double longitude) {
    return "   " + AlmutenNamesText(AlmutensOfDegree(longitude, night, tables));
  };
  out.WriteBlankLine();
  out.WriteLine("  ----------------------- ALMUTENS -----------------------");
  out.WriteBlankLine();
  for (int k = 1; k <= 12; ++k)
    out.WriteLine("  " + HouseLabel(k) + " HOUSE =  " + SignDegMinText(natal.Cusp[k]) + names(natal.Cusp[k]));
  out.WriteBlankLine();
  out.WriteLine("  ----------------------- MAIN DISPOSITORS -----------------------");
  out.WriteBlankLine();
  for (int p = 1; p <= LastMainPoint; ++p)
    out.WriteLine("  " + PointName10(p) + " " + SignDegMinText(natal.Long[p]) + names(natal.Long[p]));
}

}  // namespace halcyra
