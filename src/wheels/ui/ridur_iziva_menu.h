#pragma once
// The main window's RidurIziva menu: Single wheel and Dual wheel, at most
// one of them checked; while one is, the once-a-second clock recomputes the
// chart of the moment at the home place at the interval of option 46 and
// shows it on that kind of wheel.
namespace halcyra {

class MainWindow;
struct AppState;

// Builds the menu (hidden until the first chart) and joins the firing to
// the main window's clock, after the caption it writes on every tick.
void BuildRidurIzivaMenu(MainWindow& window);

// The toggles: a chart afresh from the input window; the item's check
// inverted; checking one clears the other.
void mnuRidurIzivaSingle_Click(AppState& state);
void mnuRidurIzivaDual_Click(AppState& state);

// Both check marks removed: the clock only writes the caption.
void StopRidurIziva();

// The firing part of one tick of the clock; skipped while a chart is being
// computed or a modal window is open.
void RidurIzivaTick(AppState& state);

}  // namespace halcyra
