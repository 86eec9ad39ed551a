#pragma once
// The print window (PrntFile): the print file in an editable view, printed
// on the default printer in Courier New at 12, 10 or 8 points, smaller when
// the longest line is wider than the paper, and with an earlier page break
// when a page has more lines than the sheet holds.
#include <QPageSize>
#include <QWidget>
#include <string>

#include "state/app_state.h"

class QPlainTextEdit;

namespace halcyra {

class PrintWindow : public QWidget {
  Q_OBJECT
 public:
  explicit PrintWindow(AppState& state, QWidget* parent = nullptr);

  void btnPrint_Click();
  void btnCancel_Click();

 private:
  void LoadPrintFile();

  AppState& state_;
  QPlainTextEdit* content_ = nullptr;
};

// Opens a fresh print window on the print file, modeless.
PrintWindow* ShowPrintWindow(AppState& state);

// Tests print into a PDF file of the given paper instead of a printer;
// empty restores the printer.
void SetPrintToPdfFile(const std::string& path, QPageSize::PageSizeId pageSize = QPageSize::A4);

}  // namespace halcyra
