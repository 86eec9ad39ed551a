#pragma once
// The Data window (OutputD1): the current report page in a fixed-pitch view,
// with Save, Save As, font steps, Clear all data, printing, the dated
// listing's More menu and its own help.
#include <QMainWindow>
#include <QPointer>
#include <string>

#include "shell/shown_page.h"
#include "state/app_state.h"

class QAction;

namespace halcyra {

class TextPageView;

class DataWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit DataWindow(AppState& state, QWidget* parent = nullptr);

  // Puts the page on view; only the rows in sight are painted.
  void ShowPage(ShownPage page);
  // Takes the page buffer's lines over when they are the page on view, so
  // that they stay there while the buffer takes a new page.
  void KeepShownPage(std::vector<std::string>& pageLines);
  void SyncMoreMenu();

  void mnuFileSave_Click();
  void mnuFileSaveAs_Click();
  void mnuFontsIncrease_Click();
  void mnuFontsDecrease_Click();
  void mnuFontsBold_Click();
  void mnuFontsItalic_Click();
  void mnuClearBuffer_Click();
  void mnuPrint_Click();
  void mnuPrintData_Click();
  void mnuMoreZForward_Click();
  void mnuMoreBackward_Click();
  void mnuMoreNewDate_Click();
  void mnuHelp_Click();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void ApplyStartFont();
  void RefreshDataWindow();
  void ContinueListing(double dayShift);
  void OpenPrintWindow(const std::vector<std::string>& list, long count);
  bool WriteDataFileOrWarn(const std::string& path);

  AppState& state_;
  TextPageView* view_ = nullptr;
  bool suppressSizeRecording_ = false;
  QAction* more_ = nullptr;
  QAction* moreNewDate_ = nullptr;
  QAction* fontsIncrease_ = nullptr;
  QAction* fontsDecrease_ = nullptr;
  QAction* fontsBold_ = nullptr;
  QAction* fontsItalic_ = nullptr;
};

// Makes the Data window the report channel's display: it loads the window
// on a new page and shows it on ShowReport.
void InstallDataWindowDisplay(AppState& state);

// The Data window if it is loaded.
DataWindow* CurrentDataWindow();
// Closes the Data window; the next report loads it afresh.
void UnloadDataWindow();

// The largest size the INI file records, in twips.
inline constexpr int MaxRecordedTwips = 32767;

}  // namespace halcyra
