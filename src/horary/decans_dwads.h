#pragma once
// Decans and dwads: the sign ruling the decanate (the ten-degree third of a
// sign) and the dwad (its 2.5-degree twelfth) in which a longitude stands,
// and the Horary Decans and Dwads report.
#include <string>

#include "state/chart_set.h"
#include "state/line_sink.h"

namespace halcyra {

// Sign 1 (Aries) .. 12: the sign itself, four on or eight on for the three
// decanates; for the twelve dwads, the twelve signs in order from the sign
// itself. A longitude of 360 counts as 0 Aries.
int DecanIndex(double longitude);
int DwadIndex(double longitude);

// 5 blanks, the decanate sign's three letters, 7 blanks, the dwad's.
std::string FormatDecanDwad(double longitude);

// The report body: 26 lines.
void WriteDecansDwads(LineSink& out, const ChartSet& natal);

}  // namespace halcyra
