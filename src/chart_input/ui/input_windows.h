#pragma once
// The natal and transit input windows and the names list.

namespace halcyra {

// Loads and shows InputD (which shows Names) and InputD1, preset.
void ShowInputWindows();

}  // namespace halcyra
