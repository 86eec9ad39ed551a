#include "app/service_wiring.h"

#include "app/calculate_chart.h"
#include "chart_input/ui/input_windows.h"
#include "reports/transit_interpretations.h"
#include "reports/ui/data_menu.h"
#include "shell/ui/data_window.h"
#include "shell/ui/startup_windows.h"
#include "state/app_state.h"
#include "wheels/ui/voruv_edud_window.h"
#include "wheels/ui/wheels_window.h"

namespace halcyra {

void WireAppServices(AppState& state) {
  AppServices& services = state.services;
  services.CalculateChart = CalculateChart;
  InstallDataWindowDisplay(state);
  services.WriteTransitListingDay = WriteTransitInterpretations;
  services.OpenAboutWindow = [] { ShowAboutWindow(); };
  services.ReopenCityList = ReopenCityList;
  services.ReopenNamesList = ReopenNamesList;
  services.SecondPersonTicked = SetTransitAspectsToTransitsCaption;
  services.VoruvEdudCommand = [] { ShowVoruvEdud(App()); };
  // the return searches show their single wheels through the wheel window
  services.ShowReturnWheel = [](AppState& state) { ShowChartWheel(state); };
}

}  // namespace halcyra
