#include "horary/horary_aspects.h"

#include <cmath>

#include "horary/aspect_within_orb.h"
#include "horary/speed_order.h"
#include "platform/number_format.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"

namespace halcyra {

namespace {

// Chiron's place in the speed order, which the report passes over.
constexpr int ChironPosition = 13;

}  // namespace

std::string HoraryAspectQualifier(double diff, double signedOrb, int code, bool fasterRetrograde) {
  if (-PartileTolerance <= signedOrb && signedOrb <= PartileTolerance) return "partile";
  // Ahead or behind on the shorter arc, which may cross 0 Aries.
  const bool ahead = (0 < diff && diff < 180) || diff < -180;
  const bool behind = (-180 < diff && diff < 0) || diff > 180;
  const bool shortOfExact = signedOrb < -PartileTolerance;
  const bool pastExact = signedOrb > PartileTolerance;
  const bool closing = (shortOfExact && ahead) || (pastExact && behind);
  const bool opening = (shortOfExact && behind) || (pastExact && ahead);
  std::string word;
  if (closing) word = fasterRetrograde ? "sep" : "app";
  if (opening) word = fasterRetrograde ? "app" : "sep";
  if (code == ConjunctCode) return word;
  if (behind) return word + ", sin ";
  if (ahead) return word + ", dex ";
  return word;
}

std::vector<std::vector<HoraryAspect>> HoraryAspectBlocks(const ChartSet& natal, const OptionTables& options) {
  const SpeedOrderList order = SpeedOrder(natal.Speed);
  std::vector<std::vector<HoraryAspect>> blocks;
  for (int i = 1; i <= LastMainPoint; ++i) {
    if (i == ChironPosition) continue;
    std::vector<HoraryAspect>& block = blocks.emplace_back();
    for (int j = 1; j <= LastMainPoint; ++j) {
      if (j == ChironPosition || j == i) continue;
      const int pI = order[i], pJ = order[j];
      const double diff = natal.Long[pI] - natal.Long[pJ];
      double separation = std::fabs(diff);
      if (separation > 180) separation = 360 - separation;
      const OrbTest test = TestAspectWithinOrb(options, pI, pJ, separation);
      if (test.code == NoAspectCode) continue;
      // Only the faster of two planets says how the aspect moves.
      const bool qualified = pJ >= Sun && pJ <= Moon && i < j;
      block.push_back({pI, pJ, test.code,
                       qualified ? HoraryAspectQualifier(diff, test.signedOrb, test.code, natal.Retrograde(pI))
                                 : std::string(),
                       test.roundedOrb});
    }
  }
  return blocks;
}

std::string HoraryAspectLine(const HoraryAspect& a) {
  return "  " + PointName10(a.first) + AspectName12(a.code) + PadRight(a.qualifier, 13) + PointName10(a.second) +
         PadNumber2(FormatNumber(a.roundedOrb, "#0.0")) + " degree";
}

void WriteHoraryChartAspects(LineSink& out, const ChartSet& natal, const OptionTables& options) {
  out.WriteBlankLine();
  for (const auto& block : HoraryAspectBlocks(natal, options)) {
    for (const HoraryAspect& aspect : block) out.WriteLine(HoraryAspectLine(aspect));
    out.WriteBlankLine();
  }
}

}  // namespace halcyra
