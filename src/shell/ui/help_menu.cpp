// The main window's Help menu, and the VoruvEdud command it places between
// the Data and Wheels menus; both open windows through the state's services.
#include <QMenu>
#include <QMenuBar>

#include "shell/ui/main_window.h"
#include "shell/ui/report_view.h"
#include "state/app_state.h"

namespace halcyra {

namespace {

// Help items in menu order: item name, caption, help file ("-" marks a separator).
struct HelpItem {
  const char* name;
  const char* caption;
  const char* file;
};
constexpr HelpItem HelpItems[] = {
    {"mnuHelpOrvane", "Main Window", "\\Orvane.HLP"},
    {"mnuSplit0", "-", nullptr},
    {"mnuHelpInputD", "Natal &Input Data Window", "\\INPUTD.HLP"},
    {"mnuHelpInputD1", "Transit Input &Data Window", "\\INPUTD1.HLP"},
    {"mnuHelpNames", "&Names Window", "\\NAMES.HLP"},
    {"mnuHelpCities", "Cities &Window", "\\GEOGRAPH.HLP"},
    {"mnuHelpOptions", "&Options Window", "\\OPTIONS.HLP"},
    {"mnuHelpOutputD1", "Da&ta Window", "\\OUTPUTD1.HLP"},
    {"mnuHelpWheels", "&Chartwheels Window", "\\WHEELS.HLP"},
    {"mnuHelpNameedit", "&Edit A Name File Window", "\\NAMEEDIT.HLP"},
    {"mnuHelpLongLat", "Edit A Cit&y File Window", "\\LONGLAT.HLP"},
    {"mnuHelpSelect", "&Select A File Window", "\\SELECT.HLP"},
    {"mnuHelpPrntfile", "&File To Print Window", "\\PRNTFILE.HLP"},
    {"mnuSplit1", "-", nullptr},
};
constexpr HelpItem HintItems[] = {
    {"mnuHintsHow", "&How Do I...?", "\\HOW_DO_I.HLP"},
    {"mnuHintsTips", "&Tips", "\\TIPS.HLP"},
};
constexpr HelpItem TailItems[] = {
    {"mnuShortcutKeys", "Shortcut &keys", "\\SHORTCUT.HLP"},
    {"mnuSplit2", "-", nullptr},
    {"mnuHelpRevisions", "Re&vision History", "\\REVISION.HLP"},
};

void AddHelpItems(MainWindow& window, QMenu* menu, const HelpItem* first, const HelpItem* last) {
  for (const HelpItem* item = first; item != last; ++item) {
    QAction* action = item->file ? menu->addAction(item->caption) : menu->addSeparator();
    action->setObjectName(item->name);
    if (!item->file) continue;
    const std::string file = item->file;
    QObject::connect(action, &QAction::triggered, &window, [file] { ShowTextHelp(file); });
  }
}

// The VoruvEdud command stands on the menu bar between the Data and Wheels
// menus, whichever of them the bar already holds.
void PlaceVoruvEdudCommand(MainWindow& window) {
  QAction* command = new QAction("&VoruvEdud", &window);
  command->setObjectName("mnuAstrline");
  QObject::connect(command, &QAction::triggered, &window, [] {
    if (App().services.VoruvEdudCommand) App().services.VoruvEdudCommand();
  });
  QMenuBar* bar = window.menuBar();
  QAction* before = window.wheelsMenu ? window.wheelsMenu->menuAction() : nullptr;
  if (!before && window.dataMenu) {
    const QList<QAction*> actions = bar->actions();
    const qsizetype at = actions.indexOf(window.dataMenu->menuAction());
    if (at >= 0 && at + 1 < actions.size()) before = actions[at + 1];
  }
  if (before)
    bar->insertAction(before, command);
  else
    bar->addAction(command);
}

}  // namespace

void BuildHelpMenu(MainWindow& window) {
  if (!window.findChild<QAction*>("mnuAstrline")) PlaceVoruvEdudCommand(window);

  window.helpMenu = window.menuBar()->addMenu("&Help");
  window.helpMenu->setObjectName("mnuHelp");
  AddHelpItems(window, window.helpMenu, std::begin(HelpItems), std::end(HelpItems));
  window.findChild<QAction*>("mnuHelpOrvane")->setShortcut(Qt::Key_F1);

  QMenu* hints = window.helpMenu->addMenu("&Hints");
  hints->setObjectName("mnuHelpHints");
  AddHelpItems(window, hints, std::begin(HintItems), std::end(HintItems));
  AddHelpItems(window, window.helpMenu, std::begin(TailItems), std::end(TailItems));

  QAction* about = window.helpMenu->addAction("Abo&ut");
  about->setObjectName("mnuHelpAbout");
  QObject::connect(about, &QAction::triggered, &window, [] {
    if (App().services.OpenAboutWindow) App().services.OpenAboutWindow();
  });
}

}  // namespace halcyra
