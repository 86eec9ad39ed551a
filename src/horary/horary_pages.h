#pragma once
// The Data menu's pages of the natal (horary) chart beside the horary
// basics: each starts a fresh page under the chart header and writes its
// sections; the menu item shows it.
#include "state/app_state.h"

namespace halcyra {

void NatalMorePage(AppState& state);
void HoraryAspectsPage(AppState& state);
void HoraryAlmutensPage(AppState& state);
void HoraryDecansDwadsPage(AppState& state);
void HoraryOtherDegreesPage(AppState& state);
void ArabianPartsPage(AppState& state);

}  // namespace halcyra
