#include "wheels/ui/wheels_window.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>
#include <QShortcut>
#include <QTimer>

#include "chart_input/ui/select_file_window.h"
#include "core/return_search.h"
#include "platform/gui/busy_pointer.h"
#include "platform/gui/twips.h"
#include "platform/program_files.h"
#include "reports/ui/planetary_hours_window.h"
#include "shell/ui/messages.h"
#include "shell/ui/report_view.h"
#include "shell/ui/text_editors.h"
#include "shell/ui/window_placement.h"
#include "wheels/turn_natal.h"
#include "wheels/ui/keywords_window.h"
#include "wheels/ui/wheel_chart_commands.h"
#include "wheels/ui/wheel_menus.h"
#include "wheels/ui/wheel_picture.h"
#include "wheels/ui/wheel_print.h"
#include "wheels/ui/wheel_rendering.h"
#include "wheels/wheel_commands.h"
#include "wheels/wheel_frame.h"
#include "wheels/wheel_paint_state.h"

namespace halcyra {

namespace {

QPointer<WheelsWindow> g_window;

bool Readable(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly);
}

// The orb file the user picks among the program folder's *.ORB files,
// starting on the one in use; "" when cancelled.
std::string ChooseOrbFile(AppState& state, const std::string& current, QWidget* parent) {
  SelectFileWindow chooser(state, parent);
  chooser.SetPattern("*.ORB");
  const QString currentName = QFileInfo(QString::fromStdString(current)).fileName();
  QListWidget* files = chooser.FileList();
  for (int row = 0; row < files->count(); ++row)
    if (files->item(row)->text().compare(currentName, Qt::CaseInsensitive) == 0) {
      files->setCurrentRow(row);
      break;
    }
  chooser.exec();
  return state.input.SelectedFile;
}

constexpr const char* FileNotFoundText = "File Not Found";

}  // namespace

// The window's drawing area: it shows the back buffer, painted afresh first.
class WheelCanvas : public QWidget {
 public:
  explicit WheelCanvas(WheelsWindow& window) : QWidget(&window), window_(window) {
    setObjectName("Picture");
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    window_.PaintCanvas(painter);
  }

 private:
  WheelsWindow& window_;
};

WheelsWindow::WheelsWindow(AppState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
  setObjectName("Wheels");
  setWindowTitle("Chartwheels");
  setAttribute(Qt::WA_DeleteOnClose);
  canvas_ = new WheelCanvas(*this);
  setCentralWidget(canvas_);
  BuildMenus();
  // Alt+Print puts the wheel's picture on the clipboard, for Save picture;
  // Ctrl+C too, for desktops that keep Alt+Print for themselves
  for (const QKeySequence& keys : {QKeySequence(Qt::ALT | Qt::Key_Print), QKeySequence(Qt::CTRL | Qt::Key_C)}) {
    auto* copy = new QShortcut(keys, this);
    connect(copy, &QShortcut::activated, this, [this] { CopyWheelPicture(*this); });
  }
  Form_Load();
}

void WheelsWindow::BuildMenus() {
  QMenu* menu = nullptr;
  const auto& entries = WheelMenuItems();
  for (size_t i = 0; i < entries.size(); ++i) {
    const WheelMenuEntry& entry = entries[i];
    const bool opensMenu = entry.level == 0 && i + 1 < entries.size() && entries[i + 1].level == 1;
    QAction* action = nullptr;
    if (opensMenu) {
      menu = menuBar()->addMenu(entry.caption);
      menu->setObjectName(entry.name);
      action = menu->menuAction();
    } else {
      action = entry.level == 0 ? menuBar()->addAction(entry.caption) : menu->addAction(entry.caption);
      if (*entry.shortcut) action->setShortcut(QKeySequence(entry.shortcut));
      action->setCheckable(entry.checkable);
      action->setEnabled(entry.command != nullptr);
      if (entry.command) {
        const WheelCommand command = entry.command;
        connect(action, &QAction::triggered, this, [this, command] { command(*this); });
      }
    }
    action->setObjectName(entry.name);
    items_[entry.name] = action;
  }
}

QAction* WheelsWindow::Item(const std::string& name) const {
  const auto found = items_.find(name);
  return found == items_.end() ? nullptr : found->second;
}

void WheelsWindow::Form_Load() {
  const ScreenClass& screen = state_.flags.screen;
  resize(std::max(PixelsFromTwipsX(screen.WheelWinWidth), 200), std::max(PixelsFromTwipsY(screen.WheelWinHeight), 200));
  PlaceBesideMainWindow(*this);
  KeepAspectWhenFitted(*this);  // the wheel scales with the window
  TickHouseSystem();
  TickChartType();
  const int kind = state_.chart.ChartKind;
  Item("mnuReturns")->setVisible((kind == 4 || kind == 5) && state_.chart.returns.IngressNumber == 0);
}

void WheelsWindow::TickChartType() {
  Item("mnuCTAmerican")->setChecked(state_.ini.EuropeanChart != 1);
  Item("mnuCTEuropean")->setChecked(state_.ini.EuropeanChart == 1);
}

void WheelsWindow::TickHouseSystem() {
  for (const HouseSystemItem& item : HouseSystemItems())
    if (QAction* action = Item(item.name)) action->setChecked(state_.options.HouseSystem == item.code);
}

