#pragma once
// The main window with its menu bar as the program shows it: each
// subsystem's menu in menu-bar order.

namespace halcyra {

class MainWindow;

// A new main window (not shown) with the File, Input, RidurIziva, Data,
// Wheels and Help menus and the VoruvEdud command.
MainWindow* BuildMainWindow();

}  // namespace halcyra
