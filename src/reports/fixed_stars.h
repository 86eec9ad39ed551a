#pragma once
// The fixed stars: the program's table of 74 stars and the report that
// lists them with their longitudes moved for precession and their notes.
#include <array>
#include <string>

#include "state/chart_state.h"
#include "state/line_sink.h"
#include "state/startup_tables.h"

namespace halcyra {

// One star: its printed name, the epoch of its longitude (1990 or 2000) and
// its contact window at that epoch, two longitudes 2 degrees apart whose
// middle is the star's longitude. Algol's window comes from the fixed-star
// orb option instead; its two ends hold its longitude.
struct FixedStar {
  const char* name;
  int epoch;
  double windowFrom, windowTo;
};

constexpr int FixedStarCount = 74;
extern const std::array<FixedStar, FixedStarCount> FixedStarTable;

// The star's longitude for the chart: the middle of its window plus
// Precession1990 or Precession2000 by its epoch, brought into [0, 360).
double PrecessedStarLongitude(const FixedStar& star, const ChartMoments& moments);

// A blank line, the heading with the natal year, the column heading, then
// one line per star: "  " name(15) position(9) "  " note, the note being
// line k - 1 of the star notes for star k; a note too long for the line goes
// on in lines indented to the note column, so no line passes 80 characters.
void WriteFixedStarsReport(LineSink& out, int natalYear, const ChartMoments& moments,
                           const std::array<std::string, StarTextLines>& starNotes);

}  // namespace halcyra
