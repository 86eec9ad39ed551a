#pragma once
// The Moon-mansions report below the chart header: the horary sections of
// the natal chart in an order of their own, the out-of-bounds line, the
// Moon's aspects, the natal aspect grid and the Moon's entries into the 28
// mansions.
#include "horary/horary_basics_report.h"
#include "mansions/mansion_times.h"
#include "state/line_sink.h"

namespace halcyra {

// The natal chart's twelve points against each other with the cusps of
// houses 1 to 6 as further rows (points 26 to 31 taken from the cusp table).
void WriteNatalAspectGrid(LineSink& sink, const ChartSet& natal, const OptionTables& options);

// A blank line; the slots of the day and hour, the Sun's phases, the house
// of joy, the Moon's phase and the standing lists; the out-of-bounds line
// and a blank line; the strictures and a blank line; the Moon's aspects and
// a blank line; the positions and the fixed stars; the natal aspect grid and
// two blank lines; the mansion table of `entries`.
void WriteMansionsReport(LineSink& sink, const HoraryBasicsInput& input, const MansionEntries& entries);

}  // namespace halcyra
