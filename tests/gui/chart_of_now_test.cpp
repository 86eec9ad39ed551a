// The chart of the present moment stays at that moment when its place
// changes: while an input window's date and time are still the preset of
// now, a zone filled from Cities..., Zones... or the atlas, or typed, writes
// them again for the new zone at the same universal moment; a date or time
// the user typed is never changed. The computer keeps Chicago's time with
// its summer rules (TZ) and its clock is fixed through the services; the
// home place of the options is Chicago, zone 6, as shipped.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QRadioButton>

#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/geograph_window.h"
#include "chart_input/ui/input_windows.h"
#include "chart_input/ui/names_window.h"
#include "chart_input/ui/time_zone_window.h"
#include "app/main_menus.h"
#include "core/calendar.h"
#include "core/chart_driver.h"
#include "gui_test_support.h"
#include "shell/local_clock.h"

namespace halcyra {
namespace {

// A universal moment, as the reference the rows are worked from.
struct Universal {
  int Year, Month, Day, Hour, Minute;
  std::time_t Seconds() const { return Moment::MinutesFromEpoch(Year, Month, Day, Hour, Minute) * 60; }
  double JulianDay() const { return DateToJulianDay(Year, Month, Day) - 0.5 + (Hour + Minute / 60.0) / 24; }
};

class ChartOfNow : public testing::GuiTest {
 protected:
  void SetUp() override {
    App().AppPath = testing::ScratchProgramFolder("chart_of_now", {".FIL", ".LL", ".DAT"});
    testing::UseChicagoAsHomePlace(App());
  }

  // Both input windows loaded afresh, preset at the universal moment `now`.
  void StartAt(const Universal& now) {
    UnloadDataEntryWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const std::time_t seconds = now.Seconds();
    App().services.ReadClock = [seconds] { return LocalClockAt(seconds); };
    ShowInputWindows();
  }

  // "month/day/year hour:minute AM|PM, zone Z" as the boxes show them.
  static std::string Clock(const ChartInputWindow& window) {
    const InputBoxTexts b = window.BoxTexts();
    return b.Month + "/" + b.Day + "/" + b.Year + " " + b.Hour + ":" + b.Minute + (b.PM ? " PM" : " AM") +
           ", zone " + b.TZ;
  }

  static void PickCity(ChartInputWindow& window, const char* city) {
    window.findChild<QPushButton*>("cmdCities")->click();
    QListWidget* list = Geograph().List();
    const QList<QListWidgetItem*> found = list->findItems(city, Qt::MatchStartsWith);
    ASSERT_FALSE(found.isEmpty()) << city;
    list->setCurrentItem(found[0]);
    Geograph().findChild<QPushButton*>("cmdUse")->click();
  }

  static void PickZone(ChartInputWindow& window, const char* zoneRow) {
    window.findChild<QPushButton*>("cmdZones")->click();
    QListWidget* list = TimeZone().List();
    const QList<QListWidgetItem*> found = list->findItems(zoneRow, Qt::MatchStartsWith);
    ASSERT_FALSE(found.isEmpty()) << zoneRow;
    emit list->itemActivated(found[0]);
  }

  // The atlas command against a stand-in atlas whose run writes `answer`
  // (lines) where its pointer file says.
  void AtlasAnswers(ChartInputWindow& window, const std::vector<std::string>& answer) {
    const std::string atlas = testing::ScratchDir("chart-of-now-atlas");
    ASSERT_TRUE(WriteWholeFile(atlas + "/ATLAS.EXE", ""));
    App().ini.AtlasDir = atlas;
    App().services.RunProgram = [atlas, answer](const std::string&) {
      return WriteTextLines(atlas + "/PCATPATH.TXT", {atlas}) && WriteTextLines(atlas + "/TSRTEMP.TXT", answer);
    };
    window.findChild<QPushButton*>("cmdAtlas")->click();
  }

  // Keys typed into a box, its text selected first, as a click into it leaves it.
  static void TypeKeys(ChartInputWindow& window, const char* box, const QString& keys) {
    QLineEdit* edit = window.Box(box);
    edit->selectAll();
    for (const QChar key : keys) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key(key.unicode()), Qt::NoModifier, QString(key));
      QCoreApplication::sendEvent(edit, &press);
    }
  }

  // The universal moments the chart reads from the natal and transit windows.
  static std::pair<double, double> ChartMoments() {
    EXPECT_TRUE(ValidateAndParseInputWindows(App()));
    return {DayMomentOf(App().input.Natal).Moment(), DayMomentOf(App().input.Transit).Moment()};
  }

  testing::ScopedTimeZone chicago_{testing::ChicagoTimeZone};
  testing::RecordingSink messages;
};

