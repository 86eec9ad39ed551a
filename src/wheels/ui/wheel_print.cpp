#include "wheels/ui/wheel_print.h"

#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>

#include "platform/gui/busy_pointer.h"
#include "shell/ui/messages.h"
#include "shell/ui/print_target.h"
#include "wheels/ui/wheel_rendering.h"
#include "wheels/ui/wheels_window.h"

namespace halcyra {

namespace {

// The printer the user picks in the print dialog, the tests' PDF file, or,
// with no printer installed, a PDF file the user chooses; Cancelled when
// the user cancels either dialog.
PrintDestination ChoosePrinter(AppState& state, QPrinter& printer, QWidget* parent) {
  if (DirectPrinterToPdfFile(state, printer)) return {};
  const PrintDestination pdf = ChoosePdfWhereNoPrinter(state, printer, parent);
  if (pdf.route != PrintRoute::Printer) return pdf;
  QPrintDialog dialog(&printer, parent);
  if (dialog.exec() != QDialog::Accepted) return {PrintRoute::Cancelled, {}};
  return {};
}

// The drawing area the window would have maximized on its screen.
QSize MaximizedCanvasSize(const WheelsWindow& window) {
  const QScreen* screen = window.screen();
  const QSize available = screen ? screen->availableSize() : QSize(1024, 768);
  return {available.width(), std::max(available.height() - window.menuBar()->sizeHint().height(), 200)};
}

void PrintFullPage(WheelsWindow& window, QPainter& painter, QPagedPaintDevice& printer) {
  PrintWheelPage(window.State(), painter, printer);
}

// The window's picture drawn at its maximized size with white rings, as
// wide as the page allows within its upper half.
void PrintHalfPage(WheelsWindow& window, QPainter& painter, QPagedPaintDevice& printer) {
  AppState& state = window.State();
  state.wheel.WhiteRingFill = 1;
  state.wheel.PrintingWheel = 0;
  const QImage picture = window.RenderImage(MaximizedCanvasSize(window));
  state.wheel.WhiteRingFill = 0;
  const QRectF page = PrintableRect(printer);
  const QSizeF size = QSizeF(picture.size()).scaled(page.width(), page.height() / 2, Qt::KeepAspectRatio);
  painter.drawImage(QRectF(QPointF(0, 0), size), picture);
}

}  // namespace

void PrintChartwheel(WheelsWindow& window) {
  const Answer answer = AskYesNoCancel(PrintQuestionText, PrintQuestionTitle, &window);
  if (answer != Answer::Cancel) {
    QPrinter printer(QPrinter::HighResolution);
    const PrintDestination destination = ChoosePrinter(window.State(), printer, &window);
    if (destination.route != PrintRoute::Cancelled) {
      SetBusyPointer(true);
      const PrintOutcome outcome = PrintOn(printer, [&](QPainter& painter, QPagedPaintDevice& device) {
        if (answer == Answer::Yes)
          PrintFullPage(window, painter, device);
        else
          PrintHalfPage(window, painter, device);
      });
      SetBusyPointer(false);
      ReportPrintOutcome(destination, outcome, &window);
    }
  }
  window.showNormal();
  window.Repaint();
}

}  // namespace halcyra
