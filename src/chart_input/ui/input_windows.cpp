#include "chart_input/ui/input_windows.h"

#include <QPointer>

#include "chart_input/atlas_exchange.h"
#include "chart_input/chart_command_input.h"
#include "chart_input/input_checks.h"
#include "chart_input/input_parse.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/geograph_window.h"
#include "chart_input/ui/names_window.h"
#include "chart_input/ui/select_file_window.h"
#include "chart_input/ui/time_zone_window.h"
#include "platform/gui/busy_pointer.h"
#include "platform/program_files.h"
#include "platform/run_and_wait.h"
#include "shell/report_output.h"
#include "shell/ui/messages.h"
#include "shell/ui/window_placement.h"

namespace halcyra {

namespace {

QPointer<InputDWindow> g_inputD;
QPointer<InputD1Window> g_inputD1;
QPointer<NamesWindow> g_names;
QPointer<GeographWindow> g_geograph;
QPointer<TimeZoneWindow> g_timeZone;

// The pointer lets go at once, so that the next use loads a fresh window even
// before the event loop has destroyed this one.
template <class Window>
void Unload(QPointer<Window>& window) {
  if (!window) return;
  QWidget* closing = window;
  window.clear();
  closing->close();
  closing->deleteLater();
}

}  // namespace

InputDWindow& InputD() {
  if (!g_inputD) {
    g_inputD = new InputDWindow(App());
    PlaceBesideMainWindow(*g_inputD);
    // Loading the natal window brings up the names list with it.
    PlaceBesideMainWindowAfter(Names(), *g_inputD);
    Names().show();
  }
  return *g_inputD;
}

InputD1Window& InputD1() {
  if (!g_inputD1) {
    g_inputD1 = new InputD1Window(App());
    if (g_names) PlaceBesideMainWindowAfter(*g_inputD1, *g_names);
    else if (g_inputD) PlaceBesideMainWindowAfter(*g_inputD1, *g_inputD);
  }
  return *g_inputD1;
}

NamesWindow& Names() {
  if (!g_names) {
    g_names = new NamesWindow(App());
  }
  return *g_names;
}

GeographWindow& Geograph() {
  if (!g_geograph) {
    g_geograph = new GeographWindow(App());
  }
  return *g_geograph;
}

TimeZoneWindow& TimeZone() {
  if (!g_timeZone) g_timeZone = new TimeZoneWindow(App());
  return *g_timeZone;
}

void UnloadInputD() { Unload(g_inputD); }
void UnloadInputD1() { Unload(g_inputD1); }
void UnloadNames() {
  // Its list goes now, not when the window is destroyed: the next may need the room.
  if (g_names) g_names->ClearList();
  Unload(g_names);
}
void UnloadGeograph() { Unload(g_geograph); }
void UnloadTimeZone() { Unload(g_timeZone); }
void UnloadDataEntryWindows() {
  UnloadTimeZone();
  UnloadGeograph();
  UnloadNames();
  UnloadInputD1();
  UnloadInputD();
}

void ReopenNamesList() {
  UnloadNames();
  Names().show();
}

void ReopenCityList() {
  UnloadGeograph();
  Geograph().show();
}

bool NamesLoaded() { return !g_names.isNull(); }
bool GeographLoaded() { return !g_geograph.isNull(); }
bool TimeZoneLoaded() { return !g_timeZone.isNull(); }

void ShowInputWindows() {
  InputD().show();
  InputD1().show();
}

void HideInputWindows() {
  for (QWidget* window : std::initializer_list<QWidget*>{g_inputD, g_inputD1, g_names, g_geograph})
    if (window) window->hide();
}

// A zone still in its box when a chart reads the window (OK pressed with
// Enter from the zone box) is taken as if the box had been left.
InputBoxTexts NatalInputTexts() {
  InputD().FollowZoneBox();
  return InputD().BoxTexts();
}
InputBoxTexts TransitInputTexts() {
  InputD1().FollowZoneBox();
  return InputD1().BoxTexts();
}

ChartInputWindow& InputWindowForTarget(int target) {
  if (target == 0) return InputD();
  return InputD1();
}

std::optional<WindowReading> AcceptedNatalBoxes(QWidget* parent) {
  WindowReading natal = ReadWindowBoxes(NatalInputTexts(), FirstNatalYear);
  if (natal.Accepted()) return natal;
  ShowMessage(NatalInputErrorText, InputWarningTitle, MessageIcon::Warning, parent);
  InputD().FocusBox(*natal.Fault);
  return std::nullopt;
}

void ShowInputMessages(const InputMessages& messages, QWidget* parent) {
  for (const InputMessage& message : messages.List())
    ShowMessage(message.Text, message.Title, MessageIcon::Warning, parent);
  if (const std::optional<BoxAtFault>& focus = messages.Focus())
    InputWindowForTarget(focus->Window).FocusBox(focus->Box);
}

std::optional<InputReadings> CheckedInput(AppState& state) {
  // The name goes into the reports and the names file: one they cannot
  // hold is refused first, as the natal window's first box.
  if (!InputD().NameFitsFiles()) {
    state.chart.InputError = 1;
    return std::nullopt;
  }
  const InputReadings input = ReadInputWindows(NatalInputTexts(), TransitInputTexts());
  InputMessages messages;
  const bool passed = RunInputChecks(state, input, messages);
  ShowInputMessages(messages);
  if (!passed) return std::nullopt;
  return input;
}

bool ValidateAndParseInputWindows(AppState& state) {
  const std::optional<InputReadings> input = CheckedInput(state);
  if (!input) return false;
  ParseNatalInput(state, input->natal.When, input->natal.Where);
  ParseTransitInput(state, input->transit.When, input->transit.Where);
  SetChartNames(state, InputD().NameText(), InputD1().SecondPersonCaption());
  return true;
}

void CalculateChartFromInput(AppState& state) {
  if (state.services.CalculateChart)
    state.services.CalculateChart(state);
  else
    ValidateAndParseInputWindows(state);
}

void ComputeChartFromInputWindows(AppState& state) {
  state.chart.ChartReady = 0;
  // The data buffer starts afresh with each new chart; input the checks will
  // refuse computes nothing, so the buffer keeps its lines then. A chart the
  // driver refuses later (a place its house system cannot handle) gives the
  // user's lines back.
  InputMessages unused;
  const int inputError = state.chart.InputError;
  const bool passes = RunInputChecks(state, NatalInputTexts(), TransitInputTexts(), unused);
  state.chart.InputError = inputError;
  std::vector<std::string> keptLines;
  const long keptCount = state.report.DataLineCount;
  if (passes) {
    keptLines = state.report.DataLines;
    ClearDataBuffer(state);
  }
  CalculateChartFromInput(state);
  if (passes && state.chart.InputError != 0) {
    state.report.DataLines = std::move(keptLines);
    state.report.DataLineCount = keptCount;
  }
}

bool ReadChartInputFieldsFromWindows(AppState& state) {
  InputMessages messages;
  const bool filled = ReadChartInputFields(state, ReadInputWindows(NatalInputTexts(), TransitInputTexts()), messages);
  ShowInputMessages(messages);
  return filled;
}

void ShowCityList(AppState& state) {
  GeographWindow& cities = Geograph();
  KeepInSightWhenPlaced(cities, InputWindowForTarget(state.input.GeoTarget));
  cities.ShowTarget();
  cities.show();
  cities.raise();
  cities.activateWindow();
}

void ShowTimeZoneList(AppState& state) {
  TimeZoneWindow& zones = TimeZone();
  KeepInSightWhenPlaced(zones, InputWindowForTarget(state.flags.TZTarget));
  zones.ShowTarget();
  zones.show();
  zones.raise();
  zones.activateWindow();
}

void RunAtlasCommand(AppState& state, ChartInputWindow& window) {
  std::string folder = state.ini.AtlasDir;
  if (folder.empty()) {
    ShowMessage(NoAtlasFolderText, "Information!", MessageIcon::Information, &window);
    folder = InputBox("Folder of the atlas program (the folder that holds ATLAS.EXE):", "Atlas Folder", "", &window);
    if (folder.empty()) return;
  }
  const ProgramRunner run = state.services.RunProgram ? state.services.RunProgram : ProgramRunner(RunAndWait);
  SetBusyPointer(true);
  const AtlasResult result = RunAtlasExchange(folder, run);
  SetBusyPointer(false);
  // Only a folder that holds the atlas program is kept (and written to the
  // INI file at exit); after a refusal the next atlas command asks again.
  state.ini.AtlasDir = result.FolderHoldsAtlas ? folder : std::string();
  if (!result.Answer) {
    ShowMessage(result.Message, "Warning!", MessageIcon::Warning, &window);
    return;
  }
  if (result.Answer->HasZone)
    window.WritePlace(result.Answer->Place);
  else {
    // Without a zone in the answer the zone box keeps what it holds.
    PlaceTexts place = result.Answer->Place;
    place.TZ = window.BoxTexts().TZ;
    window.WritePlace(place);
  }
}

std::string CurrentNamesFile(const AppState& state) {
  if (!state.ini.NamesFileName.empty()) return ResolveCaseInsensitive(state.ini.NamesFileName);
  return ProgramFile(state.AppPath, "NAMES.FIL");
}

std::string CurrentCityFile(const AppState& state) {
  if (!state.ini.CityFileName.empty()) return ResolveCaseInsensitive(state.ini.CityFileName);
  return ProgramFile(state.AppPath, "GA_MA.LL");
}

std::string ChooseDataFile(AppState& state, const std::string& pattern, QWidget* parent) {
  if (state.services.ChooseDataFile) return state.services.ChooseDataFile(pattern);
  SelectFileWindow chooser(state, parent);
  chooser.SetPattern(pattern);
  chooser.exec();
  return state.input.SelectedFile;
}

}  // namespace halcyra