// Summer and winter on the computer's clock, and a city whose clock is on
// the next or the last day; the preset is written in the home zone 6. Each
// window in turn: the other keeps its preset, and the chart of both stands
// at the present universal moment.
TEST_F(ChartOfNow, ThePresetThenACityOfAnotherZone) {
  struct Case {
    const char* pins;
    Universal now;
    const char *city, *preset, *inCity;
  };
  const Case cases[] = {
      {"summer (10.20 A.M. CDT), London", {2026, 7, 1, 15, 20}, "London", "7/1/2026 9:20 AM, zone 6",
       "7/1/2026 3:20 PM, zone 0"},
      {"winter (9.20 A.M. CST), London", {2026, 1, 15, 15, 20}, "London", "1/15/2026 9:20 AM, zone 6",
       "1/15/2026 3:20 PM, zone 0"},
      {"forward over midnight, Sydney", {2026, 7, 2, 1, 30}, "Sydney", "7/1/2026 7:30 PM, zone 6",
       "7/2/2026 11:30 AM, zone -10"},
      {"back over midnight and the year's end, Honolulu", {2026, 1, 1, 6, 30}, "Honolulu",
       "1/1/2026 12:30 AM, zone 6", "12/31/2025 8:30 PM, zone 10"},
      {"a zone with minutes, Kathmandu", {2026, 7, 1, 15, 20}, "Kathmandu", "7/1/2026 9:20 AM, zone 6",
       "7/1/2026 9:5 PM, zone -5.45"},
  };
  for (const Case& c : cases) {
    StartAt(c.now);
    EXPECT_EQ(Clock(InputD()), c.preset) << c.pins;
    EXPECT_EQ(Clock(InputD1()), c.preset) << c.pins;
    PickCity(InputD(), c.city);
    EXPECT_EQ(Clock(InputD()), c.inCity) << c.pins;
    EXPECT_EQ(Clock(InputD1()), c.preset) << c.pins << ": the other window keeps its own";
    PickCity(InputD1(), c.city);
    EXPECT_EQ(Clock(InputD1()), c.inCity) << c.pins;
    const auto [natal, transit] = ChartMoments();
    EXPECT_NEAR(natal, c.now.JulianDay(), 1e-9) << c.pins;
    EXPECT_NEAR(transit, c.now.JulianDay(), 1e-9) << c.pins;
  }
  EXPECT_TRUE(messages.shown.empty());
}

// A zone from Zones... and an atlas answer with a zone write the clock
// again; an atlas answer without a zone leaves the zone and the clock. A
// zone typed by hand stays as typed and does the same once it is complete:
// on leaving the box, or when OK reads it still in the box; a half-typed one
// leaves the clock, which is still the preset.
TEST_F(ChartOfNow, ZonesListAtlasAndATypedZone) {
  const Universal now{2026, 7, 1, 15, 20};
  StartAt(now);
  for (ChartInputWindow* window : {static_cast<ChartInputWindow*>(&InputD()), static_cast<ChartInputWindow*>(&InputD1())}) {
    const char* tz = window->Target() == 0 ? "txtTZ" : "txtDiurnalTZ";
    PickZone(*window, "UTC+05:45");
    EXPECT_EQ(Clock(*window), "7/1/2026 9:5 PM, zone -5.45") << tz;
    PickZone(*window, "UTC+00:00");
    EXPECT_EQ(Clock(*window), "7/1/2026 3:20 PM, zone 0") << tz;
    AtlasAnswers(*window, {"LATITUDE=48N52", "LONGITUDE=2E20", "ZONE=-1"});
    EXPECT_EQ(Clock(*window), "7/1/2026 4:20 PM, zone -1") << tz << ": Paris on summer time";
    AtlasAnswers(*window, {"LATITUDE=52N31", "LONGITUDE=13E24"});
    EXPECT_EQ(Clock(*window), "7/1/2026 4:20 PM, zone -1") << tz << ": no zone in the answer";
    for (const std::string typed : {"-", "5.", "5"}) {
      TypeKeys(*window, tz, QString::fromStdString(typed));
      EXPECT_EQ(Clock(*window), "7/1/2026 4:20 PM, zone " + typed) << tz << ": nothing while typing";
      QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
      QCoreApplication::sendEvent(window->Box(tz), &leave);
    }
    EXPECT_EQ(Clock(*window), "7/1/2026 10:20 AM, zone 5") << tz << ": the box left";
    PickCity(*window, "London");
    EXPECT_EQ(Clock(*window), "7/1/2026 3:20 PM, zone 0") << tz;
    TypeKeys(*window, tz, "-10");  // Sydney, still in the box at OK
  }
  const auto [natal, transit] = ChartMoments();
  EXPECT_EQ(Clock(InputD()), "7/2/2026 1:20 AM, zone -10");
  EXPECT_NEAR(natal, now.JulianDay(), 1e-9);
  EXPECT_NEAR(transit, now.JulianDay(), 1e-9);
  EXPECT_TRUE(messages.shown.empty());
}

