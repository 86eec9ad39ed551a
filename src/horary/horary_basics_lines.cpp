#include "horary/horary_basics_lines.h"

#include "horary/zodiac.h"
#include "reports/fixed_stars.h"

namespace halcyra {

namespace {

void WritePositionsAndSpeeds(LineSink& sink, const PositionsAndSpeeds& positions) {
  sink.WriteLine("  -------------------- POSITIONS and SPEEDS --------------------");
  sink.WriteBlankLine();
  WritePositionsTable(sink, positions);
  sink.WriteBlankLine();
}

void WritePlanetaryStanding(LineSink& sink, const PlanetaryStanding& s) {
  sink.WriteLine("  --------------------- PLANETARY STANDING ---------------------");
  sink.WriteBlankLine();
  sink.WriteLine(PointListLine("Peregrine - ", s.peregrine));
  sink.WriteLine(PointListLine("Detriment - ", s.detriment));
  sink.WriteLine(PointListLine("Fall - ", s.fall));
  sink.WriteLine(OutOfBoundsLine(s.outOfBounds));
  WriteListIfFound(sink, "Mutual Reception (by sign) - ", s.receptions.bySign);
  WriteListIfFound(sink, "Mutual Reception (by sign) - ", s.receptions.byModernRuler);
  WriteListIfFound(sink, "Mutual Reception (by exaltation) - ", s.receptions.byExaltation);
  WriteListIfFound(sink, "Mixed Reception (sign/exaltation) - ", s.receptions.mixed);
  sink.WriteBlankLine();
  WriteListIfFound(sink, "Via Combusta - ", s.viaCombusta);
  WriteListIfFound(sink, "Cazimi - ", s.solarPhases.cazimi);
  WriteListIfFound(sink, "Combust - ", s.solarPhases.combust);
  WriteListIfFound(sink, "Under Sun's Beam - ", s.solarPhases.underSunsBeams);
  WriteListIfFound(sink, "Fateful Degree - ", s.fatefulDegree);
  WriteListIfFound(sink, "House of Joy - ", s.houseOfJoy);
  WriteListIfFound(sink, "Besieged Planets - ", s.besieged);
}

}  // namespace

std::string PositionRowLine(const PositionRow& row) {
  std::string line = "  " + PlanetName9(row.planet) + " ";
  for (int ruler : row.cell) line += (ruler ? PlanetLabel3(ruler) : std::string("---")) + "   ";
  line += row.speedText + " " + (row.retrograde ? "R" : " ");
  line += row.planet == Moon ? "   " : "    ";
  return line;
}

std::string PointListLine(const std::string& heading, const PointList& points) {
  std::string line = "  " + heading;
  for (int p : points) line += NameOf(p) + " ";
  return line;
}

std::string OutOfBoundsLine(const PointList& points) {
  return points.empty() ? "  Out of Bounds Planets - None" : PointListLine("Out of Bounds Planets - ", points);
}

std::string PairListLine(const std::string& heading, const std::vector<PointPair>& pairs) {
  std::string line = "  " + heading;
  for (const PointPair& pair : pairs) line += NameOf(pair.first) + "-" + NameOf(pair.second) + "   ";
  return line;
}

void WriteListIfFound(LineSink& sink, const std::string& heading, const PointList& points) {
  if (!points.empty()) sink.WriteLine(PointListLine(heading, points));
}

void WriteListIfFound(LineSink& sink, const std::string& heading, const std::vector<PointPair>& pairs) {
  if (!pairs.empty()) sink.WriteLine(PairListLine(heading, pairs));
}

std::string StarContactText(const StarContact& contact) {
  return NameOf(contact.point) + " - " + FixedStarTable[contact.star].name + "   ";
}

std::string StarContactsLine(const std::vector<StarContact>& contacts) {
  std::string line = "  Fixed Stars - ";
  for (const StarContact& c : contacts) line += StarContactText(c);
  return line;
}

void WritePositionsTable(LineSink& sink, const PositionsAndSpeeds& positions) {
  sink.WriteLine(PositionsTitleLine);
  sink.WriteLine(PositionsUnderline);
  for (const PositionRow& row : positions.rows) sink.WriteLine(PositionRowLine(row));
}

void WriteHoraryBasics(LineSink& sink, const HoraryBasics& basics) {
  sink.WriteBlankLine();
  sink.WriteLine(PlanetaryDayHourLine(basics.dayHour));
  sink.WriteBlankLine();
  sink.WriteLine("  STRICTURES and WARNINGS - ");
  for (const std::string& stricture : basics.strictures) sink.WriteLine("  " + stricture);
  sink.WriteBlankLine();
  WritePositionsAndSpeeds(sink, basics.positions);
  WritePlanetaryStanding(sink, basics.standing);
  if (!basics.stars.empty()) sink.WriteLine(StarContactsLine(basics.stars));
}

}  // namespace halcyra
