#include "shell/ui/data_window.h"

#include <QApplication>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "platform/gui/busy_pointer.h"
#include "platform/gui/twips.h"
#include "shell/data_file.h"
#include "shell/report_output.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/main_window.h"
#include "shell/ui/messages.h"
#include "shell/ui/new_date_window.h"
#include "shell/ui/print_window.h"
#include "shell/ui/save_file_dialog.h"
#include "shell/ui/text_page_view.h"
#include "shell/ui/window_placement.h"

namespace halcyra {

namespace {

constexpr double SmallestStepSize = 8;   // Decrease shrinks the view only above this
constexpr double LargestStepSize = 12;   // Increase grows the view only below this
constexpr int LeastPageLines = 15;       // a page the placement never cuts shorter

int RecordedTwips(double twips) {
  return static_cast<int>(std::clamp(std::round(twips), 0.0, double(MaxRecordedTwips)));
}

void FocusMainWindow() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == "Orvane" && w->isVisible()) {
      w->activateWindow();
      w->setFocus();
      return;
    }
  }
}

MessageIcon IconOf(NoticeIcon icon) {
  switch (icon) {
    case NoticeIcon::Information: return MessageIcon::Information;
    case NoticeIcon::Exclamation: return MessageIcon::Warning;
    case NoticeIcon::Critical: return MessageIcon::Critical;
  }
  return MessageIcon::Warning;
}

// The main window shows its chart menus once there is a chart.
bool ChartShown() {
  const MainWindow* main = TheMainWindow();
  return main && main->dataMenu && main->dataMenu->menuAction()->isVisible();
}

class DataWindowDisplay : public ReportDisplay {
 public:
  DataWindow& Ensure(AppState& state) {
    if (!window_) {
      window_ = new DataWindow(state);
      PlaceBesideMainWindow(*window_);
      openedBeforeChart_ = !ChartShown();
    }
    return *window_;
  }
  DataWindow* Current() const { return window_; }
  // The closing window is deleted later; the next report loads a fresh one.
  void Forget() { window_ = nullptr; }

  void LoadDataWindow(AppState& state) override { Ensure(state); }
  bool DataWindowMinimized() override { return window_ && window_->isMinimized(); }
  void ShowPage(AppState& state, ShownPage page) override {
    DataWindow& w = Ensure(state);
    w.ShowPage(std::move(page));
    w.SyncMoreMenu();
    w.show();
    w.raise();
    w.setWindowTitle(FromLatin1(state.flags.ReportHeading + "Data"));
    // Help before the first chart opened the window clear of the input
    // windows, which the chart has closed: it goes where it opens for a
    // chart, and the windows that follow find their usual places.
    if (openedBeforeChart_ && ChartShown()) {
      openedBeforeChart_ = false;
      PlaceAgainAsOpenedNow(w);
    }
  }
  void KeepShownPage(std::vector<std::string>& pageLines) override {
    if (window_) window_->KeepShownPage(pageLines);
  }
  void MoreMenuChanged(AppState&) override {
    if (window_) window_->SyncMoreMenu();
  }
  void Notice(const std::string& text, const std::string& title, NoticeIcon icon) override {
    ShowMessage(text, title, IconOf(icon), window_);
  }

 private:
  QPointer<DataWindow> window_;
  bool openedBeforeChart_ = false;
};

DataWindowDisplay& Display() {
  static DataWindowDisplay display;
  return display;
}

}  // namespace

void InstallDataWindowDisplay(AppState& state) { state.services.reportDisplay = &Display(); }

DataWindow* CurrentDataWindow() { return Display().Current(); }

void UnloadDataWindow() {
  if (DataWindow* w = Display().Current()) {
    Display().Forget();
    w->close();
  }
}

DataWindow::DataWindow(AppState& state, QWidget* parent) : QMainWindow(parent), state_(state) {
  setObjectName("OutputD1");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Data");
  view_ = new TextPageView(this);
  view_->setObjectName("RichText1");
  view_->setReadOnly(true);
  view_->setContextMenuPolicy(Qt::NoContextMenu);
  view_->installEventFilter(this);
  view_->viewport()->installEventFilter(this);
  setCentralWidget(view_);
  BuildMenus();

  suppressSizeRecording_ = true;
  resize(PixelsFromTwipsX(state_.ini.DataWidth), PixelsFromTwipsY(state_.ini.DataHeight));
  suppressSizeRecording_ = false;
  more_->setVisible(false);
  moreNewDate_->setVisible(false);
  ApplyStartFont();
  // Fitted to a crowded screen, the window still shows a readable page.
  const int lines = LeastPageLines * static_cast<int>(std::ceil(QFontMetricsF(view_->font()).lineSpacing()));
  KeepClientWhenFitted(*this, QSize(0, menuBar()->sizeHint().height() + 2 * view_->frameWidth() +
                                           view_->horizontalScrollBar()->sizeHint().height() + lines));
  KeepWidthWhenFitted(*this);
}

