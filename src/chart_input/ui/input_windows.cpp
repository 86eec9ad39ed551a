#include "chart_input/ui/input_windows.h"

namespace halcyra {

void ShowInputWindows() {}

}  // namespace halcyra
