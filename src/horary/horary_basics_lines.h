#pragma once
// The lines of the horary basics report, from the computed sections.
#include <optional>
#include <string>
#include <vector>

#include "horary/planetary_day_hour.h"
#include "horary/planetary_standing.h"
#include "horary/positions_and_speeds.h"
#include "horary/star_contacts.h"
#include "state/line_sink.h"

namespace halcyra {

// Everything the horary basics report shows.
struct HoraryBasics {
  std::optional<PlanetaryDayHour> dayHour;  // none north of 66 degrees
  std::vector<std::string> strictures;
  PositionsAndSpeeds positions;
  PlanetaryStanding standing;
  std::vector<StarContact> stars;
};

// The positions table's column titles and their underline (69 characters).
inline constexpr const char* PositionsTitleLine =
    "  Planet    Sign  Exlt  Detr  Fall  Trip  Term  Face  Speed          ";
inline constexpr const char* PositionsUnderline =
    "  ------    ----  ----  ----  ----  ----  ----  ----  -----          ";

// "  Sun       Sun   ---   Sat   ---   Sun   Ven   Jup   SLOW      ": the
// name in 9 and a blank, seven 6-character cells, the speed, a blank, the
// retrograde mark, and four blanks (three on the Moon's row).
std::string PositionRowLine(const PositionRow& row);

// A list line: two blanks, the heading ("Peregrine - "), then each name
// and a blank.
std::string PointListLine(const std::string& heading, const PointList& points);
// "  Out of Bounds Planets - " and the names, or "None".
std::string OutOfBoundsLine(const PointList& points);
// A reception line: each pair as "Sun-Venus" and three blanks.
std::string PairListLine(const std::string& heading, const std::vector<PointPair>& pairs);
// The list line of a list that is shown only when it finds something.
void WriteListIfFound(LineSink& sink, const std::string& heading, const PointList& points);
void WriteListIfFound(LineSink& sink, const std::string& heading, const std::vector<PointPair>& pairs);
// "Sun - REGULUS   ": the point's name, the star's and three blanks.
std::string StarContactText(const StarContact& contact);
// "  Fixed Stars - ", then the text of each contact.
std::string StarContactsLine(const std::vector<StarContact>& contacts);

// The positions table below its banner: the column titles, their
// underline and the seven rows.
void WritePositionsTable(LineSink& sink, const PositionsAndSpeeds& positions);

// The report: a blank line, the planetary day and hour, the strictures,
// POSITIONS and SPEEDS, PLANETARY STANDING and the fixed stars. A list
// that only shows what it finds writes no line when it finds nothing.
void WriteHoraryBasics(LineSink& sink, const HoraryBasics& basics);

}  // namespace halcyra
