#pragma once
// The Horary Aspects report: every major aspect the points of the horary
// chart make to one another within the sum of their moieties, listed in
// blocks by the speed order, the faster planet's line saying whether the
// aspect applies, separates or is partile and whether it is sinister or
// dexter.
#include <string>
#include <vector>

#include "horary/aspect_within_orb.h"
#include "state/chart_set.h"
#include "state/line_sink.h"
#include "state/option_tables.h"

namespace halcyra {

struct HoraryAspect {
  int first = 0, second = 0;  // the block's point, then the other point
  int code = 0;               // AspectCode 2 conjunct .. 6 opposite
  std::string qualifier;      // "", "partile", "app", "sep", or either with ", sin " / ", dex "
  double roundedOrb = 0;
};

// The qualifier of a faster planet's aspect. diff: its longitude less the
// slower planet's (-360 to 360); signedOrb: as TestAspectWithinOrb gives it.
// A retrograde faster planet swaps "app" and "sep"; sinister and dexter
// follow from which side of the other planet it stands on the shorter arc.
std::string HoraryAspectQualifier(double diff, double signedOrb, int code, bool fasterRetrograde);

// One block per point of the speed order (positions 1 to 15, Chiron's
// position 13 left out): the aspects of that point to every other point.
std::vector<std::vector<HoraryAspect>> HoraryAspectBlocks(const ChartSet& natal, const OptionTables& options);

// "  Sun       square      app, dex     Mars       2.3 degree"
std::string HoraryAspectLine(const HoraryAspect& aspect);

// The report body: a blank line, then each block followed by a blank line.
void WriteHoraryChartAspects(LineSink& out, const ChartSet& natal, const OptionTables& options);

}  // namespace halcyra
