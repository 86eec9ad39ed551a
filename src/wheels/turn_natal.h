#pragma once
// Turn natal chart: the natal chart with its houses turned so that a chosen
// natal house begins at the Ascendant; the planets keep their longitudes.
#include <optional>
#include <string>

#include "state/points.h"

namespace halcyra {

inline constexpr const char* TurnTitle = "Turn the natal chart";
inline constexpr const char* TurnPrompt = "Enter which house you want on the Ascendant (2-12)";
inline constexpr const char* TurnDefault = " 7";

// The typed house by its leading number, rounded: 0 to 12 (Cancel, an
// empty or unreadable answer give 0); nullopt asks again.
std::optional<int> TurnHouseFromAnswer(const std::string& typed);

// The natal cusps, every entry moved on by house - 1 houses, so that the
// Ascendant entry holds the cusp of natal house `house`; entries 0 and 13
// kept. Houses 0 and 1 leave the cusps as they are.
CuspTable TurnedCusps(const CuspTable& natal, int house);

}  // namespace halcyra
