#include "app/main_menus.h"

#include "chart_input/ui/input_windows.h"
#include "reports/ui/data_menu.h"
#include "shell/ui/main_window.h"
#include "wheels/ui/ridur_iziva_menu.h"
#include "wheels/ui/wheels_menu.h"

namespace halcyra {

MainWindow* BuildMainWindow() {
  auto* window = new MainWindow;
  BuildFileMenu(*window);
  BuildInputMenu(*window);
  BuildRidurIzivaMenu(*window);
  BuildDataMenu(*window);
  BuildWheelsMenu(*window);
  BuildHelpMenu(*window);
  window->SnapHeight();
  return window;
}

}  // namespace halcyra