void WheelsWindow::Form_Paint() {
  // Drawn whatever page the Data window shows: the wheel reads only the
  // wheel sets, and the dated listing computes each of its days afresh.
  TickHouseSystem();
  GetProperPlanets(state_);
  if (const std::optional<std::string> warning = ReloadWheelOrbs(state_)) {
    // not from inside a paint event: the box would paint over it
    const std::string text = *warning;
    QTimer::singleShot(0, this, [text] { ShowMessage(text, OrbFileWarningTitle, MessageIcon::Warning); });
  }
  const qreal ratio = canvas_->devicePixelRatioF();
  QImage image = BlankWheelImage(canvas_->size() * ratio, ratio);
  {
    QPainter painter(&image);
    PaintWheelOnWindow(state_, painter, QSizeF(canvas_->size()));
  }
  buffer_ = image;
}

void WheelsWindow::PaintCanvas(QPainter& painter) {
  Form_Paint();
  painter.fillRect(canvas_->rect(), QColor::fromRgb(WheelFrameStyle.background));
  painter.drawImage(QPointF(0, 0), buffer_);
}

QImage WheelsWindow::RenderImage(const QSize& size) { return RenderWheelImage(state_, size); }

void WheelsWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  canvas_->update();
}

void WheelsWindow::Repaint() {
  Form_Paint();
  canvas_->update();
}

void WheelsWindow::mnuWheelsTurn_Click() {
  // an answer outside 0 to 12 asks again; Cancel and an empty box give 0
  std::optional<int> house;
  while (!(house = TurnHouseFromAnswer(InputBox(TurnPrompt, TurnTitle, TurnDefault, this)))) {
  }
  TurnNatalChart(state_, *house);
  ShowChartWheel(state_);
}

void WheelsWindow::mnuUpdate_Click(TimeStep step) { StepWheelMoment(state_, step); }

void WheelsWindow::mnuHouse_Click(const std::string& code) {
  for (const HouseSystemItem& item : HouseSystemItems()) Item(item.name)->setChecked(item.code == code);
  ChooseHouseSystem(state_, code);
}

void WheelsWindow::mnuOptions_Click() {
  if (!Readable(ProgramFile(state_.AppPath, "OPTIONS.OPT"))) {
    ShowMessage(FileNotFoundText, "Warning!", MessageIcon::Information, this);
    return;
  }
  ShowTextEditor(state_, EditorKind::Options);
}

void WheelsWindow::mnuSavePicture_Click() { SaveWheelPicture(*this); }

void WheelsWindow::mnuOrbsChange_Click() {
  std::string& orbFile = state_.options.OrbFileName;
  const std::string current = orbFile.empty() ? ProgramFile(state_.AppPath, "NATAL.ORB") : orbFile;
  if (!Readable(current))
    ShowMessage("The orb file " + current + " cannot be read. Please choose another.", "Warning!",
                MessageIcon::Warning, this);
  const std::string chosen = ChooseOrbFile(state_, current, this);
  // the new orbs take effect at the next paint
  if (!chosen.empty()) orbFile = chosen;
}

void WheelsWindow::mnuOrbsEdit_Click() { ShowTextEditor(state_, EditorKind::OrbsEdit); }

void WheelsWindow::mnuReturnsNext_Click() { StepReturn(true); }
void WheelsWindow::mnuReturnsPrevious_Click() { StepReturn(false); }

void WheelsWindow::StepReturn(bool next) {
  // the search shows its wheel in a window of its own: this one goes
  AppState& state = state_;
  ReturnSearchResult result{true, 0, ""};
  if (state.chart.ChartKind == 4) result = next ? NextSolarReturn(state) : PrevSolarReturn(state);
  if (state.chart.ChartKind == 5) result = next ? NextLunarReturn(state) : PrevLunarReturn(state);
  if (!result.found) ShowMessage(result.message, ReturnSearchTitle, MessageIcon::Warning);
  RepaintWheels();
}

void WheelsWindow::mnuPrintChartwheel_Click() { PrintChartwheel(*this); }

void WheelsWindow::mnuMode_Click(int mode) {
  state_.chart.WheelMode = mode;
  Repaint();
}

void WheelsWindow::mnuCTAmerican_Click() { SetChartType(0); }
void WheelsWindow::mnuCTEuropean_Click() { SetChartType(1); }

void WheelsWindow::SetChartType(int european) {
  SetBusyPointer(true);
  state_.ini.EuropeanChart = european;
  TickChartType();
  Repaint();
  SetBusyPointer(false);
}

void WheelsWindow::mnuHelp_Click() { ShowTextHelp("\\WHEELS.HLP"); }

void WheelsWindow::mnuKeywords_Click() { ShowKeywords(this); }

void WheelsWindow::mnuDataPlanetaryHours_Click() { ShowPlanetaryHours(state_); }

WheelsWindow* TheWheelsWindow() { return g_window; }

WheelsWindow* ShowChartWheel(AppState& state) {
  SetBusyPointer(true);
  UnloadWheels();
  g_window = new WheelsWindow(state);
  g_window->show();
  SetBusyPointer(false);
  return g_window;
}

void UnloadWheels() {
  // later, not now: the window's own commands reopen it from its menu
  if (g_window) {
    g_window->hide();
    g_window->deleteLater();
  }
  g_window = nullptr;
}

void RepaintWheels() {
  if (g_window) g_window->Repaint();
}

}  // namespace halcyra
