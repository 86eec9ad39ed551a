#include "shell/local_clock.h"

#include <ctime>

namespace halcyra {

ClockMoment ReadClock(const AppServices& services) {
  if (services.ReadClock) return services.ReadClock();
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return ClockMoment{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                     local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace halcyra
