#include "app/startup.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QThreadPool>
#include <QTimer>
#include <filesystem>
#include <system_error>

#include "app/main_menus.h"
#include "app/service_wiring.h"
#include "chart_input/ui/input_windows.h"
#include "platform/gui/busy_pointer.h"
#include "platform/gui/drawing_threads.h"
#include "platform/gui/glyph_font.h"
#include "platform/gui/twips.h"
#include "platform/program_files.h"
#include "reports/report_headers.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"
#include "shell/ui/fatal_error.h"
#include "shell/ui/halcyra_application.h"
#include "shell/ui/main_window.h"
#include "shell/ui/messages.h"
#include "shell/ui/startup_windows.h"
#include "shell/ui/window_frames.h"
#include "shell/ui/window_placement.h"
#include "state/app_state.h"
#include "state/shared_tables.h"
#include "wheels/picture_file.h"
#include "wheels/ui/voruv_edud_window.h"

namespace halcyra {

namespace {

// File errors name their file and line themselves.
std::string FailureText(const std::exception& error) {
  if (dynamic_cast<const StartupFileError*>(&error)) return error.what();
  return std::string("Start-up failed: ") + error.what();
}

QAction* FindMenuItem(MainWindow& window, const QString& name) {
  return window.menuBar()->findChild<QAction*>(name);
}

void FocusNamesWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == "Names" && widget->isVisible()) {
      widget->activateWindow();
      widget->raise();
      return;
    }
  }
}

}  // namespace

int StartHalcyra(const StartupSettings& settings) {
  AppState& state = App();
  WireAppServices(state);  // before the menus ask which sections are present
  MainWindow* window = BuildMainWindow();
  window->timer1->stop();
  InstallWindowPlacement();

  state.AppPath = settings.appPath.empty() ? ExecutableFolder() : settings.appPath;
  // A missing font file leaves the glyphs to a fallback font; start-up goes on.
  const std::string fontFile = ProgramFile(state.AppPath, "Orvane.ttf");
  FileRefusal fontRefusal;
  if (!InstallGlyphFont(fontFile, &fontRefusal) && !fontRefusal.Missing())
    ShowMessage("The font file " + fontFile + " cannot be read: " + fontRefusal.reason +
                    ". The glyphs are drawn in a fallback font.",
                "Warning!", MessageIcon::Warning, window);

  QPointer<CoverWindow> cover;
  try {
    LoadOptionsFile(state);
    SetReportHeadingPrefix(state);

    QCoreApplication::processEvents();
    state.flags.TitleDone = 0;

    cover = new CoverWindow;
    cover->ShowNow();
    LoadStartupData(state, [&cover](const std::string& caption) {
      if (cover) cover->SetCaption(caption);
    });
  } catch (const std::exception& error) {
    if (cover) cover->close();
    delete window;
    RemoveGlyphFont();
    ReportFatalError(FailureText(error));
    return 1;
  }
  if (cover) cover->close();

  auto* title = new TitleWindow;
  title->show();
  title->cmdOK->setVisible(true);
  title->cmdOK->setFocus();
  if (settings.titleShown) settings.titleShown(*title);
  while (state.flags.TitleDone == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

  SetBusyPointer(true);
  state.flags.DataFontName = "COURIER NEW";
  const std::optional<std::string> iniWarning = LoadIniSettings(state);
  window->ApplyIniGeometry();
  ReadWinIniDateTimeFormat(state);
  state.flags.SavedFormFontSize = window->font().pointSizeF();
  state.flags.SavedFormFontName = window->font().family().toStdString();
  state.flags.screen = ChooseScreenClass(ScreenWidthPixels(), TwipsPerPixelX());

  state.chart.SkipNextDay = 0;
  state.report.DataLineCount = 0;
  state.flags.ListingActive = 0;
  state.flags.NamesDirty = 0;
  state.chart.ChartReady = 0;

  state.options.OrbFileName = ProgramFile(state.AppPath, "NATAL.ORB");
  state.flags.DataFileName.clear();

  state.chart.Working.RetroFlags = InitialRetroFlags();
  state.chart.Working.HouseTags = InitialHouseTags();
  state.options.HouseSystem = HouseSystemFromOption(state.options.OptionValues[27]);

  if (QAction* interpretations = FindMenuItem(*window, "mnuDataTransitInterpretations"))
    interpretations->setVisible(true);
  window->show();
  // The input windows open beside the main window's frame (below it, or
  // above it when it stands low): let the window manager frame it first.
  AwaitWindowFrame(*window);

  state.flags.NamesDirty = 1;
  ShowInputWindows();
  FocusNamesWindow();
  SetBusyPointer(false);
  if (iniWarning) ShowMessage(*iniWarning, "Warning!", MessageIcon::Warning, window);

  // The report folder usually exists already; a failure here only shows
  // later, when a page is written.
  std::error_code ignored;
  std::filesystem::create_directories(ProgramFile(state.AppPath, "REPORTS"), ignored);
  // What a run ended during Save picture left behind goes in the
  // background: reading a folder of thousands of the user's files would
  // hold up every start.
  QThreadPool::globalInstance()->start([folder = state.AppPath] { RemoveConvertedLeftOvers(folder); });
  return 0;
}

void RunExitSequence(MainWindow& window) {
  AppState& state = App();
  RemoveGlyphFont();
  window.RecordIniGeometry();
  // the strip open at exit is kept where it stands
  if (VoruvEdudWindow* strip = TheVoruvEdudWindow(); strip && strip->isVisible()) strip->RecordGeometry();
  std::string reason;
  const bool saved = SaveIniSettings(state, &reason);
  if (!saved)
    ShowMessage("The settings file " + IniFilePath(state.AppPath) + " cannot be written: " + reason +
                    "; window positions and paths of this session are not kept.",
                "Error!", MessageIcon::Critical, &window);
  QFont font = window.font();
  font.setPointSizeF(state.flags.SavedFormFontSize > 0 ? state.flags.SavedFormFontSize
                                                       : font.pointSizeF());
  if (!state.flags.SavedFormFontName.empty())
    font.setFamily(QString::fromStdString(state.flags.SavedFormFontName));
  window.setFont(font);
  QCoreApplication::exit(saved ? 0 : 1);
}

int RunHalcyra(int argc, char* argv[]) {
  HalcyraApplication app(argc, argv);
  KeepDrawingThreads();
  // The program ends from its main window, not when its last window closes.
  app.setQuitOnLastWindowClosed(false);
  if (StartHalcyra({}) != 0) return 1;
  return app.exec();
}

}  // namespace halcyra
