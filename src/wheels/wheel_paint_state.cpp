#include "wheels/wheel_paint_state.h"

#include "platform/program_files.h"
#include "platform/text_files.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"
#include "wheels/display_sets.h"
#include "wheels/wheel_commands.h"

namespace halcyra {

std::string OrbFileWarningText(const std::string& reason) {
  return reason + "\n\nThe wheel keeps the orbs it had.";
}

void GetProperPlanets(AppState& state) {
  const RehousedChart rehoused = GetProperPlanets(state.wheel, WheelCaption1(state), WheelCaption2(state),
                                                  state.flags.WheelKind, state.chart.WheelMode);
  ChartSet& work = state.chart.Working;
  for (int e = 1; e <= 12; ++e) work.Cusp[e] = state.wheel.DisplayCusp[e];
  for (int p = 1; p <= NumPoints; ++p) work.Long[p] = rehoused.Long[p];
  work.HouseTags = rehoused.HouseTags;
}

std::optional<std::string> ReloadWheelOrbs(AppState& state) {
  std::string& warned = state.wheel.OrbWarningShownFor;
  try {
    LoadOrbFile(state);
    warned.clear();
    return std::nullopt;
  } catch (const StartupFileError& refused) {
    if (warned == state.options.OrbFileName) return std::nullopt;
    warned = state.options.OrbFileName;
    return OrbFileWarningText(refused.what());
  }
}

std::optional<std::vector<std::string>> PersonalFooterLines(const AppState& state) {
  return ReadTextLines(ProgramFile(state.AppPath, "PERSONAL.NAM"));
}

WheelPaintResult PaintWheelFromState(AppState& state, DrawingSurface& surface, bool printing) {
  WheelPaintInput input;
  input.wheelKind = state.flags.WheelKind;
  input.european = state.ini.EuropeanChart == 1;
  input.options = &state.options;
  input.tables = &state.tables;
  input.transitSelection = state.ini.TransitSelection;
  input.printing = printing;
  input.whiteRingFill = state.wheel.WhiteRingFill == 1;
  if (printing) input.footerLines = PersonalFooterLines(state);
  const WheelPaintResult result = PaintWheel(surface, state.wheel, input);
  state.chart.Working.RetroFlags = result.RetroFlags;
  state.chart.Working.HouseTags = result.HouseTags;
  return result;
}

}  // namespace halcyra
