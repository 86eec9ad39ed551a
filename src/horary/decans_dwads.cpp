#include "horary/decans_dwads.h"

#include <cmath>

#include "horary/zodiac.h"
#include "reports/report_names.h"

namespace halcyra {

namespace {

// Sign and degree within it; one subtraction of 12 brings any sum here
// (at most 23) back into the signs.
int SignPlus(double longitude, double divisionWidth, int signsPerDivision) {
  const int sign = SignOf(longitude);
  const double inSign = longitude - 30 * (sign - 1);
  const int index = sign + signsPerDivision * static_cast<int>(std::floor(inSign / divisionWidth));
  return index > 12 ? index - 12 : index;
}

}  // namespace

int DecanIndex(double longitude) { return SignPlus(longitude, 10, 4); }
int DwadIndex(double longitude) { return SignPlus(longitude, 2.5, 1); }

std::string FormatDecanDwad(double longitude) {
  return std::string(5, ' ') + SignAbbrev(DecanIndex(longitude)) + std::string(7, ' ') +
         SignAbbrev(DwadIndex(longitude));
}

void WriteDecansDwads(LineSink& out, const ChartSet& natal) {
  out.WriteBlankLine();
  out.WriteLine("  -------- DECANS and DWADS -------");
  out.WriteLine("  Object            Decanate   Dwad");
  for (int p = Sun; p <= Moon; ++p)
    out.WriteLine("  " + PointName10(p).substr(0, 7) + "  " + std::string(6, ' ') + FormatDecanDwad(natal.Long[p]));
  for (int k = 1; k <= 12; ++k) out.WriteLine("  " + HouseLabel(k) + " house cusp" + FormatDecanDwad(natal.Cusp[k]));
  out.WriteBlankLine();
}

}  // namespace halcyra
