#include "horary/moon_aspects_lines.h"

#include <cmath>

#include "core/angle_helpers.h"
#include "horary/positions_and_speeds.h"
#include "horary/zodiac.h"
#include "platform/number_format.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"

namespace halcyra {

namespace {

// One aspect line of the sign aspects, wrapped after four entries.
void WriteSignAspectLine(LineSink& sink, const std::string& label, const std::vector<MoonSignAspect>& entries,
                         bool capitals, const std::string& whenEmpty) {
  std::string line = "  " + label;
  int onLine = 0;
  for (const MoonSignAspect& e : entries) {
    line += SignAspectWord(e.signDistance, capitals) + NameOf(e.point) + "  ";
    if (++onLine == 4) {
      sink.WriteLine(line);
      onLine = 0;
      line = std::string(9, ' ');
    }
  }
  if (entries.empty()) line += whenEmpty;
  sink.WriteLine(line);
}

// "18 N 25": whole degrees and rounded minutes of the size, and its side.
std::string DeclinationText(double declination) {
  const SignDegMin split = SplitSignDegMin(std::fabs(declination));
  return FormatNumber(split.degrees, "00") + " " + (declination >= 0 ? "N" : "S") + " " +
         FormatNumber(split.minutes, "00");
}

void WriteMoonAspectsHeading(LineSink& sink) {
  sink.WriteLine("  ----------------------- MOON'S ASPECTS -----------------------");
  sink.WriteBlankLine();
}

}  // namespace

void WriteMoonAspectsBySign(LineSink& sink, const MoonAspectsBySign& aspects) {
  sink.WriteLine("  Moon's Aspects - ");
  WriteSignAspectLine(sink, "From - ", aspects.last, true, "");
  WriteSignAspectLine(sink, "To   - ", aspects.next, false, "VOID OF COURSE (modern)");
}

std::string MoonOrbAspectLine(const MoonOrbAspect& a) {
  return "  " + PointName10(a.body) + AspectName12(a.orb.code) + PadRight(a.Tag(), 13) + PointName10(a.point) +
         PadNumber2(FormatNumber(a.orb.roundedOrb, "#0.0")) + " degree";
}

void WriteMoonAspectsInOrb(LineSink& sink, const std::vector<MoonOrbAspect>& aspects) {
  sink.WriteBlankLine();
  sink.WriteLine("  Moon's Aspects Within Orb");
  sink.WriteLine("  -------------------------");
  for (const MoonOrbAspect& a : aspects) sink.WriteLine(MoonOrbAspectLine(a));
  sink.WriteBlankLine();
}

std::string MoonDeclinationLine(double declination, double nextDayDeclination) {
  return "  Moon's declination = " + DeclinationText(declination) + std::string(12, ' ') +
         "Moon's declination next day = " + DeclinationText(nextDayDeclination);
}

void WriteMoonAspects(LineSink& sink, const MoonAspectsSection& section) {
  WriteMoonAspectsHeading(sink);
  sink.WriteLine("  The Moon is " + MoonPhaseText(section.moonIncreasing) + ".");
  sink.WriteBlankLine();
  WriteMoonAspectsBySign(sink, section.bySign);
  WriteMoonAspectsInOrb(sink, section.withinOrb);
  sink.WriteBlankLine();
  sink.WriteLine(MoonDeclinationLine(section.moonDecl, section.moonDeclNextDay));
}

void WriteMoonAspectsShort(LineSink& sink, const MoonAspectsSection& section) {
  WriteMoonAspectsHeading(sink);
  WriteMoonAspectsBySign(sink, section.bySign);
  WriteMoonAspectsInOrb(sink, section.withinOrb);
}

void WriteCriticalDegrees(LineSink& sink, const std::vector<int>& points) {
  sink.WriteBlankLine();
  std::string line = "  In Critical Degrees:  ";
  for (int p : points) line += PlanetName9(p) + " ";
  sink.WriteLine(line);
}

}  // namespace halcyra
