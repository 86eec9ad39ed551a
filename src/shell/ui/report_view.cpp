#include "shell/ui/report_view.h"

#include "shell/report_output.h"
#include "shell/ui/data_window.h"

namespace halcyra {

void ShowReport() {
  InstallDataWindowDisplay();
  ShowReport(App());
}

void ShowTextHelp(const std::string& fileName) {
  InstallDataWindowDisplay();
  ShowTextHelp(App(), fileName);
}

}  // namespace halcyra