void DataWindow::BuildMenus() {
  auto item = [this](QMenu* menu, const char* name, const char* caption, QKeySequence key,
                     void (DataWindow::*handler)()) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    connect(a, &QAction::triggered, this, handler);
    return a;
  };
  auto command = [this](const char* name, const char* caption, void (DataWindow::*handler)()) {
    QAction* a = menuBar()->addAction(caption);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, handler);
    return a;
  };

  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName("mnuFile");
  item(file, "mnuFileSave", "&Save", Qt::Key_F5, &DataWindow::mnuFileSave_Click);
  item(file, "mnuFileSaveAs", "Save &As", Qt::Key_F6, &DataWindow::mnuFileSaveAs_Click);

  QMenu* fonts = menuBar()->addMenu("F&ont");
  fonts->setObjectName("mnuFonts");
  fontsIncrease_ = item(fonts, "mnuFontsIncrease", "&Increase", Qt::Key_F7,
                        &DataWindow::mnuFontsIncrease_Click);
  fontsDecrease_ = item(fonts, "mnuFontsDecrease", "&Decrease", Qt::Key_F8,
                        &DataWindow::mnuFontsDecrease_Click);
  fontsBold_ = item(fonts, "mnuFontsBold", "&Bold", Qt::Key_F11, &DataWindow::mnuFontsBold_Click);
  fontsItalic_ = item(fonts, "mnuFontsItalic", "I&talic", Qt::Key_F12,
                      &DataWindow::mnuFontsItalic_Click);
  fontsBold_->setCheckable(true);
  fontsItalic_->setCheckable(true);

  command("mnuClearBuffer", "&Clear all data", &DataWindow::mnuClearBuffer_Click);
  command("mnuPrint", "&Print page", &DataWindow::mnuPrint_Click);
  command("mnuPrintData", "Print &data", &DataWindow::mnuPrintData_Click);

  QMenu* more = menuBar()->addMenu("&More");
  more->setObjectName("mnuMore");
  more_ = more->menuAction();
  item(more, "mnuMoreZForward", "&Forward", Qt::Key_F2, &DataWindow::mnuMoreZForward_Click);
  item(more, "mnuMoreBackward", "&Backward", Qt::Key_F3, &DataWindow::mnuMoreBackward_Click);
  moreNewDate_ = item(more, "mnuMoreNewDate", "&New Date", Qt::Key_F4,
                      &DataWindow::mnuMoreNewDate_Click);

  command("mnuHelp", "&Help", &DataWindow::mnuHelp_Click);
}

void DataWindow::ApplyStartFont() {
  QFont font(FromLatin1(state_.flags.DataFontName));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(state_.ini.FontSize);
  font.setBold(state_.ini.FontBold != 0);
  font.setItalic(state_.ini.FontItalic != 0);
  view_->setFont(font);
  fontsBold_->setChecked(state_.ini.FontBold != 0);
  fontsItalic_->setChecked(state_.ini.FontItalic != 0);
  view_->clear();
  // Report columns line up only in a fixed-pitch face.
  if (!QFontInfo(view_->font()).fixedPitch())
    ShowMessage("You must have the COURIER NEW font installed in Windows. Please add this font "
                "through CONTROL PANEL - FONTS.",
                "Information!", MessageIcon::Warning, this);
}

void DataWindow::ShowPage(ShownPage page) { view_->SetRows(std::make_unique<ShownPage>(std::move(page))); }

void DataWindow::KeepShownPage(std::vector<std::string>& pageLines) {
  if (auto* page = dynamic_cast<ShownPage*>(&view_->Rows())) page->TakeOver(pageLines);
}

void DataWindow::SyncMoreMenu() {
  more_->setVisible(state_.chart.MoreMenuVisible != 0);
  moreNewDate_->setVisible(state_.report.NewDateVisible);
}

void DataWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (suppressSizeRecording_) return;
  state_.ini.DataWidth = RecordedTwips(TwipsFromPixelsX(width()));
  state_.ini.DataHeight = RecordedTwips(TwipsFromPixelsY(height()));
}

bool DataWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    FocusMainWindow();
    return true;
  }
  if (watched == view_->viewport() && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
    FocusMainWindow();
  }
  return QMainWindow::eventFilter(watched, event);
}

bool DataWindow::WriteDataFileOrWarn(const std::string& path) {
  std::string reason;
  if (WriteDataFile(state_, path, &reason)) return true;
  ShowMessage("Cannot write the file " + path + ": " + reason + ". The data stays in the buffer.", "Warning!",
              MessageIcon::Warning, this);
  return false;
}

