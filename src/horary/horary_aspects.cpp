#include "horary/horary_aspects.h"

#include <cmath>

#include "horary/aspect_within_orb.h"
#include "horary/speed_order.h"
#include "platform/number_format.h"
#include "reports/aspect_finder.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"

namespace halcyra {

namespace {

// Chiron's place in the speed order, which the report passes over.
constexpr int ChironPosition = 13;

}  // namespace

std::string HoraryAspectQualifier(double diff, double signedOrb, int code, bool fasterRetrograde) {
  const OrbPhase phase = OrbPhaseOf(signedOrb);
  if (phase == OrbPhase::Partile) return "partile";
  const ArcSide side = ArcSideOf(diff);
  std::string word;
  switch (AspectCourseOf(side, phase)) {
    case AspectCourse::Closing: word = fasterRetrograde ? "sep" : "app"; break;
    case AspectCourse::Opening: word = fasterRetrograde ? "app" : "sep"; break;
    case AspectCourse::Neither: break;
  }
  if (code == ConjunctCode) return word;
  if (side == ArcSide::Behind) return word + ", sin ";
  if (side == ArcSide::Ahead) return word + ", dex ";
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
      const double separation = LongitudeSeparation(natal.Long[pI], natal.Long[pJ]);
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
