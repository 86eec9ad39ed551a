#pragma once
// The horary basics report as a whole: the horary basics, a blank line,
// the Moon's aspects and the critical degrees, computed from the question's
// chart and written to a sink. The automatic report after every chart and
// Data > Horary Basics write it under the chart header.
#include "horary/horary_basics_lines.h"
#include "horary/moon_aspects_lines.h"
#include "state/option_tables.h"

namespace halcyra {

struct HoraryBasicsInput {
  const ChartSet& natal;  // longitudes, declinations, cusps, house tags, retrograde flags, speeds
  const OptionTables& options;
  QuestionMoment moment;
  StarPrecession precession;
  double moonDeclNextDay = 0;  // the Moon's declination one day after the moment
  SunTimesSource sunTimes;
};

HoraryBasics HoraryBasicsOf(const HoraryBasicsInput& input);
MoonAspectsSection MoonAspectsSectionOf(const HoraryBasicsInput& input, bool moonIncreasing);

void WriteHoraryBasicsReport(LineSink& sink, const HoraryBasicsInput& input);

}  // namespace halcyra