void DataWindow::mnuFileSave_Click() {
  if (state_.report.DataLineCount == 0) {
    ShowMessage("No data to write to file.", "Information", MessageIcon::Warning, this);
    return;
  }
  if (state_.flags.DataFileName.empty()) {
    mnuFileSaveAs_Click();
    return;
  }
  WriteDataFileOrWarn(state_.flags.DataFileName);
}

void DataWindow::mnuFileSaveAs_Click() {
  if (state_.report.DataLineCount == 0) {
    ShowMessage("No data to write to file.", "Information", MessageIcon::Warning, this);
    return;
  }
  const auto path = AskSaveFileName(state_, this, state_.AppPath, DefaultSaveName(state_.chart.ChartName),
                                    DataFilesFilter);
  if (!path) return;
  // Save keeps writing to the last file that was written successfully.
  if (WriteDataFileOrWarn(*path)) state_.flags.DataFileName = *path;
}

void DataWindow::mnuFontsIncrease_Click() {
  const double step = state_.flags.screen.DataFontScale / 2;
  if (state_.ini.FontSize < LargestStepSize) {
    QFont font = view_->font();
    font.setPointSizeF(state_.ini.FontSize + step);
    view_->setFont(font);
  }
  state_.ini.FontSize += step;
  RefreshDataWindow();
}

void DataWindow::mnuFontsDecrease_Click() {
  const double step = state_.flags.screen.DataFontScale / 2;
  if (state_.ini.FontSize > SmallestStepSize) {
    QFont font = view_->font();
    font.setPointSizeF(state_.ini.FontSize - step);
    view_->setFont(font);
  }
  state_.ini.FontSize -= step;
  RefreshDataWindow();
}

void DataWindow::mnuFontsBold_Click() {
  QFont font = view_->font();
  font.setBold(!font.bold());
  view_->setFont(font);
  fontsBold_->setChecked(font.bold());
  state_.ini.FontBold = font.bold() ? -1 : 0;
  RefreshDataWindow();
}

void DataWindow::mnuFontsItalic_Click() {
  QFont font = view_->font();
  font.setItalic(!font.italic());
  view_->setFont(font);
  fontsItalic_->setChecked(font.italic());
  state_.ini.FontItalic = font.italic() ? -1 : 0;
  RefreshDataWindow();
}

void DataWindow::RefreshDataWindow() {
  if (state_.report.PageLineCount == 0) return;
  SetBusyPointer(true);
  ShowReport(state_);
  fontsDecrease_->setEnabled(state_.ini.FontSize > SmallestStepSize);
  fontsIncrease_->setEnabled(state_.ini.FontSize < LargestStepSize);
  SetBusyPointer(false);
}

void DataWindow::mnuClearBuffer_Click() {
  ClearDataBuffer(state_);
  ShowMessage("All data cleared from buffer.", "Information!", MessageIcon::Warning, this);
}

void DataWindow::OpenPrintWindow(const std::vector<std::string>& list, long count) {
  SetBusyPointer(true);
  std::string reason;
  const bool written = WritePrintFile(state_, list, count, &reason);
  SetBusyPointer(false);
  if (!written) {
    ShowMessage("Cannot write the file " + PrintFilePath(state_) + ": " + reason + ". Nothing can be printed.",
                "Warning!", MessageIcon::Warning, this);
    return;
  }
  ShowPrintWindow(state_);
}

void DataWindow::mnuPrint_Click() {
  if (state_.report.PageLineCount == 0) return;
  OpenPrintWindow(state_.report.PageLines, state_.report.PageLineCount);
}

void DataWindow::mnuPrintData_Click() {
  if (state_.report.DataLineCount == 0) {
    ShowMessage("No data to print.", "Information", MessageIcon::Warning, this);
    return;
  }
  OpenPrintWindow(state_.report.DataLines, state_.report.DataLineCount);
}

void DataWindow::ContinueListing(double dayShift) {
  const auto& writer = state_.services.WriteTransitListingDay;
  if (!writer) return;
  SetBusyPointer(true);
  state_.flags.ListingDate += dayShift;
  StartNewPage(state_);
  ReportBufferSink page(state_);
  writer(state_, page);
  ShowReport(state_);
  SetBusyPointer(false);
}

// The listing leaves ListingDate on the day after the one on view.
void DataWindow::mnuMoreZForward_Click() {
  if (state_.flags.ListingActive == 1) ContinueListing(0);
}

void DataWindow::mnuMoreBackward_Click() {
  if (state_.flags.ListingActive == 1) ContinueListing(-2);
}

void DataWindow::mnuMoreNewDate_Click() {
  // Closing the new-date window without OK lists the unchanged day.
  RunNewDate(state_, this);
  ContinueListing(0);
}

void DataWindow::mnuHelp_Click() { ShowTextHelp(state_, "\\OUTPUTD1.HLP"); }

}  // namespace halcyra
