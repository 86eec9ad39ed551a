#include "wheels/turn_natal.h"

#include "platform/number_text.h"

namespace halcyra {

std::optional<int> TurnHouseFromAnswer(const std::string& typed) {
  const long house = ValInt(typed);
  if (house < 0 || house > 12) return std::nullopt;
  return static_cast<int>(house);
}

CuspTable TurnedCusps(const CuspTable& natal, int house) {
  CuspTable turned = natal;
  if (house < 2) return turned;
  for (int entry = 1; entry <= 12; ++entry) turned[entry] = natal[(entry + house - 2) % 12 + 1];
  return turned;
}

}  // namespace halcyra
