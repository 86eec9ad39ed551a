#include "reports/ui/listing_commands.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <algorithm>

#include "platform/gui/busy_pointer.h"
#include "reports/table_of_houses.h"
#include "shell/report_output.h"
#include "shell/ui/messages.h"
#include "shell/ui/progress_window.h"

namespace halcyra {

namespace {
// More rows than a page of this many would not help anyone and would hold
// the windows for long.
constexpr long kMaxHouseRows = 10000;

// Asks until the box holds a whole number above 0, the refused text offered
// again for mending; 0 when the user cancels.
long AskCount(const char* prompt, const char* defaultText) {
  std::string offered = defaultText;
  for (;;) {
    const std::string typed = InputBox(prompt, "Table of Houses", offered);
    const CountAnswer answer = ReadCountAnswer(typed);
    if (answer.kind != CountAnswer::Refused) return answer.value;
    ShowMessage(CountRefusedText, "Warning!");
    offered = typed;
  }
}

}  // namespace

void ReportListingProgress(long done, long total) {
  ShowProgressBar(done, total);
  // Repaint and keep the windows alive, but let no command start while the
  // listing still works on the shared chart state.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ReportCancellableListingProgress(long done, long total) {
  ShowProgressBar(done, total);
  QCoreApplication::processEvents();
  // The search is done and was not cancelled: writing its page cannot be,
  // so the window goes rather than show a Cancel and a close control that
  // nothing answers until the page is up.
  if (done >= total) UnloadStatusDlg();
}

void ListDiurnalHouses(AppState& state) {
  const long step = AskCount("Minutes between rows:", " 60");
  if (step == 0) return;
  const long rows = AskCount("Number of rows:", " 24");
  if (rows == 0) return;
  const HouseTableRequest request =
      HouseTableFromTransit(state.input, static_cast<double>(step), std::min(rows, kMaxHouseRows));

  SetBusyPointer(true);
  ShowStatusDlg();
  // the rows first: a table without the memory for them leaves the page and the data buffer as they were
  const auto table = ComputeHouseTable(state, request, ReportListingProgress);
  ClearDataBuffer(state);
  StartNewPage(state);
  ReportBufferSink page(state);
  WriteHouseTable(page, state.options.HouseSystem, request, table);
  UnloadStatusDlg();
  ShowReport(state);
  SetBusyPointer(false);
}

}  // namespace halcyra
