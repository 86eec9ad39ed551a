#include "shell/ui/print_target.h"

#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>
#include <new>

#include "platform/text_files.h"
#include "shell/data_file.h"
#include "shell/ui/messages.h"
#include "shell/ui/pdf_in_memory.h"
#include "shell/ui/save_file_dialog.h"

namespace halcyra {

namespace {

// The paper of a PDF printed in place of the printer: "Letter" or A4.
QPageSize::PageSizeId PdfPaper(const std::string& name) {
  return name == "Letter" ? QPageSize::Letter : QPageSize::A4;
}

// Letter where the locale measures in inches the American way, else A4.
QPageSize::PageSizeId LocalePaper() {
  return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4;
}

// Memory set aside while a print is drawn, handed back when the drawing
// runs out, so that the painter can still end: Qt's PDF writer compresses
// each page, the last one too, through two buffers of 10 MB.
constexpr size_t CushionBytes = size_t{32} << 20;

// Paints with a painter begun and ended here rather than by `paint`, since
// its end writes the rest of the document: a failed allocation there during
// the unwinding, in its destructor, would end the program. The cushion goes
// before the end, and when an allocation fails while drawing (Qt's PDF
// writer reports its own that way) `handBack` returns what was drawn too.
// False when the printer would not start or end, or memory ran out
// (`outOfMemory`); `begun` once the painter has begun on the device.
bool PaintHandingBackMemory(QPagedPaintDevice& device, const std::function<void(QPainter&, QPagedPaintDevice&)>& paint,
                            const std::function<void()>& handBack, bool& outOfMemory, bool& begun) {
  std::unique_ptr<char[]> cushion;
  std::unique_ptr<QPainter> painter;
  bool painted = false;
  try {
    cushion.reset(new char[CushionBytes]);
    painter = std::make_unique<QPainter>();
    painted = begun = painter->begin(&device);
    if (painted) paint(*painter, device);
  } catch (const std::bad_alloc&) {
    outOfMemory = true;
    handBack();
  }
  cushion.reset();
  try {
    if (painter && painter->isActive() && !painter->end()) painted = false;
  } catch (const std::bad_alloc&) {
    // A painter whose end failed would end again as it goes, where nothing
    // can catch a second failure: it is left as it is.
    outOfMemory = true;
    handBack();
    static_cast<void>(painter.release());
  }
  return painted && !outOfMemory;
}

}  // namespace

std::string PrintedToPdfText(const std::string& path) {
  return "No printer is installed. The page was written to the PDF file " + path + ".";
}

std::string PdfNotWrittenText(const std::string& path, const std::string& reason) {
  return "Cannot write the PDF file " + path + ": " + reason + ". Nothing was printed.";
}

bool PrinterInstalled(const AppState& state) {
  if (state.services.PrinterInstalled) return state.services.PrinterInstalled();
  return !QPrinterInfo::availablePrinters().isEmpty();
}

bool DirectPrinterToPdfFile(const AppState& state, QPrinter& printer) {
  if (state.services.PrintToPdfFile.empty()) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(state.services.PrintToPdfFile));
  printer.setPageSize(QPageSize(PdfPaper(state.services.PrintToPdfPaper)));
  return true;
}

PrintDestination ChoosePdfWhereNoPrinter(AppState& state, QPrinter& printer, QWidget* parent) {
  if (!state.services.PrintToPdfFile.empty() || PrinterInstalled(state)) return {};
  const auto path =
      AskSaveFileName(state, parent, state.AppPath, DefaultPdfName(state.chart.ChartName), PdfFilesFilter);
  if (!path) return {PrintRoute::Cancelled, {}};
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(*path));
  printer.setPageSize(QPageSize(LocalePaper()));
  return {PrintRoute::PdfFile, *path};
}

PrintOutcome PrintOn(QPrinter& printer, const std::function<void(QPainter&, QPagedPaintDevice&)>& paint) {
  PrintOutcome outcome;
  if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
    outcome.printed = PaintHandingBackMemory(printer, paint, [] {}, outcome.outOfMemory, outcome.begun);
    return outcome;
  }
  outcome.pdfFile = printer.outputFileName().toStdString();
  PdfInMemory drawn;
  {
    // the printer's own page, resolution and document details
    QPdfWriter pdf(&drawn);
    pdf.setPdfVersion(printer.pdfVersion());
    pdf.setResolution(printer.resolution());
    pdf.setPageLayout(printer.pageLayout());
    pdf.setCreator(printer.creator());
    pdf.setTitle(printer.docName());
    const bool painted =
        PaintHandingBackMemory(pdf, paint, [&drawn] { drawn.HandBack(); }, outcome.outOfMemory, outcome.begun);
    outcome.outOfMemory = outcome.outOfMemory || drawn.RanOutOfMemory();
    if (!painted && !outcome.outOfMemory) {
      outcome.pdfFailure = "the pages could not be drawn";
      return outcome;
    }
  }
  if (outcome.outOfMemory) {
    outcome.pdfFailure = OutOfMemoryText;
    return outcome;
  }
  const std::optional<std::string> failure = WriteWholeFileOrReason(outcome.pdfFile, drawn.Parts());
  outcome.printed = !failure;
  outcome.pdfFailure = failure.value_or("");
  return outcome;
}

QRect PrintableRect(const QPagedPaintDevice& device) {
  // A printer's and a PDF writer's dots per inch are their resolution.
  return device.pageLayout().paintRectPixels(device.logicalDpiX());
}

void ReportPrintOutcome(const PrintDestination& destination, const PrintOutcome& outcome, QWidget* parent) {
  if (outcome.printed) {
    if (destination.route == PrintRoute::PdfFile)
      ShowMessage(PrintedToPdfText(destination.pdfFile), "Information", MessageIcon::Information, parent);
  } else if (outcome.outOfMemory && outcome.pdfFile.empty()) {
    ShowMessage(outcome.begun ? PrinterCutShortText : PrinterOutOfMemoryText, "Warning!", MessageIcon::Warning,
                parent);
  } else if (!outcome.pdfFile.empty()) {
    ShowMessage(PdfNotWrittenText(outcome.pdfFile, outcome.pdfFailure), "Warning!", MessageIcon::Warning, parent);
  } else {
    ShowMessage(PrinterFailedText, "Warning!", MessageIcon::Warning, parent);
  }
}

}  // namespace halcyra
