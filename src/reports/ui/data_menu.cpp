#include "reports/ui/data_menu.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <string>

#include "horary/horary_basics_page.h"
#include "horary/horary_pages.h"
#include "mansions/mansions_page.h"
#include "platform/gui/busy_pointer.h"
#include "reports/data_menu_commands.h"
#include "reports/ui/diur_opt_window.h"
#include "reports/ui/listing_commands.h"
#include "shell/ui/main_window.h"
#include "shell/ui/report_view.h"
#include "state/app_state.h"

namespace halcyra {

namespace {

// The main window's Data menu while the window exists.
QMenu* DataMenu() {
  MainWindow* window = TheMainWindow();
  return window ? window->dataMenu : nullptr;
}

// The transit input window's second-person box, wherever that window is.
SecondPersonBox ReadSecondPersonBox() {
  SecondPersonBox box;
  for (QWidget* widget : QApplication::allWidgets()) {
    auto* check = qobject_cast<QCheckBox*>(widget);
    if (check && check->objectName() == "chk2ndPerson") {
      box.ticked = check->isChecked();
      box.caption = check->text().toLatin1().toStdString();
      break;
    }
  }
  return box;
}

// The menu's commands run only while the menu is on view: before the first
// chart there are no chart sets to report on.
bool DataMenuOnView() { return DataMenu() && DataMenu()->menuAction()->isVisible(); }

QAction* AddItem(QMenu* menu, const char* name, const char* caption, const char* shortcut) {
  auto* item = new QAction(QString::fromLatin1(caption), menu);
  item->setObjectName(name);
  if (shortcut && *shortcut) item->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
  menu->addAction(item);
  return item;
}

void AddSeparator(QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(name); }

// An item that writes a page and shows it.
template <typename Page>
QAction* AddReportItem(QMenu* menu, const char* name, const char* caption, const char* shortcut,
                       Page page) {
  QAction* item = AddItem(menu, name, caption, shortcut);
  QObject::connect(item, &QAction::triggered, menu, [page] {
    if (!DataMenuOnView()) return;
    page(App());
    ShowReport();
  });
  return item;
}

// A page whose sections show the hourglass while they work through every
// pair of points or parts.
template <void (*Page)(AppState&)>
void UnderHourglass(AppState& state) {
  SetBusyPointer(true);
  Page(state);
  SetBusyPointer(false);
}

}  // namespace

void SetTransitAspectsToTransitsCaption(bool secondPersonTicked) {
  if (!DataMenu()) return;
  QAction* item = DataMenu()->findChild<QAction*>("mnuDataTransitAspectsToTransits");
  const QString caption = QString::fromLatin1(TransitAspectsToTransitsCaption(secondPersonTicked));
  if (item && item->text() != caption) item->setText(caption);
}

void RefreshDataMenu() { SetTransitAspectsToTransitsCaption(ReadSecondPersonBox().ticked); }

void BuildDataMenu(MainWindow& window) {
  QMenu* menu = window.menuBar()->addMenu("&Data");
  window.dataMenu = menu;
  menu->setObjectName("mnuData");
  menu->menuAction()->setObjectName("mnuData");
  menu->menuAction()->setVisible(false);

  AddReportItem(menu, "mnuDataSummary", "Summary of data", "Ctrl+F12", DataSummaryPage);
  AddSeparator(menu, "mnuSplit397");
  AddReportItem(menu, "mnuDataNatalData", "&Natal Data", "F2", NatalDataPage);
  AddReportItem(menu, "mnuDataNatalAspects", "Natal &Aspects", "F3", NatalAspectsPage);
  AddReportItem(menu, "mnuDataNatalMore", "Mo&re Natal Data", "F4", NatalMorePage);
  AddSeparator(menu, "mnuSplit117");
  AddReportItem(menu, "mnuDataTransitData", "&Transit Data", "F5", TransitDataPage);
  AddReportItem(menu, "mnuDataTransitsAspectstoNatal", "Aspects to Nata&l", "F6",
                [](AppState& state) { TransitAspectsToNatalPage(state, ReadSecondPersonBox()); });
  AddReportItem(menu, "mnuDataTransitAspectsToTransits", "A&spects to Transits", "F7",
                [](AppState& state) { TransitAspectsToTransitsPage(state, ReadSecondPersonBox()); });
  AddSeparator(menu, "mnuSplit330");
  QAction* transits = AddItem(menu, "mnuDataTransits", "Transits by the &Minute", "Ctrl+F2");
  QObject::connect(transits, &QAction::triggered, menu, [] {
    if (!DataMenuOnView()) return;
    App().flags.TZTarget = 0;
    ShowDiurOpt(App());
  });
  AddSeparator(menu, "mnuSplit331");
  QAction* interpretations =
      AddItem(menu, "mnuDataTransitInterpretations", "Transit &Interpretations", "Ctrl+F1");
  QObject::connect(interpretations, &QAction::triggered, menu, [] {
    if (!DataMenuOnView()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    TransitInterpretationsPage(App());
    ShowReport();
    QApplication::restoreOverrideCursor();
  });
  QAction* houses = AddItem(menu, "mnuDataListTransits", "Tabl&e of Houses", "Ctrl+F5");
  QObject::connect(houses, &QAction::triggered, menu, [] {
    if (DataMenuOnView()) ListDiurnalHouses(App());
  });
  AddSeparator(menu, "mnuSplit45");
  AddReportItem(menu, "mnuHoraryBasics", "Horary &Basics", "Ctrl+F6", HoraryBasicsPage);
  AddReportItem(menu, "mnuHoraryAspects", "&Horary Aspects", "Shift+F7", UnderHourglass<HoraryAspectsPage>);
  AddReportItem(menu, "mnuHoraryAlmutens", "Horary Almutens, &Dispositors, Antiscions", "Ctrl+F7",
                HoraryAlmutensPage);
  AddReportItem(menu, "mnuHoraryDecansDwads", "Horary Decans and D&wads", "Shift+F12",
                HoraryDecansDwadsPage);
  AddReportItem(menu, "mnuHoraryOtherDegrees", "Horary &Other Degrees", "Ctrl+F8",
                HoraryOtherDegreesPage);
  AddReportItem(menu, "mnuHoraryArabianParts", "Arabian &Parts", "Ctrl+F9", UnderHourglass<ArabianPartsPage>);
  AddReportItem(menu, "mnuDataFixedStars", "&Fixed Stars", "Ctrl+F11", FixedStarsPage);
  AddSeparator(menu, "mnuSplit616");
  AddReportItem(menu, "mnuMansions", "Mansions", "Ctrl+M", UnderHourglass<MansionsPage>);

  QObject::connect(menu, &QMenu::aboutToShow, menu, [] { RefreshDataMenu(); });
  SetTransitAspectsToTransitsCaption(ReadSecondPersonBox().ticked);
}

}  // namespace halcyra
