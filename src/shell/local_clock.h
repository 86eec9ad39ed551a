#pragma once
// The computer's own clock: its local date and time, as the main window's
// caption shows it, with the offset from universal time that the charts of
// the present moment start from.
#include <ctime>

#include "state/app_services.h"

namespace halcyra {

// The clock now, or the answer of the services' stand-in clock when they
// have one.
ClockMoment ReadClock(const AppServices& services);

// The local reading of an instant under the process's time zone (TZ), with
// that zone's offset at the instant, summer time included.
ClockMoment LocalClockAt(std::time_t instant);

}  // namespace halcyra
