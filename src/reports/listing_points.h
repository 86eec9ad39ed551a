#pragma once
// The points the minute listing can follow, one per check box of its
// options window, and how TransitSelection records the boxes: characters
// 1 to 29 the transiting points, 43 to 71 the natal points, slot s at
// character s and 42 + s. Characters 30 to 42 and 72 to 84 belong to
// boxes this program does not show; they are kept as they stand.
#include <string>

#include "state/chart_set.h"
#include "state/chart_state.h"

namespace halcyra {

constexpr int ListingSlots = 29;
constexpr int NatalSelectionOffset = 42;
constexpr int SelectionLength = 84;

// Slots 1 to 13 are points 1 to 13 (Sun to Chiron), 14 to 23 points 16 to
// 25 (Lilith to Poseidon), 24 ASC, 25 MC, then the Vertex and the
// Equatorial, Co- and Polar Ascendants.
enum ListingAngle : int { SlotAscendant = 24, SlotMidheaven, SlotVertex, SlotEquatorialAsc, SlotCoAsc, SlotPolarAsc };

// The PointIndex of a slot, 0 for the four angles that have none.
int PointOfSlot(int slot);

// Ten-character name of a slot, as the report columns show it.
std::string SlotName10(int slot);

// Whether the box of a transiting or natal slot is ticked: its character is
// present and not "0".
bool TransitSlotSelected(const std::string& selection, int slot);
bool NatalSlotSelected(const std::string& selection, int slot);

// The selection with one box set; a short selection is first filled to 84
// characters with "0".
std::string WithSlot(std::string selection, int character, bool ticked);

// Longitude of a slot in the working set and the clock of the same pass.
double TransitSlotLongitude(const ChartSet& working, const ChartClock& clock, int slot);
// Longitude of a slot in the natal set, its special points included.
double NatalSlotLongitude(const ChartSet& natal, int slot);

// Slots whose declination a listing step knows: the ephemeris bodies
// (Sun to Moon) and the tabulated bodies except Lilith, whose table holds
// no declination. The natal set also knows the node, the Part of Fortune,
// the Ascendant and the Midheaven.
bool TransitSlotHasDeclination(int slot);
bool NatalSlotHasDeclination(int slot);

// Table-driven slots without a value for the set's moment.
bool SlotNoData(const ChartSet& set, int slot);

}  // namespace halcyra
