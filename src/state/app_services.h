#pragma once
// What one part of the program reaches of another through the shared state
// instead of by name: the windows a computation shows its results in, the
// commands a window runs that live in a layer above it, and the stand-ins
// tests put in place of the clock, the message boxes, the file choosers and
// the printer. Start-up wires the program's own members in one place
// (app/service_wiring.cpp) and leaves the stand-ins empty; a fresh AppState
// has none, so no hook survives from one test to the next.
#include <functional>
#include <optional>
#include <string>

namespace halcyra {

struct AppState;
class LineSink;
struct ReportDisplay;  // shell/report_output.h
struct MessageSink;    // shell/ui/messages.h

// A reading of the computer's own clock: its local date and time, and how
// far that local time is ahead of universal time at that moment (summer
// time included), in seconds east of Greenwich.
struct ClockMoment {
  int Year = 2000, Month = 1, Day = 1, Hour = 0, Minute = 0, Second = 0;
  long UtcOffsetSeconds = 0;
};

// The user's date order and clock as start-up takes them from the system.
struct SystemDateFormat {
  int DateFormat = 0;  // 0 M/D/Y, 1 D/M/Y, 2 Y/M/D
  int Use24Hour = 0;
};

struct AppServices {
  // The chart command behind the input windows' OK and a double-clicked
  // name; empty, OK only checks and reads the input windows.
  std::function<void(AppState&)> CalculateChart;
  // The chart-wheel window shows the return chart just put on the wheel.
  std::function<void(AppState&)> ShowReturnWheel;
  // One day of the dated transit listing, which the Data window's More menu continues.
  std::function<void(AppState&, LineSink&)> WriteTransitListingDay;

  // Where report pages are shown and the report channel's notices go;
  // without one, pages are only written to the last-page file and notices
  // to standard error.
  ReportDisplay* reportDisplay = nullptr;
  // Where message, question and input boxes go; without one they are shown.
  MessageSink* messages = nullptr;

  // Commands of windows that open windows of other subsystems.
  std::function<void()> OpenAboutWindow;
  std::function<void()> VoruvEdudCommand;
  std::function<void()> ReopenCityList;   // after the city-file editor quits
  std::function<void()> ReopenNamesList;  // after the names-file editor quits
  std::function<void(bool ticked)> SecondPersonTicked;  // the transit window's second-person box

  // Stand-ins; empty, the real clock, locale, program runner and dialogs.
  std::function<ClockMoment()> ReadClock;
  std::function<SystemDateFormat()> ReadSystemDateFormat;
  std::function<bool(const std::string& command)> RunProgram;
  std::function<std::string(const std::string& pattern)> ChooseDataFile;  // "" when cancelled
  std::function<std::optional<std::string>(const std::string& folder, const std::string& proposedName)>
      ChooseSaveFile;  // nullopt when cancelled
  std::string PrintToPdfFile;          // print into this PDF file instead of on the printer,
  std::string PrintToPdfPaper = "A4";  // on this paper: "A4" or "Letter"
  std::function<bool()> PrinterInstalled;  // whether the system has a printer
};

}  // namespace halcyra
