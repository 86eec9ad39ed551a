#include "shell/ui/print_target.h"

#include <QBuffer>
#include <QLocale>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <string_view>

#include "platform/text_files.h"
#include "shell/data_file.h"
#include "shell/ui/messages.h"
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

PrintOutcome PrintOn(QPrinter& printer, const std::function<bool(QPagedPaintDevice&)>& paint) {
  PrintOutcome outcome;
  if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
    outcome.printed = paint(printer);
    return outcome;
  }
  outcome.pdfFile = printer.outputFileName().toStdString();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    // the printer's own page, resolution and document details
    QPdfWriter pdf(&buffer);
    pdf.setPdfVersion(printer.pdfVersion());
    pdf.setResolution(printer.resolution());
    pdf.setPageLayout(printer.pageLayout());
    pdf.setCreator(printer.creator());
    pdf.setTitle(printer.docName());
    if (!paint(pdf)) {
      outcome.pdfFailure = "the pages could not be drawn";
      return outcome;
    }
  }
  const std::optional<std::string> failure =
      WriteWholeFileOrReason(outcome.pdfFile, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
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
  } else if (!outcome.pdfFile.empty()) {
    ShowMessage(PdfNotWrittenText(outcome.pdfFile, outcome.pdfFailure), "Warning!", MessageIcon::Warning, parent);
  } else {
    ShowMessage(PrinterFailedText, "Warning!", MessageIcon::Warning, parent);
  }
}

}  // namespace halcyra
