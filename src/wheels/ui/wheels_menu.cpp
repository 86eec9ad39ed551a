// The main window's Wheels menu: each command prepares the wheel sets from
// the computed charts and shows the chart-wheel window afresh.
#include "wheels/ui/wheels_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "core/return_search.h"
#include "shell/ui/main_window.h"
#include "shell/ui/messages.h"
#include "state/app_state.h"
#include "wheels/ui/wheels_window.h"
#include "wheels/wheel_commands.h"

namespace halcyra {

namespace {

using MenuCommand = void (*)(AppState&);

bool SecondPersonTicked() { return InputD1().SecondPerson(); }

double AskAscendant() { return AscendantFromAnswer(InputBox(AscendantPrompt, AscendantTitle, AscendantDefault)); }

void Transits(AppState& state) { WheelsSingleTransits(state, SecondPersonTicked()); }
void UserDefinedAsc(AppState& state) { WheelsSingleUserDefinedAsc(state, AskAscendant()); }
void TransitsVsNatal(AppState& state) { WheelsDualTransitsNatal(state, SecondPersonTicked()); }
void TransitsUserDefinedAsc(AppState& state) { WheelsDualTransitsUserDefinedAsc(state, AskAscendant()); }

// Rows in menu order: name, caption, shortcut, command ("-" captions are
// separators; a row without a command is not built yet and shows greyed).
struct WheelsMenuRow {
  const char* name;
  const char* caption;
  const char* shortcut;
  MenuCommand command;
};
constexpr WheelsMenuRow WheelsMenuRows[] = {
    {"mnuWheelsSingleNatal", "&Natal", "F9", WheelsSingleNatal},
    {"mnuWheelsSingleNatalSP", "Natal Solst&ice Points", "Shift+F9", WheelsSingleNatalSolsticePoints},
    {"mnuWheelsSingleSolarArc", "&Solar Arc", "Ctrl+A", WheelsSingleSolarArc},
    {"mnuWheelsSingleTransits", "&Transits", "F8", Transits},
    {"mnuSplit392", "-", "", nullptr},
    {"mnuWheelsSingleSolarReturn", "Solar &Return", "Ctrl+S", nullptr},
    {"mnuWheelsSingleLunarReturn", "&Lunar Return", "Ctrl+L", nullptr},
    {"mnuSplit145", "-", "", nullptr},
    {"mnuWheelsSingleIngress", "In&gress", "Ctrl+I", nullptr},
    {"mnuSplit325", "-", "", nullptr},
    {"mnuWheelsSingleSolarEquilibrium", "Solar E&quilibrium", "Ctrl+E", WheelsSingleSolarEquilibrium},
    {"mnuWheelsSingleUserDefinedAsc", "User Defined ASC", "Ctrl+U", UserDefinedAsc},
    {"mnuSplit623", "-", "", nullptr},
    {"mnuWheelsDualNatSP", "&Solstice Point vs Natal", "Shift+F1", WheelsDualSolsticePointsNatal},
    {"mnuSplit398", "-", "", nullptr},
    {"mnuWheelsDualNatalProgressed", "Progressed vs Natal", "Shift+F2", WheelsDualProgressedNatal},
    {"mnuWheelsDualNatalSolarArc", "Solar Arc vs Natal", "Shift+F3", WheelsDualSolarArcNatal},
    {"mnuWheelsDualNatTran", "Transits &vs Natal", "F11", TransitsVsNatal},
    {"mnuSplit390", "-", "", nullptr},
    {"mnuWheelsDualNatSR", "Solar &Return vs Natal", "Shift+F4", nullptr},
    {"mnuWheelsDualNatLR", "&Lunar Return vs Natal", "Shift+F5", nullptr},
    {"mnuSplit450", "-", "", nullptr},
    {"mnuWheelsDualNatIng", "Ingr&ess vs Natal", "Shift+F6", nullptr},
    {"mnuSplit712", "-", "", nullptr},
    {"mnuWheelsDualNatalSETran", "Transits vs Natal Solar Equilibrium", "Shift+F8",
     WheelsDualTransitsSolarEquilibrium},
    {"mnuWheelsDualNatalUserTran", "Transits vs Natal User Defined ASC", "Shift+F11", TransitsUserDefinedAsc},
};

}  // namespace

void BuildWheelsMenu(MainWindow& window) {
  window.wheelsMenu = window.menuBar()->addMenu("&Wheels");
  window.wheelsMenu->setObjectName("mnuWheels");
  window.wheelsMenu->menuAction()->setObjectName("mnuWheels");
  window.wheelsMenu->menuAction()->setVisible(false);
  for (const WheelsMenuRow& row : WheelsMenuRows) {
    const bool separator = row.caption[0] == '-';
    QAction* action = separator ? window.wheelsMenu->addSeparator() : window.wheelsMenu->addAction(row.caption);
    action->setObjectName(row.name);
    if (separator) continue;
    action->setShortcut(QKeySequence(row.shortcut));
    action->setEnabled(row.command != nullptr);
    if (const MenuCommand command = row.command)
      QObject::connect(action, &QAction::triggered, window.wheelsMenu, [command] {
        command(App());
        ShowChartWheel(App());
      });
  }
}

}  // namespace halcyra
