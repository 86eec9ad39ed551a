#include "shell/ui/print_target.h"

#include <QLocale>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

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

std::string PdfNotWrittenText(const std::string& path) {
  return "Cannot write the PDF file " + path + ". Nothing was printed.";
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

void ReportPrintOutcome(const PrintDestination& destination, bool printed, QWidget* parent) {
  if (destination.route == PrintRoute::PdfFile) {
    if (printed) ShowMessage(PrintedToPdfText(destination.pdfFile), "Information", MessageIcon::Information, parent);
    else ShowMessage(PdfNotWrittenText(destination.pdfFile), "Warning!", MessageIcon::Warning, parent);
    return;
  }
  if (!printed) ShowMessage(PrinterFailedText, "Warning!", MessageIcon::Warning, parent);
}

}  // namespace halcyra