// A date or time the user typed, pasted or chose (A.M. or P.M.) is never
// changed by a city of another zone, even when the edit left the text as it
// was. Box or button of each window, the edit, clock afterwards.
TEST_F(ChartOfNow, ATypedDateOrTimeStaysAsTyped) {
  enum Edit { Keys, Paste, Click };
  struct Case {
    const char *natal, *transit;
    Edit edit;
    const char *text, *typed;
  };
  const Case cases[] = {
      {"txtMonth", "txtDiurnalMonth", Keys, "8", "8/1/2026 9:20 AM"},
      {"txtDay", "txtDiurnalDay", Keys, "2", "7/2/2026 9:20 AM"},
      {"txtYear", "txtDiurnalYear", Keys, "2025", "7/1/2025 9:20 AM"},
      {"txtBirthHour", "txtDiurnalHour", Keys, "10", "7/1/2026 10:20 AM"},
      {"txtBirthHour", "txtDiurnalHour", Keys, "15", "7/1/2026 3:20 PM"},   // the hour box's 12-hour rule
      {"txtBirthHour", "txtDiurnalHour", Keys, "9", "7/1/2026 9:20 AM"},    // typed over with the same hour
      {"txtBirthMinute", "txtDiurnalMinute", Keys, "45", "7/1/2026 9:45 AM"},
      {"txtBirthMinute", "txtDiurnalMinute", Paste, "20", "7/1/2026 9:20 AM"},  // the same minutes pasted
      {"optPM", "optDiurnalPM", Click, "", "7/1/2026 9:20 PM"},
      {"optAM", "optDiurnalAM", Click, "", "7/1/2026 9:20 AM"},  // clicked on the choice already made
  };
  for (const Case& c : cases) {
    StartAt({2026, 7, 1, 15, 20});
    for (ChartInputWindow* window : {static_cast<ChartInputWindow*>(&InputD()), static_cast<ChartInputWindow*>(&InputD1())}) {
      const char* control = window->Target() == 0 ? c.natal : c.transit;
      if (c.edit == Keys) {
        TypeKeys(*window, control, c.text);
      } else if (c.edit == Paste) {
        QGuiApplication::clipboard()->setText(c.text);
        window->Box(control)->selectAll();
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, "\x16");
        QCoreApplication::sendEvent(window->Box(control), &paste);
      } else {
        window->Option(control)->click();
      }
      EXPECT_EQ(Clock(*window), c.typed + std::string(", zone 6")) << control;
      PickCity(*window, "London");
      EXPECT_EQ(Clock(*window), c.typed + std::string(", zone 0")) << control;
    }
  }
  EXPECT_TRUE(messages.shown.empty());
}

// A name with a moment of its own is no preset of now, "Now" of the names
// list is; so is the moment the Input command writes for a now-chart.
TEST_F(ChartOfNow, ANameOfTheListAndTheInputCommand) {
  int charts = 0;
  App().services.CalculateChart = [&](AppState&) { ++charts; };
  auto* main = BuildMainWindow();
  StartAt({2026, 7, 1, 15, 20});
  const auto pickName = [](const char* name) {
    QListWidget* list = Names().List();
    emit list->itemActivated(list->findItems(name, Qt::MatchStartsWith).value(0));
  };
  pickName("Apollo 11 launch");
  PickCity(InputD(), "London");
  EXPECT_EQ(Clock(InputD()), "7/16/1969 9:32 AM, zone 0");
  pickName("Now");
  EXPECT_EQ(Clock(InputD()), "7/1/2026 9:20 AM, zone 6");
  PickCity(InputD(), "London");
  EXPECT_EQ(Clock(InputD()), "7/1/2026 3:20 PM, zone 0");

  TypeKeys(InputD(), "txtBirthHour", "8");
  main->findChild<QAction*>("mnuInputData")->trigger();
  EXPECT_EQ(Clock(InputD()), "7/1/2026 3:20 PM, zone 0") << "written afresh for the zone the box holds";
  PickCity(InputD(), "Honolulu");
  EXPECT_EQ(Clock(InputD()), "7/1/2026 5:20 AM, zone 10");
  EXPECT_EQ(charts, 2);
  EXPECT_TRUE(messages.shown.empty());
  UnloadDataEntryWindows();
  delete main;
}

}  // namespace
}  // namespace halcyra
