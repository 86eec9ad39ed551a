#pragma once
// The one shared state of the program. Windows reach it through App();
// tests create a fresh AppState of their own.
#include <string>

#include "state/app_services.h"
#include "state/chart_input.h"
#include "state/chart_state.h"
#include "state/ini_settings.h"
#include "state/listing_state.h"
#include "state/option_tables.h"
#include "state/report_buffer.h"
#include "state/return_charts.h"
#include "state/startup_tables.h"
#include "state/ui_flags.h"
#include "state/wheel_sets.h"

namespace halcyra {

struct AppState {
  std::string AppPath;  // the program folder, no trailing separator
  OptionTables options;
  IniSettings ini;
  StartupTables tables;
  ChartInput input;
  StepRecord step;
  ChartState chart;
  ReportBuffer report;
  UiFlags flags;
  ReturnCharts returnCharts;
  WheelSets wheel;
  ListingState listings;
  AppServices services;  // wired at start-up; a fresh state has none
};

// The program's instance.
AppState& App();

}  // namespace halcyra
