#include "shell/ui/print_window.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <new>

#include "platform/gui/busy_pointer.h"
#include "platform/text_files.h"
#include "shell/data_file.h"
#include "shell/print_plan.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/messages.h"

namespace halcyra {

namespace {

// The paper of a PDF printed in place of the printer: "Letter" or A4.
QPageSize::PageSizeId PdfPaper(const std::string& name) {
  return name == "Letter" ? QPageSize::Letter : QPageSize::A4;
}

// The smallest size the font shrinks to for a line wider than the paper.
constexpr double SmallestPoints = 4;

// The font at `points`, shrunk in half points while the longest line is
// wider than the printable area, so that no line is cut off at the right.
QFont FittingFont(const std::string& fontName, int points, const std::vector<std::vector<std::string>>& pages,
                  QPaintDevice* device, int printableWidth) {
  QFont font(FromLatin1(fontName));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(points);
  auto widest = [&pages](const QFontMetrics& metrics) {
    int width = 0;
    for (const auto& page : pages)
      for (const std::string& line : page) width = std::max(width, metrics.horizontalAdvance(FromLatin1(line)));
    return width;
  };
  while (font.pointSizeF() > SmallestPoints && widest(QFontMetrics(font, device)) > printableWidth)
    font.setPointSizeF(font.pointSizeF() - 0.5);
  return font;
}

// Prints the pages in Courier New at `points` or smaller, each page broken
// early where the sheet holds fewer lines; false when the printer cannot start.
bool PrintPages(QPrinter& printer, const std::string& fontName,
                const std::vector<std::vector<std::string>>& pages, int points) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
  const QFont font = FittingFont(fontName, points, pages, painter.device(), area.width());
  painter.setFont(font);
  // Text over whatever is on the page, without a background box.
  painter.setBackgroundMode(Qt::TransparentMode);
  const QFontMetrics metrics(font, painter.device());
  // The last line's descent must stay on the sheet as well.
  const long perSheet = 1 + (area.height() - metrics.ascent() - metrics.descent()) / metrics.lineSpacing();
  const auto sheets = FitPagesToSheet(pages, perSheet);
  for (size_t p = 0; p < sheets.size(); ++p) {
    if (p > 0) printer.newPage();
    int baseline = metrics.ascent();
    for (const std::string& line : sheets[p]) {
      painter.drawText(0, baseline, FromLatin1(line));
      baseline += metrics.lineSpacing();
    }
  }
  return painter.end();
}

}  // namespace

bool DirectPrinterToPdfFile(const AppState& state, QPrinter& printer) {
  if (state.services.PrintToPdfFile.empty()) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(state.services.PrintToPdfFile));
  printer.setPageSize(QPageSize(PdfPaper(state.services.PrintToPdfPaper)));
  return true;
}

PrintWindow* ShowPrintWindow(AppState& state) {
  auto* window = new PrintWindow(state);
  window->show();
  return window;
}

PrintWindow::PrintWindow(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("PrntFile");
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Data To Be Printed");
  content_ = new QPlainTextEdit(this);
  content_->setObjectName("RichtxtContent");
  content_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont font(FromLatin1(state_.flags.DataFontName));
  font.setStyleHint(QFont::TypeWriter);
  content_->setFont(font);
  auto* print = new QPushButton("Print", this);
  print->setObjectName("btnPrint");
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("btnCancel");
  auto* label = new QLabel("Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste.", this);
  label->setObjectName("Label1");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(label);
  buttons->addStretch();
  buttons->addWidget(print);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(content_);
  layout->addLayout(buttons);
  resize(640, 480);
  connect(print, &QPushButton::clicked, this, &PrintWindow::btnPrint_Click);
  connect(cancel, &QPushButton::clicked, this, &PrintWindow::btnCancel_Click);
  LoadPrintFile();
}

void PrintWindow::LoadPrintFile() {
  state_.report.PrintWidthMode = 0;
  const std::string path = PrintFilePath(state_);
  const auto lines = ReadTextLines(path);
  if (!lines) {
    ShowMessage("Cannot read the file " + path + ".", "Warning!", MessageIcon::Warning, this);
    return;
  }
  const auto& options = state_.options.OptionValues;
  state_.report.PrintWidthMode = PrintWidthModeOf(*lines, options[117], options[118]);
  std::string text;
  try {
    for (const std::string& line : *lines) {
      text += line;
      text += "\r\n";
    }
  } catch (const std::bad_alloc&) {
    ShowMessage("Out of memory. I will print what I can. The remainder will be lost.", "Warning!",
                MessageIcon::Critical, this);
    text.resize(text.size() > 50 ? text.size() - 50 : 0);
  }
  content_->setPlainText(ViewTextFromFileText(text));
}

void PrintWindow::btnPrint_Click() {
  QPrinter printer(QPrinter::HighResolution);
  const bool toPdf = DirectPrinterToPdfFile(state_, printer);
  if (!toPdf && QPrinterInfo::availablePrinters().isEmpty()) {
    ShowMessage("No printer is installed. Nothing was printed.", "Warning!", MessageIcon::Warning,
                this);
    return;
  }
  SetBusyPointer(true);
  // The user's edits are what gets printed, and the print file keeps them;
  // the printout does not depend on that file being writable.
  const std::string text = FileTextFromViewText(content_->toPlainText()) + "\r\n";
  if (!WriteWholeFile(PrintFilePath(state_), text)) {
    ShowMessage("Cannot write the file " + PrintFilePath(state_) +
                    ". The text is printed as it stands in the window.",
                "Warning!", MessageIcon::Warning, this);
  }
  const std::vector<std::string> lines = SplitTextLines(text);
  const bool printed =
      PrintPages(printer, state_.flags.DataFontName,
                 PlanPrintPages(lines, state_.options.OptionValues[30]),
                 PrintFontPoints(state_.report.PrintWidthMode));
  SetBusyPointer(false);
  if (!printed) {
    ShowMessage("The printer could not print. Nothing was printed.", "Warning!",
                MessageIcon::Warning, this);
    return;
  }
  close();
}

void PrintWindow::btnCancel_Click() { close(); }

}  // namespace halcyra
