#pragma once
// The data-entry windows as the rest of the program reaches them: each is
// loaded on first use, and "unloading" one closes and destroys it so that
// its next use loads it afresh.
#include <optional>
#include <string>

#include "chart_input/input_boxes.h"
#include "chart_input/input_checks.h"
#include "chart_input/input_reading.h"
#include "state/app_state.h"

class QWidget;

namespace halcyra {

class MainWindow;
class ChartInputWindow;
class InputDWindow;
class InputD1Window;
class NamesWindow;
class GeographWindow;
class TimeZoneWindow;

// Loads and shows InputD (which shows Names) and InputD1, preset.
void ShowInputWindows();

// Each window, loaded when it is not.
InputDWindow& InputD();
InputD1Window& InputD1();
NamesWindow& Names();
GeographWindow& Geograph();
TimeZoneWindow& TimeZone();

void UnloadInputD();
void UnloadInputD1();
void UnloadNames();
void UnloadGeograph();
void UnloadTimeZone();
void UnloadDataEntryWindows();  // all five
// The names or cities list loaded afresh from its file and shown: what the
// names and city editors do when they quit.
void ReopenNamesList();
void ReopenCityList();
bool NamesLoaded();
bool GeographLoaded();
bool TimeZoneLoaded();

// The chart driver hides these four once the input has passed its checks.
void HideInputWindows();

// The texts of the two input windows, for the checks and the parse; a zone
// typed beside the preset of now is taken first (ChartInputWindow::FollowZoneBox).
InputBoxTexts NatalInputTexts();
InputBoxTexts TransitInputTexts();

// The natal window's boxes read once; nullopt, after the natal window's
// message with the focus in the box at fault, when a box is refused.
std::optional<WindowReading> AcceptedNatalBoxes(QWidget* parent = nullptr);

// Shows the messages the checks raised, in order, then puts the focus in
// the box of the first, its text selected.
void ShowInputMessages(const InputMessages& messages, QWidget* parent = nullptr);

// Both windows read once and checked, the natal name first
// (InputDWindow::NameFitsFiles); nullopt, after the checks' messages are
// shown, when the input did not pass.
std::optional<InputReadings> CheckedInput(AppState& state);

// The chart computation behind OK and a double-clicked name: the services'
// CalculateChart, or without one the check and parse of the input windows
// (ValidateAndParseInputWindows).
void CalculateChartFromInput(AppState& state);

// Clears InputError, runs the four input checks on both windows, shows the
// messages, and on success parses both windows into state.input and takes
// the chart names. Returns whether the input passed.
bool ValidateAndParseInputWindows(AppState& state);

// The input windows' own confirmation: a chart afresh (ChartReady 0), the data
// buffer emptied once the input passes its checks, then the computation.
void ComputeChartFromInputWindows(AppState& state);

// ReadChartInputFields on the two windows, with its messages shown.
bool ReadChartInputFieldsFromWindows(AppState& state);

// Shows the cities list or the time-zone list for the window named by
// GeoTarget or TZTarget.
void ShowCityList(AppState& state);
void ShowTimeZoneList(AppState& state);

// The input window a target number names: 0 natal, else transit.
ChartInputWindow& InputWindowForTarget(int target);

// The atlas command of an input window: runs the atlas program of AtlasDir
// (asking for the folder when none is set; through the services' RunProgram
// when they have one) and fills the window's place. A folder without
// ATLAS.EXE is not kept.
void RunAtlasCommand(AppState& state, ChartInputWindow& window);

// The names and city files in use: the INI's paths, or the program folder's
// NAMES.FIL and GA_MA.LL when none is set.
std::string CurrentNamesFile(const AppState& state);
std::string CurrentCityFile(const AppState& state);

// The file chooser as the lists use it: the chosen full path, "" when
// cancelled. The services' ChooseDataFile answers in its place when set.
std::string ChooseDataFile(AppState& state, const std::string& pattern, QWidget* parent);

// The main window's Input command, and the menu-bar entry that runs it.
void InputDataCommand(AppState& state);
void BuildInputMenu(MainWindow& window);

}  // namespace halcyra
