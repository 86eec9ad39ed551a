#pragma once
// The degree qualities of the zodiac: masculine or feminine; light, dark,
// smoky or void; pitted; lame; increasing fortune. Five fixed tables of
// whole-degree ranges within each sign, and the Horary Other Degrees report
// that prints them for the planets and house cusps.
#include <array>
#include <span>
#include <string>

#include "state/chart_set.h"
#include "state/line_sink.h"

namespace halcyra {

// Every longitude from degree `from` of the sign up to, not including,
// degree `to`.
struct DegreeRange {
  int sign;  // 1 Aries .. 12 Pisces
  int from, to;
  char letter;
};

struct DegreeQualityTable {
  std::span<const DegreeRange> ranges;
  char otherwise;  // the letter of a degree in no range; 0 where the ranges cover the zodiac
};

// In printed order: M/F, L/D/S/V, pitted, lame, increasing fortune.
const std::array<DegreeQualityTable, 5>& DegreeQualityTables();

// The letter of an absolute longitude; `otherwise` when no range holds it
// (so also for a longitude below 0 or from 360 on).
char DegreeQualityLetter(const DegreeQualityTable& table, double longitude);

// The five letters 9 characters apart (37 characters). A letter the first
// two tables do not give leaves its place empty, as for a longitude outside
// 0 up to 360, whose text is then 35 characters.
std::string FormatDegreeQualities(double longitude);

// The Horary Other Degrees report body: 29 lines.
void WriteDegreeQualities(LineSink& out, const ChartSet& natal);

}  // namespace halcyra
