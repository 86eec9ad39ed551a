#include "shell/ui/print_window.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <new>

#include "platform/gui/busy_pointer.h"
#include "platform/text_files.h"
#include "shell/data_file.h"
#include "shell/editable_text.h"
#include "shell/print_plan.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/messages.h"
#include "shell/ui/print_target.h"
#include "shell/ui/text_page_view.h"
#include "shell/ui/window_placement.h"

namespace halcyra {

namespace {

// The smallest size the font shrinks to for a line wider than the paper.
constexpr double SmallestPoints = 4;

// The font at `points`, shrunk in half points while the longest line is
// wider than the printable area, so that no line is cut off at the right.
QFont FittingFont(const std::string& fontName, int points, const TextRows& lines, QPaintDevice* device,
                  int printableWidth) {
  QFont font(FromLatin1(fontName));
  font.setStyleHint(QFont::TypeWriter);
  font.setPointSizeF(points);
  // In a fixed-pitch font the widest line is the one with the most
  // characters, so a long text is not measured line by line. The rows are
  // counted as they stand: the text's WidestRow also counts rows edited away.
  const bool fixedPitch = QFontInfo(font).fixedPitch();
  size_t most = 0;
  if (fixedPitch)
    for (size_t i = 0; i < lines.RowCount(); ++i) most = std::max(most, lines.Row(i).size());
  auto widest = [&](const QFontMetrics& metrics) {
    if (fixedPitch) return metrics.horizontalAdvance(QString(static_cast<qsizetype>(most), 'M'));
    int width = 0;
    for (size_t i = 0; i < lines.RowCount(); ++i)
      width = std::max(width, metrics.horizontalAdvance(FromLatin1(std::string(lines.Row(i)))));
    return width;
  };
  while (font.pointSizeF() > SmallestPoints && widest(QFontMetrics(font, device)) > printableWidth)
    font.setPointSizeF(font.pointSizeF() - 0.5);
  return font;
}

// Prints the lines page by page in Courier New at `points` or smaller, each
// page broken early where the sheet holds fewer lines.
void PrintPages(QPainter& painter, QPagedPaintDevice& printer, const std::string& fontName, const TextRows& lines,
                const std::vector<PrintedPage>& pages, int points) {
  const QRect area = PrintableRect(printer);
  const QFont font = FittingFont(fontName, points, lines, painter.device(), area.width());
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
    for (size_t line = sheets[p].first; line < sheets[p].end; ++line) {
      painter.drawText(0, baseline, FromLatin1(std::string(lines.Row(line))));
      baseline += metrics.lineSpacing();
    }
  }
}

}  // namespace

std::string PrintFileOutOfMemoryText(const std::string& path) {
  return "Out of memory. The print file " + path + " cannot be shown; nothing can be printed.";
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
  content_ = new TextPageView(this);
  content_->setObjectName("RichtxtContent");
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
  KeepWidthWhenFitted(*this);  // lines of fixed columns
  connect(print, &QPushButton::clicked, this, &PrintWindow::btnPrint_Click);
  connect(cancel, &QPushButton::clicked, this, &PrintWindow::btnCancel_Click);
  LoadPrintFile();
}

void PrintWindow::LoadPrintFile() {
  state_.report.PrintWidthMode = 0;
  const std::string path = PrintFilePath(state_);
  FileRefusal refusal;
  try {
    if (auto bytes = ReadWholeFile(path, &refusal)) {
      // The file's bytes are the text; only its rows are indexed.
      auto text = std::make_unique<EditableText>(std::move(*bytes));
      const auto& options = state_.options.OptionValues;
      state_.report.PrintWidthMode = PrintWidthModeOf(*text, options[117], options[118]);
      content_->SetRows(std::move(text));
      return;
    }
  } catch (const std::bad_alloc&) {
    refusal.kind = FileRefusal::Kind::OutOfMemory;
  }
  if (refusal.kind == FileRefusal::Kind::OutOfMemory) {
    // What could be read is gone with the failed allocation: the window
    // stays empty, with nothing to print.
    ShowMessage(PrintFileOutOfMemoryText(path), "Warning!", MessageIcon::Critical, this);
    return;
  }
  ShowMessage("Cannot read the file " + path + refusal.ColonReason() + ".", "Warning!", MessageIcon::Warning, this);
}

void PrintWindow::btnPrint_Click() {
  QPrinter printer(QPrinter::HighResolution);
  DirectPrinterToPdfFile(state_, printer);
  const PrintDestination destination = ChoosePdfWhereNoPrinter(state_, printer, this);
  if (destination.route == PrintRoute::Cancelled) return;
  SetBusyPointer(true);
  // The user's edits are what gets printed, and the print file keeps them,
  // followed by one more line end; the printout does not depend on that
  // file being writable.
  const TextRows& lines = content_->Rows();
  const auto row = [&lines](size_t i) { return lines.Row(i); };
  if (const std::optional<std::string> reason = WriteTextLinesOrReason(PrintFilePath(state_), lines.RowCount(), row)) {
    ShowMessage("Cannot write the file " + PrintFilePath(state_) + ": " + *reason +
                    ". The text is printed as it stands in the window.",
                "Warning!", MessageIcon::Warning, this);
  }
  const PrintOutcome outcome = PrintOn(printer, [&](QPainter& painter, QPagedPaintDevice& device) {
    PrintPages(painter, device, state_.flags.DataFontName, lines, PlanPrintPages(lines, state_.options.OptionValues[30]),
                      PrintFontPoints(state_.report.PrintWidthMode));
  });
  SetBusyPointer(false);
  ReportPrintOutcome(destination, outcome, this);
  if (outcome.printed) close();
}

void PrintWindow::btnCancel_Click() { close(); }

}  // namespace halcyra
