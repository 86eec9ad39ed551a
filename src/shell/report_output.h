#pragma once
// The report output channel: every report builds OutLine and appends it to
// the current page and the data buffer through these; ShowReport writes the
// page to REPORTS/LASTPAGE.TXT and hands it to the Data window.
#include <string>
#include <vector>

#include "shell/shown_page.h"
#include "state/app_state.h"
#include "state/line_sink.h"

namespace halcyra {

void WriteOutLine(AppState& state);    // appends OutLine to both lists; OutLine keeps its text
void WriteBlankLine(AppState& state);  // appends an empty line to both lists; OutLine is left empty
void WriteLine(AppState& state, std::string text);  // OutLine := text, then WriteOutLine
// Each line as WriteLine would write it, in one go: a long listing's page.
void WriteLines(AppState& state, std::vector<std::string>&& lines);
void StartNewPage(AppState& state);     // empties the page; ends a dated listing
void ShowReport(AppState& state);      // one blank line, LASTPAGE.TXT, the Data window
// A report that lost lines (the buffers could not grow) says so once with
// BufferFullText as it ends: at ShowReport, or at the next StartNewPage.

// A sink that appends every line to the current page and the data buffer.
class ReportBufferSink : public LineSink {
 public:
  explicit ReportBufferSink(AppState& state) : state_(state) {}
  void WriteLine(const std::string& line) override;
  void WriteLines(std::vector<std::string>&& lines) override;

 private:
  AppState& state_;
};
// Shows a help file of the program folder ("\OUTPUTD1.HLP" or "OUTPUTD1.HLP") as a new page.
void ShowTextHelp(AppState& state, const std::string& helpFileName);
void ClearDataBuffer(AppState& state);
// Frees a list's lines, a long list's on several threads; the list is left empty.
void FreeLines(std::vector<std::string>& list);
void ClearReportBuffers(AppState& state);

// The dated transit listing puts the Data window's More menu and its New
// Date item on view; the chart driver takes the menu away again.
void ShowListingMoreMenu(AppState& state);
void HideListingMoreMenu(AppState& state);

// Entries 0 to count of a list: its lines and the empty spare entry after them.
std::vector<std::string> LinesWithSpare(const std::vector<std::string>& list, long count);

// Page entries as the Data window and the last-page file show them: an
// entry holding line breaks of its own shows as one line per part, and one
// that ends in a line break is followed by an empty line.
std::vector<std::string> ShownLines(const std::vector<std::string>& entries);

// The last-page file of the program folder.
std::string LastPagePath(const AppState& state);

// The texts the channel shows in message boxes.
inline constexpr const char* BufferFullText =
    "Buffer cannot hold any more data. Please print and/or clear data buffer before "
    "displaying any more data. This message may appear up to 35 times depending on how "
    "full the buffer is and how much the program wants to write to it.";

enum class NoticeIcon { Information, Exclamation, Critical };

// What the channel needs of the windows (state.services.reportDisplay). The
// Data window is one; tests put a recorder in its place. Without one,
// notices go to standard error.
struct ReportDisplay {
  virtual ~ReportDisplay() = default;
  virtual void LoadDataWindow(AppState& state) {}
  virtual bool DataWindowMinimized() { return false; }
  // The page as the last-page file holds it, read from the page buffer.
  virtual void ShowPage(AppState& state, ShownPage page) {}
  // The page buffer is about to be emptied: a display that still shows its
  // lines takes them over (ShownPage::TakeOver), leaving the list empty.
  virtual void KeepShownPage(std::vector<std::string>& pageLines) {}
  virtual void MoreMenuChanged(AppState& state) {}
  virtual void Notice(const std::string& text, const std::string& title, NoticeIcon icon) = 0;
};
// A notice of the channel or of a report: to the display, else standard error.
void ShowNotice(AppState& state, const std::string& text, const std::string& title, NoticeIcon icon);

}  // namespace halcyra
