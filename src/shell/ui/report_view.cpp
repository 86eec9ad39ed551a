#include "shell/ui/report_view.h"

#include "shell/report_output.h"
#include "state/app_state.h"

namespace halcyra {

void ShowReport() { ShowReport(App()); }

void ShowTextHelp(const std::string& fileName) { ShowTextHelp(App(), fileName); }

}  // namespace halcyra
