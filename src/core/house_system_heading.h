#pragma once
// The name of the house system that a chart wheel's caption shows.
#include <string>

#include "state/app_state.h"

namespace halcyra {

// "Placidus", "Regiomontanus", "Koch", "Campanus", "Porphyry",
// "Equal - Ascendant", "Equal - MC", "Meridian", "Morinus"; "" for any other code.
std::string HouseSystemHeading(const std::string& code);

// Line 7 of WheelCaption1() := the name of HouseSystem; a code without a
// name leaves the line as it was.
void SetHouseSystemHeading(AppState& state);

}  // namespace halcyra
