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
#include "shell/return_prompts.h"
#include "shell/ui/main_window.h"
#include "shell/ui/messages.h"
#include "state/app_state.h"
#include "wheels/return_wheels.h"
#include "wheels/ui/wheels_window.h"
#include "wheels/wheel_commands.h"

namespace halcyra {

namespace {

using MenuCommand = void (*)(AppState&);

bool SecondPersonTicked() { return InputD1().SecondPerson(); }

double AskAscendant() { return AscendantFromAnswer(InputBox(AscendantPrompt, AscendantTitle, AscendantDefault)); }

// Asks until the answer is one the rule takes; 0 keeps the stored year, or
// for a season does nothing.
int AskUntilTaken(const char* prompt, const char* title, const std::string& defaultText,
                  PromptAnswer (*rule)(const std::string&)) {
  for (;;) {
    const PromptAnswer answer = rule(InputBox(prompt, title, defaultText));
    if (!answer.askAgain) return answer.value;
  }
}

void AskYear(AppState& state, ReturnWheelKind kind) {
  const bool lunar = kind == ReturnWheelKind::Lunar;
  const int year = AskUntilTaken(lunar ? LunarYearPrompt : SolarYearPrompt, lunar ? LunarYearTitle : SolarYearTitle,
                                 YearPromptDefault(state.input.LastBirthdayYear), YearPromptAnswer);
  if (year != 0) (lunar ? state.chart.returns.ReturnYear : state.chart.returns.SolarReturnYear) = year;
}

int AskSeason() { return AskUntilTaken(SeasonPrompt, SeasonTitle, SeasonDefault, SeasonPromptAnswer); }

bool Found(const ReturnSearchResult& result) {
  if (!result.found) ShowMessage(result.message, ReturnSearchTitle, MessageIcon::Warning);
  return result.found;
}

// The single returns choose their orb file before they ask and search, so
// it holds whatever the search finds.
void SolarReturn(AppState& state) {
  SetWheelOrbFile(state, "SOLARRTN.ORB");
  AskYear(state, ReturnWheelKind::Solar);
  if (!Found(FindSolarReturn(state))) return;
  ShowSolarReturnWheel(state);
}

void LunarReturn(AppState& state) {
  SetWheelOrbFile(state, "LUNARRTN.ORB");
  AskYear(state, ReturnWheelKind::Lunar);
  if (!Found(FindLunarReturn(state))) return;
  ShowLunarReturnWheel(state);
}

// The ingress of a season: nothing more while it is shown, so the wheel
// window loads without its Returns menu.
void Ingress(AppState& state) {
  const int season = AskSeason();
  if (season == 0) return;
  state.chart.returns.IngressNumber = season;
  if (Found(FindSolarReturn(state))) {
    PrepareIngressWheel(state);
    ShowChartWheel(state);
    state.chart.ChartKind = 0;
  }
  state.chart.returns.IngressNumber = 0;
}

void DualReturn(AppState& state, ReturnWheelKind kind) {
  if (kind == ReturnWheelKind::Ingress) {
    const int season = AskSeason();
    if (season == 0) return;
    state.chart.returns.IngressNumber = season;
  } else {
    AskYear(state, kind);
  }
  if (Found(kind == ReturnWheelKind::Lunar ? FindLunarReturn(state) : FindSolarReturn(state))) {
    PrepareDualReturnWheel(state, kind);
    ShowChartWheel(state);
  }
  state.chart.returns.IngressNumber = 0;
}

void SolarReturnVsNatal(AppState& state) { DualReturn(state, ReturnWheelKind::Solar); }
void LunarReturnVsNatal(AppState& state) { DualReturn(state, ReturnWheelKind::Lunar); }
void IngressVsNatal(AppState& state) { DualReturn(state, ReturnWheelKind::Ingress); }

void Transits(AppState& state) { WheelsSingleTransits(state, SecondPersonTicked()); }
void UserDefinedAsc(AppState& state) { WheelsSingleUserDefinedAsc(state, AskAscendant()); }
void TransitsVsNatal(AppState& state) { WheelsDualTransitsNatal(state, SecondPersonTicked()); }
void TransitsUserDefinedAsc(AppState& state) { WheelsDualTransitsUserDefinedAsc(state, AskAscendant()); }

// Rows in menu order: name, caption, shortcut, command ("-" captions are
// separators). A command prepares the wheel sets and the wheel is shown
// after it, unless it asks, searches and shows the wheel itself.
struct WheelsMenuRow {
  const char* name;
  const char* caption;
  const char* shortcut;
  MenuCommand command;
  bool showsItself = false;
};
constexpr WheelsMenuRow WheelsMenuRows[] = {
    {"mnuWheelsSingleNatal", "&Natal", "F9", WheelsSingleNatal},
    {"mnuWheelsSingleNatalSP", "Natal Solst&ice Points", "Shift+F9", WheelsSingleNatalSolsticePoints},
    {"mnuWheelsSingleSolarArc", "&Solar Arc", "Ctrl+A", WheelsSingleSolarArc},
    {"mnuWheelsSingleTransits", "&Transits", "F8", Transits},
    {"mnuSplit392", "-", "", nullptr},
    {"mnuWheelsSingleSolarReturn", "Solar &Return", "Ctrl+S", SolarReturn, true},
    {"mnuWheelsSingleLunarReturn", "&Lunar Return", "Ctrl+L", LunarReturn, true},
    {"mnuSplit145", "-", "", nullptr},
    {"mnuWheelsSingleIngress", "In&gress", "Ctrl+I", Ingress, true},
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
    {"mnuWheelsDualNatSR", "Solar &Return vs Natal", "Shift+F4", SolarReturnVsNatal, true},
    {"mnuWheelsDualNatLR", "&Lunar Return vs Natal", "Shift+F5", LunarReturnVsNatal, true},
    {"mnuSplit450", "-", "", nullptr},
    {"mnuWheelsDualNatIng", "Ingr&ess vs Natal", "Shift+F6", IngressVsNatal, true},
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
      QObject::connect(action, &QAction::triggered, window.wheelsMenu, [command, shows = row.showsItself] {
        command(App());
        if (!shows) ShowChartWheel(App());
      });
  }
}

}  // namespace halcyra
