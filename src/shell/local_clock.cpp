#include "shell/local_clock.h"

namespace halcyra {

ClockMoment ReadClock(const AppServices& services) {
  if (services.ReadClock) return services.ReadClock();
  return LocalClockAt(std::time(nullptr));
}

ClockMoment LocalClockAt(std::time_t instant) {
  std::tm local{};
  localtime_r(&instant, &local);
  return ClockMoment{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                     local.tm_min,         local.tm_sec,      local.tm_gmtoff};
}

}  // namespace halcyra
