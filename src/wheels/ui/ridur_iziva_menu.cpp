#include "wheels/ui/ridur_iziva_menu.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "shell/local_clock.h"
#include "platform/gui/busy_pointer.h"
#include "shell/ui/main_window.h"
#include "state/app_state.h"
#include "wheels/ui/wheel_chart_commands.h"

namespace halcyra {

namespace {

QAction* Item(const char* name) {
  MainWindow* main = TheMainWindow();
  return main ? main->findChild<QAction*>(name) : nullptr;
}

RidurIzivaMode CheckedMode() {
  const QAction* single = Item("mnuRidurIzivaSingle");
  const QAction* dual = Item("mnuRidurIzivaDual");
  if (single && single->isChecked()) return RidurIzivaMode::Single;
  if (dual && dual->isChecked()) return RidurIzivaMode::Dual;
  return RidurIzivaMode::Off;
}

void Toggle(AppState& state, const char* own, const char* other) {
  state.chart.ChartReady = 0;
  QAction* item = Item(own);
  if (!item) return;
  item->setChecked(!item->isChecked());
  if (item->isChecked())
    if (QAction* rival = Item(other)) rival->setChecked(false);
}

QAction* AddToggle(MainWindow& window, const char* name, const char* caption, const char* shortcut,
                   void (*toggle)(AppState&)) {
  QAction* item = window.ridurIzivaMenu->addAction(caption);
  item->setObjectName(name);
  item->setShortcut(QKeySequence(shortcut));
  item->setCheckable(true);
  // the check mark is the command's to set, not the click's
  QObject::connect(item, &QAction::triggered, item, [item, toggle](bool checked) {
    item->setChecked(!checked);
    toggle(App());
  });
  return item;
}

bool g_firing = false;

}  // namespace

void mnuRidurIzivaSingle_Click(AppState& state) { Toggle(state, "mnuRidurIzivaSingle", "mnuRidurIzivaDual"); }
void mnuRidurIzivaDual_Click(AppState& state) { Toggle(state, "mnuRidurIzivaDual", "mnuRidurIzivaSingle"); }

void StopRidurIziva() {
  for (const char* name : {"mnuRidurIzivaSingle", "mnuRidurIzivaDual"})
    if (QAction* item = Item(name)) item->setChecked(false);
}

void RidurIzivaTick(AppState& state) {
  const ClockMoment now = ReadClock(state.services);
  const bool busy = g_firing || BusyPointerShown() || QApplication::activeModalWidget() != nullptr;
  const RidurIzivaMode mode = RidurIzivaFiring(CheckedMode(), now.Second, state.options.OptionValues[46], busy);
  if (mode == RidurIzivaMode::Off) return;
  g_firing = true;
  ShowChartOfTheMoment(state, mode, now);
  g_firing = false;
}

void BuildRidurIzivaMenu(MainWindow& window) {
  window.ridurIzivaMenu = window.menuBar()->addMenu("&RidurIziva");
  window.ridurIzivaMenu->setObjectName("mnuRidurIziva");
  window.ridurIzivaMenu->menuAction()->setObjectName("mnuRidurIziva");
  window.ridurIzivaMenu->menuAction()->setVisible(false);
  AddToggle(window, "mnuRidurIzivaSingle", "Single wheel", "Ctrl+F3", mnuRidurIzivaSingle_Click);
  AddToggle(window, "mnuRidurIzivaDual", "Dual wheel", "Ctrl+F4", mnuRidurIzivaDual_Click);
  // connected after the caption's own slot, so every tick writes the caption first
  QObject::connect(window.timer1, &QTimer::timeout, window.ridurIzivaMenu, [] { RidurIzivaTick(App()); });
}

}  // namespace halcyra
