#pragma once
// The horary basics report from the program's state: the page of Data >
// Horary Basics, which is also the automatic report after every chart.
#include "horary/horary_basics_report.h"
#include "state/app_state.h"

namespace halcyra {

// Sunrise and sunset from the sunrise/sunset search; a time it cannot find
// is 0 and shown in a warning box (a notice of the state's report channel).
SunTimesSource ProgramSunTimes(AppState& state);

// What the horary reports compute from: the natal chart set (which must
// outlive the result), the options, the question's moment and place, the
// stars' precession and the program's sunrise and sunset.
HoraryBasicsInput HoraryBasicsInputOf(AppState& state, const ChartSet& natal);

// The horary basics, a blank line, the Moon's aspects and the critical
// degrees of the natal chart, onto the current page and the data buffer.
void WriteHoraryBasicsSections(AppState& state);

// A new page with the chart header and the sections; the caller shows it.
void HoraryBasicsPage(AppState& state);

}  // namespace halcyra
