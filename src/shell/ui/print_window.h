#pragma once
// The print window (PrntFile): the print file in an editable view, printed
// on the default printer in Courier New at 12, 10 or 8 points, smaller when
// the longest line is wider than the paper, and with an earlier page break
// when a page has more lines than the sheet holds. Where no printer is
// installed, it prints into a PDF file the user chooses.
#include <QWidget>
#include <string>

#include "state/app_state.h"

namespace halcyra {

class TextPageView;

class PrintWindow : public QWidget {
  Q_OBJECT
 public:
  explicit PrintWindow(AppState& state, QWidget* parent = nullptr);

  void btnPrint_Click();
  void btnCancel_Click();

 private:
  void LoadPrintFile();

  AppState& state_;
  TextPageView* content_ = nullptr;
};

// What the window says when the print file finds no memory to be shown
// in it: the window stays empty, with nothing to print.
std::string PrintFileOutOfMemoryText(const std::string& path);

// Opens a fresh print window on the print file, modeless. It prints into
// the PDF file the services name (PrintToPdfFile, on PrintToPdfPaper)
// instead of on the printer when they name one.
PrintWindow* ShowPrintWindow(AppState& state);

}  // namespace halcyra
