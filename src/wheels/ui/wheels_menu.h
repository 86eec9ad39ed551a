#pragma once
// The main window's Wheels menu.

namespace halcyra {

class MainWindow;

// Adds the Wheels menu to the main window's menu bar, hidden until the
// first chart; each command prepares the wheel sets and shows the wheel.
void BuildWheelsMenu(MainWindow& window);

}  // namespace halcyra
