#include "gui_test_support.h"

#include <QClipboard>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "platform/gui/busy_pointer.h"
#include "platform/gui/drawing_threads.h"
#include "platform/gui/glyph_font.h"
#include "shell/ui/halcyra_application.h"
#include "shell/ui/startup_windows.h"

// The report tests' fixture chart and the horary tests' charts,
// compiled into this program as well for the Data menu and listing window
// tests.
#include "horary/horary_fixture.cpp"
#include "horary/horary_reports_fixture.cpp"
#include "reports/report_fixture.cpp"

namespace halcyra::testing {

namespace {

// The installed sinks, the one in use last. A sink that goes out of turn
// leaves the others in their order.
std::vector<MessageSink*>& SinkStack() {
  static std::vector<MessageSink*> sinks;
  return sinks;
}

void UseTopSink() { App().services.messages = SinkStack().empty() ? nullptr : SinkStack().back(); }

// Stands in when no test sink is installed: a box nobody expected fails the
// test that showed it, with its text.
struct UnexpectedMessageSink : MessageSink {
  void Message(const std::string& text, const std::string& title, MessageIcon) override {
    ADD_FAILURE() << "unexpected message box \"" << title << "\": " << text;
  }
  bool YesNo(const std::string& text, const std::string& title) override {
    ADD_FAILURE() << "unexpected question \"" << title << "\": " << text;
    return true;
  }
  std::string Input(const std::string& prompt, const std::string& title,
                    const std::string& defaultText) override {
    ADD_FAILURE() << "unexpected input box \"" << title << "\": " << prompt;
    return defaultText;
  }
  Answer YesNoCancel(const std::string& text, const std::string& title) override {
    ADD_FAILURE() << "unexpected question \"" << title << "\": " << text;
    return Answer::Cancel;
  }
};

void DeleteTopLevelWindows() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  // Deleting one window may take others with it.
  std::vector<QPointer<QWidget>> windows;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (!widget->parentWidget()) windows.emplace_back(widget);
  for (const QPointer<QWidget>& widget : windows) delete widget.data();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// File > Exit ends the program with QCoreApplication::exit(). Called with no
// application loop running, as in these tests, it leaves the quit pending,
// and every later exec() (each modal window) then returns at once. Running
// the application loop once clears it.
void ForgetPendingQuit() {
  QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
  QApplication::exec();
}

UnexpectedMessageSink& Unexpected() {
  static UnexpectedMessageSink sink;
  return sink;
}

}  // namespace

namespace {

// A poppler tool's output; a line saying so when it fails.
std::string PopplerOutput(const char* tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0)
    return std::string("(") + tool + " failed: " + process.errorString().toStdString() + ")";
  return process.readAllStandardOutput().toStdString();
}

}  // namespace

std::string PdfText(const std::string& pdf) {
  return PopplerOutput("pdftotext", {"-layout", QString::fromStdString(pdf), "-"});
}

std::string PdfPageSize(const std::string& pdf) {
  const std::string info = PopplerOutput("pdfinfo", {QString::fromStdString(pdf)});
  const size_t line = info.find("Page size:");
  if (line == std::string::npos) return info;
  const size_t from = info.find_first_not_of(' ', line + 10);
  return info.substr(from, info.find('\n', from) - from);
}

int PdfImageCount(const std::string& pdf) {
  // a heading line and a rule, then one line per picture
  const QString list = QString::fromStdString(PopplerOutput("pdfimages", {"-list", QString::fromStdString(pdf)}));
  return static_cast<int>(list.split('\n', Qt::SkipEmptyParts).size()) - 2;
}

void EnsureTestApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "test_gui";
  static char* argv[] = {name, nullptr};
  auto* app = new HalcyraApplication(argc, argv);
  KeepDrawingThreads();
  app->setQuitOnLastWindowClosed(false);
}

std::string ScratchProgramFolder(const std::string& name, const std::vector<std::string>& extensions) {
  namespace fs = std::filesystem;
  const std::string dir = ScratchDir(name);
  if (!extensions.empty()) fs::create_directories(dir + "/REPORTS");
  for (const auto& entry : fs::directory_iterator(SourceAppData()))
    if (entry.is_regular_file() && !entry.path().filename().string().starts_with(".") &&
        (extensions.empty() || std::ranges::find(extensions, entry.path().extension().string()) != extensions.end()))
      fs::copy_file(entry.path(), fs::path(dir) / entry.path().filename());
  return dir;
}

std::vector<std::string> LastPageLines() {
  return ReadTextLines(LastPagePath(App())).value_or(std::vector<std::string>{"<missing>"});
}

RecordingSink::RecordingSink() {
  SinkStack().push_back(this);
  UseTopSink();
}

RecordingSink::~RecordingSink() {
  std::erase(SinkStack(), this);
  UseTopSink();
}

namespace {

// Ends the waits a test can be caught in: start-up's wait for Continue, a
// popup menu, the modal window on top (the one below it a second later).
void EndWaits() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* title = qobject_cast<TitleWindow*>(widget); title && title->isVisible()) title->cmdOK->click();
  if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->done(QDialog::Rejected);
  else if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
}

}  // namespace

struct LoopWatchdog::Timer : QTimer {
  bool fired = false;
};

LoopWatchdog::LoopWatchdog(std::string what, int seconds) : timer_(std::make_unique<Timer>()) {
  QObject::connect(timer_.get(), &QTimer::timeout, [timer = timer_.get(), what = std::move(what), seconds] {
    if (!timer->fired) ADD_FAILURE() << what << ": still waiting on the event loop after " << seconds << " s";
    timer->fired = true;
    timer->setInterval(1000);
    EndWaits();
  });
  timer_->start(seconds * 1000);
}

LoopWatchdog::~LoopWatchdog() = default;

bool LoopWatchdog::Fired() const { return timer_->fired; }

void ChooseMenuItem(QAction& item) {
  auto* menu = qobject_cast<QMenu*>(item.parent());
  menu->popup(QPoint(0, 0));
  menu->setActiveAction(&item);
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QCoreApplication::sendEvent(menu, &enter);
}

void ClickButton(QAbstractButton& button) {
  const QPointF at(1, 1), global = button.mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&button, &press);
  QCoreApplication::sendEvent(&button, &release);
}

void PressAltLetter(QWidget& window, Qt::Key letter) {
  QApplication::setActiveWindow(&window);  // the letters belong to the active window
  QTest::keyClick(&window, letter, Qt::AltModifier);
  const LoopWatchdog watchdog("Alt+letter");
  const auto pressed = [&window] {
    return std::ranges::any_of(window.findChildren<QAbstractButton*>(), &QAbstractButton::isDown);
  };
  while (pressed() && !watchdog.Fired()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void UseChicagoAsHomePlace(AppState& state) {
  auto& v = state.options.OptionValues;
  v[18] = 6, v[19] = 87, v[20] = 39, v[21] = 0, v[22] = 41, v[23] = 51, v[24] = 0;
}

void ResetGuiTestState() {
  EnsureTestApplication();
  DeleteTopLevelWindows();
  ForgetPendingQuit();
  App() = AppState{};  // its services too: no hook survives from the test before
  SetBusyPointer(false);
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  QGuiApplication::clipboard()->clear();
  RemoveGlyphFont();
  SinkStack().assign(1, &Unexpected());
  UseTopSink();
}

}  // namespace halcyra::testing
