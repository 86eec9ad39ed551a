#pragma once
// Where a print goes: the printer, or, where no printer is installed, a PDF
// file the user chooses in the save dialog. Tests name a PDF file in the
// printer's place (services.PrintToPdfFile) or pretend that no printer is
// installed (services.PrinterInstalled). A PDF file is written whole or not
// at all.
#include <QRect>
#include <functional>
#include <string>

#include "state/app_state.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace halcyra {

inline constexpr const char* PrinterFailedText = "The printer could not print. Nothing was printed.";
inline constexpr const char* PrinterOutOfMemoryText = "Out of memory. Nothing was printed.";
// A printer that ran out of memory once it had begun: the end of the print
// sends it what was drawn until then.
inline constexpr const char* PrinterCutShortText =
    "Out of memory. The print was cut short: the pages drawn until then may have gone to the printer.";
// The reason a PDF file gives when its drawing ran out of memory.
inline constexpr const char* OutOfMemoryText = "Out of memory";

// "No printer is installed. The page was written to the PDF file <path>."
std::string PrintedToPdfText(const std::string& path);
// "Cannot write the PDF file <path>: <reason>. Nothing was printed."
std::string PdfNotWrittenText(const std::string& path, const std::string& reason);

bool PrinterInstalled(const AppState& state);

// Points the printer at the PDF file the services name instead of a
// printer, when they name one; false, the printer untouched, otherwise.
bool DirectPrinterToPdfFile(const AppState& state, QPrinter& printer);

enum class PrintRoute { Printer, PdfFile, Cancelled };
struct PrintDestination {
  PrintRoute route = PrintRoute::Printer;
  std::string pdfFile;  // the file the user chose, for PdfFile
};

// With no printer installed (and no PDF file named by the services), asks
// for a PDF file in the save dialog, proposing the chart's name
// (DefaultPdfName) in the program folder, and points the printer at it on
// the paper of the system's locale; Cancelled when the user cancels.
// Otherwise the printer is left as it is.
PrintDestination ChoosePdfWhereNoPrinter(AppState& state, QPrinter& printer, QWidget* parent);

// What became of a print.
struct PrintOutcome {
  bool printed = false;
  std::string pdfFile;     // the PDF file the printer was pointed at; empty for a printer
  std::string pdfFailure;  // why that file could not be written
  bool outOfMemory = false;  // the drawing could not get its memory
  bool begun = false;        // the painter had begun on the printer or the PDF
};

// Paints the pages with `paint` through a painter begun on the printer,
// which `paint` leaves active. A printer pointed at a
// PDF file (no printer installed, the print dialog's print to file, the
// tests' file) has its PDF drawn in memory on its paper instead, and the
// file takes it only once it is complete: a full disk leaves no file cut
// short, and an older file of that name stays as it was. A drawing that
// runs out of memory writes no PDF file, while a printer is sent what was
// drawn until then; the program goes on.
PrintOutcome PrintOn(QPrinter& printer, const std::function<void(QPainter&, QPagedPaintDevice&)>& paint);

// The printable part of the device's page, in its pixels.
QRect PrintableRect(const QPagedPaintDevice& device);

// After a print: where a PDF file went, or that nothing was printed, and
// for a PDF file, why.
void ReportPrintOutcome(const PrintDestination& destination, const PrintOutcome& outcome, QWidget* parent);

}  // namespace halcyra
