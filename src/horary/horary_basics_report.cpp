#include "horary/horary_basics_report.h"

#include "horary/critical_degrees.h"
#include "horary/strictures.h"

namespace halcyra {

HoraryBasics HoraryBasicsOf(const HoraryBasicsInput& in) {
  HoraryBasics basics;
  basics.dayHour = PlanetaryDayHourOf(in.moment, in.sunTimes);
  basics.strictures = StricturesOf(in.natal);
  basics.positions = PositionsAndSpeedsOf(in.natal);
  basics.standing = PlanetaryStandingOf(in.natal, in.options, basics.positions);
  basics.stars = StarContactsOf(in.natal, in.precession, in.options.OptionValues[44]);
  return basics;
}

MoonAspectsSection MoonAspectsSectionOf(const HoraryBasicsInput& in, bool moonIncreasing) {
  return {moonIncreasing, MoonAspectsBySignOf(in.natal), MoonAspectsWithinOrb(in.natal, in.options),
          in.natal.Decl[Moon], in.moonDeclNextDay};
}

void WriteHoraryBasicsReport(LineSink& sink, const HoraryBasicsInput& in) {
  const HoraryBasics basics = HoraryBasicsOf(in);
  WriteHoraryBasics(sink, basics);
  sink.WriteBlankLine();
  WriteMoonAspects(sink, MoonAspectsSectionOf(in, basics.positions.moonIncreasing));
  WriteCriticalDegrees(sink, CriticalDegreePoints(in.natal));
}

}  // namespace halcyra
