#include "horary/solstice_points.h"

#include <cmath>
#include <string>

#include "core/declinations.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"

namespace halcyra {

namespace {

constexpr double ContactOrb = 1;

bool WithinContactOrb(double longitude, double mirror) {
  const double d = std::fabs(longitude - mirror);
  return d <= ContactOrb || d >= 360 - ContactOrb;
}

}  // namespace

double ContraAntiscion(double antiscion) {
  const double c = antiscion + 180;
  return c >= 360 ? c - 360 : c;
}

std::vector<AntiscionContact> AntiscionContacts(const ChartSet& natal) {
  std::vector<AntiscionContact> contacts;
  for (bool contra : {false, true})
    for (int p = 1; p <= LastMainPoint; ++p)
      for (int q = 1; q <= LastMainPoint; ++q) {
        const double antiscion = CalcAntiscion(natal.Long[q]);
        if (WithinContactOrb(natal.Long[p], contra ? ContraAntiscion(antiscion) : antiscion))
          contacts.push_back({p, q, contra});
      }
  return contacts;
}

void WriteSolsticePoints(LineSink& out, const ChartSet& natal) {
  out.WriteLine("  ----------------------- SOLSTICE POINTS -----------------------");
  out.WriteBlankLine();
  out.WriteLine("  Planet name     Degree            Antiscion        Contrantiscion");
  out.WriteBlankLine();
  const std::string gap(10, ' ');
  for (int p = 1; p <= NumPoints; ++p) {
    if (p == PartOfFortune) continue;
    const double antiscion = CalcAntiscion(natal.Long[p]);
    out.WriteLine("  " + PointName10(p) + "     " + SignDegMinText(natal.Long[p]) + gap + SignDegMinText(antiscion) +
                  gap + SignDegMinText(ContraAntiscion(antiscion)));
  }
  out.WriteBlankLine();
  for (const AntiscionContact& c : AntiscionContacts(natal))
    out.WriteLine("  " + PointName10(c.point) +
                  (c.contra ? " conjunct contrantiscion of " : " conjunct antiscion of ") + PointName10(c.of));
}

}  // namespace halcyra
