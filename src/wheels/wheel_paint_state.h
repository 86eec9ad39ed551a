#pragma once
// A paint of the chart wheel against the application state: the display
// sets with their effects on the working set, the orbs read afresh, and the
// paint's inputs gathered from the options, tables and settings.
#include <optional>
#include <string>

#include "state/app_state.h"
#include "wheels/wheel_paint.h"

namespace halcyra {

inline constexpr const char* OrbFileWarningTitle = "Warning!";
// Why the orb file was refused (the reader's message, naming the file), and
// "The wheel keeps the orbs it had."
std::string OrbFileWarningText(const std::string& reason);

// Fills the display sets from the wheel sets by WheelKind and WheelMode.
// The working set receives the framing cusps (ChartCusp), and the
// longitudes and house row of the chart framed by the other chart's houses.
void GetProperPlanets(AppState& state);

// Reads the orb file again. One that cannot be read keeps the orbs in use;
// the first time a file fails the warning text naming it is returned, and
// nothing more until the file is read again.
std::optional<std::string> ReloadWheelOrbs(AppState& state);

// The lines of PERSONAL.NAM; none when the file is missing or unreadable.
std::optional<std::vector<std::string>> PersonalFooterLines(const AppState& state);

// Draws the wheel of the display sets on the surface (the printer's twin
// of every option when printing), then leaves the last ring's retrograde
// flags and house tags in the working set.
WheelPaintResult PaintWheelFromState(AppState& state, DrawingSurface& surface, bool printing);

}  // namespace halcyra
