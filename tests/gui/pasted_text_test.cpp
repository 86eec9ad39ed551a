// Text that reaches an entry box other than key by key (Ctrl+V, the context
// menu's Paste, a drop) passes the filter typed keys pass, and what the
// boxes then hold is judged as typed text is: the input windows, New Date,
// Transits by the Minute and the Table of Houses.
#include <QClipboard>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QTimer>
#include <memory>

#include "app/main_menus.h"
#include "app/service_wiring.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "core/calendar.h"
#include "core/chart_driver.h"
#include "gui_test_support.h"
#include "reports/report_fixture.h"
#include "reports/table_of_houses.h"
#include "reports/ui/diur_opt_window.h"
#include "reports/ui/listing_commands.h"
#include "shell/settings_files.h"
#include "shell/ui/new_date_window.h"

namespace halcyra {
namespace {

// The ways text reaches a box without being typed.
enum class Route { CtrlV, Paste, ContextMenuPaste, Drop };
const struct {
  Route route;
  const char* name;
} kRoutes[] = {{Route::CtrlV, "Ctrl+V"},
               {Route::Paste, "paste()"},
               {Route::ContextMenuPaste, "context menu Paste"},
               {Route::Drop, "drop"}};

// Empties `box` (its own change handling runs) and puts `text` in by `route`.
void Deliver(QLineEdit& box, Route route, const QString& text) {
  box.setText("");
  box.setFocus(Qt::OtherFocusReason);
  QApplication::clipboard()->setText(text);
  switch (route) {
    case Route::CtrlV: {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
      QCoreApplication::sendEvent(&box, &press);
      break;
    }
    case Route::Paste: box.paste(); break;
    case Route::ContextMenuPaste: {
      // The menu the box's context-menu event opens.
      const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
      QAction* paste = nullptr;
      for (QAction* action : menu->actions())
        if (action->text().startsWith("&Paste")) paste = action;
      ASSERT_NE(paste, nullptr);
      ASSERT_TRUE(paste->isEnabled());
      paste->trigger();
      break;
    }
    case Route::Drop: {
      // A drop reaches the box that accepted the drag's entry.
      QMimeData mime;
      mime.setText(text);
      const QPoint at(box.width() / 2, box.height() / 2);
      QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(&box, &enter);
      ASSERT_TRUE(enter.isAccepted());
      QDragMoveEvent move(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(&box, &move);
      QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
      QCoreApplication::sendEvent(&box, &drop);
      break;
    }
  }
}

// Empties `box` and types `text` into it key by key.
QString TypeKeys(QLineEdit& box, const QString& text) {
  box.setText("");
  box.setFocus(Qt::OtherFocusReason);
  for (const QChar c : text) {
    const int key = c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QCoreApplication::sendEvent(&box, &press);
  }
  return box.text();
}

// A text delivered to a box, and whether the box takes it whole; a text
// it does not take leaves the box as it was (empty).
struct Delivered {
  const char* text;  // UTF-8
  bool taken;
};

// Every route, and typing key by key: a box takes a text whole from any
// route exactly when typing it lets every key through.
void ExpectTakenAsTyped(QLineEdit& box, const std::vector<Delivered>& rows) {
  const std::string name = box.objectName().toStdString();
  for (const Delivered& row : rows) {
    const QString text = QString::fromUtf8(row.text);
    for (const auto& route : kRoutes) {
      Deliver(box, route.route, text);
      EXPECT_EQ(box.text(), row.taken ? text : QString()) << name << " " << row.text << " by " << route.name;
    }
    EXPECT_EQ(TypeKeys(box, text) == text, row.taken) << name << " " << row.text << " typed";
  }
}

// Whole numbers of up to four digits: dates, minutes, degrees.
const std::vector<Delivered> kWholeRows = {
    {"7", true},      {"2024", true},  {"12345", false}, {"x9-y", false}, {"9x", false},
    {" 9", false},    {"-3", false},   {"1.5", false},   {"١٢", false},  // Arabic-Indic digits
};
// The zone, hours.minutes with a sign.
const std::vector<Delivered> kZoneRows = {
    {"-5.30", true}, {"13", true},     {"5.3", true},    {"x9-y", false}, {"5:30", false},
    {"123", false},  {"+5", false},    {"5.300", false}, {"٥", false},
};

class PastedTextTest : public testing::GuiTest {
 protected:
  testing::RecordingSink messages;
};

// Each window's ten boxes of numbers; the hour box keeps its own change
// handling for text that arrives whole.
TEST_F(PastedTextTest, InputWindowBoxesTakeFromEveryRouteWhatTheyTakeFromKeys) {
  App().AppPath = testing::ScratchProgramFolder("pasted_input", {".FIL", ".LL", ".DAT"});
  ShowInputWindows();
  for (ChartInputWindow* window : {static_cast<ChartInputWindow*>(&InputD()),
                                   static_cast<ChartInputWindow*>(&InputD1())}) {
    const std::string d = window->Target() ? "Diurnal" : "";
    for (const char* box : {"Month", "Day", "Year", "LongDeg", "LongMin", "LatDeg", "LatMin"})
      ExpectTakenAsTyped(*window->findChild<QLineEdit*>(QString::fromStdString("txt" + d + box)), kWholeRows);
    ExpectTakenAsTyped(*window->findChild<QLineEdit*>(QString::fromStdString(window->Target() ? "txtDiurnalMinute"
                                                                                              : "txtBirthMinute")),
                       kWholeRows);
    ExpectTakenAsTyped(*window->findChild<QLineEdit*>(QString::fromStdString("txt" + d + "TZ")), kZoneRows);

    // hour box: delivered text, the box afterwards, P.M. afterwards (A.M. chosen first)
    const char* hourName = window->Target() ? "txtDiurnalHour" : "txtBirthHour";
    QLineEdit* hour = window->findChild<QLineEdit*>(hourName);
    QRadioButton* am = window->Option(window->Target() ? "optDiurnalAM" : "optAM");
    const struct {
      const char *text, *shown;
      bool pm;
    } hours[] = {{"9", "9", false}, {"15", "3", true}, {"0", "12", false}, {"x9-y", "", false}, {"123456", "", false}};
    for (const auto& h : hours) {
      for (const auto& route : kRoutes) {
        am->setChecked(true);
        Deliver(*hour, route.route, h.text);
        messages.shown.clear();  // the empty box's own warning
        EXPECT_EQ(hour->text().toStdString(), h.shown) << hourName << " " << h.text << " by " << route.name;
        EXPECT_EQ(window->BoxTexts().PM, h.pm) << hourName << " " << h.text << " by " << route.name;
      }
    }
  }
}

// New Date takes digits alone. Typing filters each key as before: the
// digits of a text get through, the rest do not.
TEST_F(PastedTextTest, NewDateBoxesTakeDigitsAloneFromEveryRoute) {
  App().flags.ListingDate = DateToJulianDay(2002, 12, 4);
  NewDateWindow window(App());
  window.show();
  const std::vector<Delivered> rows = {
      {"12", true},   {"2003", true}, {"20030", true}, {"x9-y", false}, {"9x", false},
      {" 9", false},  {"-1", false},  {"１２", false},  // full-width digits
      {"٣", false},
  };
  for (const char* name : {"txtMonth", "txtDay", "txtYear"}) {
    QLineEdit& box = *window.findChild<QLineEdit*>(name);
    ExpectTakenAsTyped(box, rows);
    for (const auto& [typed, kept] : {std::pair{"x9-y", "9"}, {"1/2 0", "120"}, {"+3.5e", "35"}})
      EXPECT_EQ(TypeKeys(box, typed).toStdString(), kept) << name << " typed " << typed;
    // Backspace still takes a digit away.
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &backspace);
    EXPECT_EQ(box.text().toStdString(), "3") << name;
  }
}

// OK on a date the calendar or the listing lacks shows the message naming
// the problem, keeps the window open with the focus in the box at fault and
// its text selected, and lists nothing; each bound with a row on either side.
TEST_F(PastedTextTest, NewDateRefusesADateWithAMessageAndTheFocusInItsBox) {
  const double opened = DateToJulianDay(2002, 12, 4);
  const struct {
    const char *month, *day, *year;
    const char* fault;  // the box at fault, or nullptr when the date is taken
    const char* message;
  } rows[] = {
      {"12", "31", "2003", nullptr, ""},
      {"13", "1", "2003", "txtMonth", "There is no month 13. Please enter 1 to 12."},
      {"1", "1", "2003", nullptr, ""},
      {"0", "1", "2003", "txtMonth", "There is no month 0. Please enter 1 to 12."},
      {"6", "30", "2003", nullptr, ""},
      {"6", "31", "2003", "txtDay", "June 2003 has no day 31. Please correct the day."},
      {"6", "1", "2003", nullptr, ""},
      {"6", "0", "2003", "txtDay", "June 2003 has no day 0. Please correct the day."},
      {"2", "29", "2004", nullptr, ""},
      {"2", "29", "2003", "txtDay", "February 2003 has no day 29. Please correct the day."},
      {"6", "1", "2099", nullptr, ""},
      {"6", "1", "2100", "txtYear", "Year 2100 is out of range. Please enter 1 to 2099."},
      {"6", "1", "1", nullptr, ""},
      {"6", "1", "0", "txtYear", "Year 0 is out of range. Please enter 1 to 2099."},
  };
  for (const auto& row : rows) {
    const std::string date = std::string(row.month) + "/" + row.day + "/" + row.year;
    App().flags.ListingDate = opened;
    NewDateWindow window(App());
    window.show();
    auto box = [&](const char* name) { return window.findChild<QLineEdit*>(name); };
    box("txtMonth")->setText(row.month);
    box("txtDay")->setText(row.day);
    box("txtYear")->setText(row.year);
    messages.shown.clear();
    window.findChild<QPushButton*>("cmdOK")->click();
    if (!row.fault) {
      EXPECT_TRUE(messages.shown.empty()) << date;
      EXPECT_EQ(window.result(), QDialog::Accepted) << date;
      EXPECT_EQ(App().flags.ListingDate, DateToJulianDay(std::stoi(row.year), std::stoi(row.month), std::stoi(row.day)))
          << date;
      continue;
    }
    EXPECT_EQ(messages.Boxes(), std::vector<std::string>{std::string("Warning!: ") + row.message}) << date;
    ASSERT_EQ(messages.shown.size(), 1u) << date;
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning) << date;
    EXPECT_TRUE(window.isVisible()) << date;
    EXPECT_EQ(App().flags.ListingDate, opened) << date;
    EXPECT_EQ(window.focusWidget(), box(row.fault)) << date;
    EXPECT_EQ(box(row.fault)->selectedText(), box(row.fault)->text()) << date;
  }
}

// What the user did, through the Data window's More menu on a dated
// listing: Ctrl+V of "x9-y" into Month leaves the month as it was, OK on a
// day June lacks is refused with the window kept open, and the mended day
// is listed.
TEST_F(PastedTextTest, NewDateFromTheMoreMenuListsOnlyAMendedDate) {
  AppState& s = App();
  s.AppPath = testing::ScratchProgramFolder("pasted_listing", {".OPT", ".ORB", ".TXT", ".FIL"});
  LoadOptionsFile(s);
  testing::FillFixtureChart(s);
  ComputeChartSets(s);
  WireAppServices(s);
  MainWindow* main = BuildMainWindow();  // the reset deletes it: closing would run the exit sequence
  ShowChartMenus(*main);
  main->dataMenu->findChild<QAction*>("mnuDataTransitInterpretations")->trigger();
  DataWindow* data = CurrentDataWindow();
  ASSERT_NE(data, nullptr);

  std::vector<std::string> seen;  // month and day boxes, messages, after each step
  QTimer::singleShot(0, [&] {
    auto* w = qobject_cast<NewDateWindow*>(QApplication::activeModalWidget());
    if (!w) return;
    QLineEdit* month = w->findChild<QLineEdit*>("txtMonth");
    QLineEdit* day = w->findChild<QLineEdit*>("txtDay");
    QApplication::clipboard()->setText("x9-y");
    month->setFocus(Qt::OtherFocusReason);
    month->selectAll();
    QKeyEvent ctrlV(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
    QCoreApplication::sendEvent(month, &ctrlV);
    seen.push_back("month " + month->text().toStdString());
    day->setText("31");
    w->findChild<QPushButton*>("cmdOK")->click();
    for (const std::string& box : messages.Boxes()) seen.push_back(box);
    seen.push_back(std::string(w->isVisible() ? "open" : "closed") + ", focus in " +
                   (w->focusWidget() ? w->focusWidget()->objectName().toStdString() : "none"));
    day->setText("30");
    w->findChild<QPushButton*>("cmdOK")->click();
  });
  // A refusal too many would keep the window open: the watchdog closes it.
  testing::LoopWatchdog watchdog("New Date");
  data->findChild<QAction*>("mnuMoreNewDate")->trigger();
  EXPECT_EQ(seen, (std::vector<std::string>{"month 6", "Warning!: June 2024 has no day 31. Please correct the day.",
                                            "open, focus in txtDay"}));
  ASSERT_GE(testing::LastPageLines().size(), 2u);
  EXPECT_EQ(testing::LastPageLines()[1].substr(60), "30 Jun 2024");
}

// Transits by the Minute filters no keys: a box takes any text, by any
// route, and List refuses whatever is no whole number in its range, "6x"
// included, with the focus in the box at fault.
TEST_F(PastedTextTest, TransitsByTheMinuteRefusesPastedTextThatIsNoWholeNumber) {
  DiurOptWindow* w = ShowDiurOpt(App());
  const std::pair<const char*, const char*> valid[] = {
      {"txtMonth", "6"}, {"txtDay", "1"}, {"txtYear", "2024"}, {"txtDays", "1"}};
  for (const auto& route : kRoutes) {
    for (const auto& [name, good] : valid) {
      for (const auto& [name2, text] : valid) w->findChild<QLineEdit*>(name2)->setText(text);
      QLineEdit* box = w->findChild<QLineEdit*>(name);
      for (const char* bad : {"6x", "x9-y", "1.5", "-1"}) {
        Deliver(*box, route.route, bad);
        EXPECT_EQ(box->text().toStdString(), bad) << name << " by " << route.name;
        messages.shown.clear();
        w->cmdList_Click();
        EXPECT_EQ(messages.Boxes(), std::vector<std::string>{std::string("Warning!: ") + ListingPeriodText})
            << name << " " << bad << " by " << route.name;
        EXPECT_EQ(w->focusWidget(), box) << name << " " << bad << " by " << route.name;
      }
      Deliver(*box, route.route, good);
      MinuteListingPeriod period;
      EXPECT_EQ(w->PeriodFromBoxes(period), nullptr) << name << " " << good << " by " << route.name;
      EXPECT_EQ(std::tuple(period.first.year, period.first.month, period.first.day, period.days),
                std::tuple(2024, 6, 1, 1))
          << name << " by " << route.name;
    }
  }
}

// The Table of Houses asks in the program's input box, which filters no
// keys either: a pasted answer that is no whole number is refused and
// offered again for mending, as a typed one is.
TEST_F(PastedTextTest, TableOfHousesRefusesAPastedAnswerAndOffersItAgain) {
  // Answers the real input box: each question gets the next text by the
  // route, and Cancel once the texts run out.
  struct PastingSink : testing::RecordingSink {
    Route route = Route::CtrlV;
    std::deque<QString> texts;
    std::vector<std::string> offered;
    std::string Input(const std::string& prompt, const std::string& title, const std::string& defaultText) override {
      asked.push_back(prompt);
      offered.push_back(defaultText);
      const std::optional<QString> text =
          texts.empty() ? std::nullopt : std::optional<QString>(texts.front());
      if (!texts.empty()) texts.pop_front();
      QTimer::singleShot(0, [this, text] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        if (!text) return dialog->reject();
        Deliver(*dialog->findChild<QLineEdit*>(), route, *text);
        dialog->accept();
      });
      testing::LoopWatchdog watchdog("input box");
      return AskInputBox(prompt, title, defaultText, nullptr);
    }
  };
  for (const auto& route : kRoutes) {
    PastingSink sink;
    sink.route = route.route;
    sink.texts = {"x9-y", "30"};  // then Cancel at the number of rows
    ListDiurnalHouses(App());
    EXPECT_EQ(sink.asked, (std::vector<std::string>{"Minutes between rows:", "Minutes between rows:",
                                                     "Number of rows:"}))
        << route.name;
    EXPECT_EQ(sink.offered, (std::vector<std::string>{" 60", "x9-y", " 24"})) << route.name;
    EXPECT_EQ(sink.Boxes(), std::vector<std::string>{std::string("Warning!: ") + CountRefusedText}) << route.name;
  }
}

}  // namespace
}  // namespace halcyra
