#pragma once
// The Arabian parts: 126 sensitive points of the natal chart, each the sum
// of two longitudes less a third, listed two to a line, then the planets,
// Lilith and TransPluto aspecting each part.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "state/chart_set.h"
#include "state/line_sink.h"
#include "state/option_tables.h"

namespace halcyra {

enum class PartTermKind {
  Point,         // a chart point's longitude; value = point number
  Cusp,          // a house cusp; value = house number
  Degrees,       // a fixed number of degrees
  Fortune,       // the chart's own Part of Fortune, by its sect
  Spirit,        // the Part of Spirit, by its sect
  FortuneByDay,  // Moon + ASC - Sun, unreduced, whatever the sect
  FortuneByNight // ASC + Sun - Moon, unreduced, whatever the sect
};

struct PartTerm {
  PartTermKind kind;
  double value = 0;
};

struct ArabianPart {
  const char* name;  // as printed, at most 15 characters
  PartTerm a, b, c;  // longitude a + b - c
  bool swapsAtNight; // a night chart takes a + c - b
};

inline constexpr int ArabianPartCount = 126;

// In the printed order.
std::span<const ArabianPart> ArabianPartTable();

// The parts' longitudes, 0 up to 360, in table order. night: the chart's
// sect (the Sun in houses 1 to 6).
std::array<double, ArabianPartCount> ArabianPartLongitudes(const ChartSet& natal, bool night);

// The aspect a point at `point` makes to a part at `part`, tried in the
// order conjunction, sextile, square, trine, inconjunct, opposition with the
// orbs of options 128 to 133, all bounds included: the aspect's index in
// that order, or -1 for none.
int PartAspectKind(double part, double point, const OptionTables& options);

struct PartAspect {
  int part = 0;   // index into the table
  int point = 0;  // point number
  int kind = 0;   // as PartAspectKind gives it
};

// Every aspect in table order of the parts, each part's points in index
// order: Sun to Moon, Lilith, TransPluto.
std::vector<PartAspect> ArabianPartAspects(const std::array<double, ArabianPartCount>& parts, const ChartSet& natal,
                                           const OptionTables& options);

// The report body. Its last line is the aspect list as one line with a
// CR LF after every entry, which the page shows as one line per entry.
void WriteArabianParts(LineSink& out, const ChartSet& natal, bool night, const OptionTables& options);

}  // namespace halcyra
