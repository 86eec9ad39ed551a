#pragma once
// The lines of the Moon's aspects, the Moon's declination and the
// critical degrees, which follow the horary basics report.
#include <string>
#include <vector>

#include "horary/moon_aspects.h"
#include "state/line_sink.h"

namespace halcyra {

// "  Moon's Aspects - ", then the last aspects after "  From - " and the
// next after "  To   - " ("VOID OF COURSE (modern)" when there is none),
// four entries a line, a full line going on in a line of nine blanks.
void WriteMoonAspectsBySign(LineSink& sink, const MoonAspectsBySign& aspects);

// "  Moon      sextile     APP, sin     Mars       2.0 degree"
std::string MoonOrbAspectLine(const MoonOrbAspect& aspect);
// A blank line, the heading and its underline, a line per aspect, a blank line.
void WriteMoonAspectsInOrb(LineSink& sink, const std::vector<MoonOrbAspect>& aspects);

// "  Moon's declination = 18 N 25" and "Moon's declination next day = 03 S 41"
// twelve blanks apart: degrees and rounded minutes (held at 59) of each.
std::string MoonDeclinationLine(double declination, double nextDayDeclination);

struct MoonAspectsSection {
  bool moonIncreasing = false;
  MoonAspectsBySign bySign;
  std::vector<MoonOrbAspect> withinOrb;
  double moonDecl = 0, moonDeclNextDay = 0;
};
// The heading, the Moon's phase, the aspects by sign and within orb, and
// the declination line after a blank line.
void WriteMoonAspects(LineSink& sink, const MoonAspectsSection& section);
// The same without the Moon's phase and its blank line and without the
// declination lines: the mansions report's Moon's aspects.
void WriteMoonAspectsShort(LineSink& sink, const MoonAspectsSection& section);

// A blank line, then "  In Critical Degrees:  " and each name in 9 and a blank.
void WriteCriticalDegrees(LineSink& sink, const std::vector<int>& points);

}  // namespace halcyra
