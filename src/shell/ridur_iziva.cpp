#include "shell/ridur_iziva.h"

#include "platform/number_text.h"

namespace halcyra {

bool RidurIzivaSecondMatches(int second, double interval) {
  if (interval == 60) return second == 0;
  const long whole = RoundHalfEven(interval);
  return whole >= 1 && second % whole == 0;
}

RidurIzivaMode RidurIzivaFiring(RidurIzivaMode checked, int second, double interval, bool busy) {
  if (checked == RidurIzivaMode::Off || busy || !RidurIzivaSecondMatches(second, interval))
    return RidurIzivaMode::Off;
  return checked;
}

}  // namespace halcyra
