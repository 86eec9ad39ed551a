#pragma once
// The wheel window's menu bar as a table, in display order. A command
// joins the window by naming its handler in its row of WheelMenuItems
// (wheel_menus.cpp); a row without a handler shows greyed.
#include <vector>

namespace halcyra {

class WheelsWindow;
using WheelCommand = void (*)(WheelsWindow&);

struct WheelMenuEntry {
  const char* name;      // control name, the item's objectName
  const char* caption;
  const char* shortcut;  // QKeySequence text, "" for none
  int level;             // 0 a menu or command of the bar, 1 an item of the menu above it
  bool checkable;
  WheelCommand command;  // nullptr: not built yet (and every menu title)
};

const std::vector<WheelMenuEntry>& WheelMenuItems();

// The house-system items by code, in menu order.
struct HouseSystemItem {
  const char* name;
  const char* code;
};
const std::vector<HouseSystemItem>& HouseSystemItems();

}  // namespace halcyra
