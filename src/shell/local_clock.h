#pragma once
// The computer's local wall-clock time, as the input windows preset their
// boxes with it and the main window's caption shows it.
#include "state/app_services.h"

namespace halcyra {

// The local time now, or the answer of the services' stand-in clock when
// they have one.
ClockMoment ReadClock(const AppServices& services);

}  // namespace halcyra
