// The natal and transit input windows: presets, the hour box, the main
// window's Input command with the clock injected, picking from the names,
// cities and time-zone lists, saving a name, and the atlas with a fake atlas.
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <fstream>
#include <set>

#include "app/main_menus.h"
#include "chart_input/atlas_exchange.h"
#include "chart_input/input_presets.h"
#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/geograph_window.h"
#include "chart_input/ui/input_windows.h"
#include "chart_input/ui/names_window.h"
#include "chart_input/ui/time_zone_window.h"
#include "core/calendar.h"
#include "core/chart_driver.h"
#include "gui_test_support.h"
#include "shell/local_clock.h"
#include "shell/settings_files.h"
#include "support/allocation_faults.h"

namespace halcyra {
namespace {

// Every test starts from the shared reset (no window open, a fresh state),
// with a program folder holding the names, place and zone files, the home
// place of Chicago (zone 6, 87 W 39, 41 N 51) and the computer's clock at
// 9 March 2024 19:05 Chicago standard time. Input boxes answer "" (the user typed nothing) unless a test sets
// the answer.
class InputWindowTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    App().AppPath = testing::ScratchProgramFolder("input_windows", {".FIL", ".LL", ".DAT"});
    testing::UseChicagoAsHomePlace(App());
    SetClock(2024, 3, 9, 19, 5);
    messages.inputAnswer = "";
  }

  // The computer's clock, kept on Chicago standard time unless told otherwise.
  static void SetClock(int year, int month, int day, int hour, int minute, long utcOffsetSeconds = -6 * 3600) {
    App().services.ReadClock = [=] { return ClockMoment{year, month, day, hour, minute, 0, utcOffsetSeconds}; };
  }
  static std::string Text(QWidget& window, const char* box) {
    return window.findChild<QLineEdit*>(box)->text().toStdString();
  }
  static void Type(QWidget& window, const char* box, const char* text) {
    window.findChild<QLineEdit*>(box)->setText(text);
  }
  // Adds `count` charts to the names file (50 bytes a line); gives its path.
  static std::string AddCharts(int count) {
    const std::string path = App().AppPath + "/NAMES.FIL";
    std::ofstream names(path, std::ios::app | std::ios::binary);
    for (int i = 0; i < count; ++i) names << "Chart " << i << ",7,16,1969,9,32,AM,4,80,36,W,28,36,N\r\n";
    return path;
  }
  // "month/day/year hour:minute AM|PM, zone, long W|E min, lat N|S min".
  static std::string Shown(const ChartInputWindow& window) {
    const InputBoxTexts b = window.BoxTexts();
    return b.Month + "/" + b.Day + "/" + b.Year + " " + b.Hour + ":" + b.Minute + (b.PM ? " PM, " : " AM, ") +
           b.TZ + ", " + b.LongDeg + (b.East ? " E " : " W ") + b.LongMin + ", " + b.LatDeg +
           (b.South ? " S " : " N ") + b.LatMin;
  }

  testing::RecordingSink messages;
};

using InputWindows = InputWindowTest;

// The preset boxes: the clock of 9 March 2024 19:05 and the home place of Chicago.
const char* const kChicago = "3/9/2024 7:5 PM, 6, 87 W 39, 41 N 51";

// The hour box of either window applies the 12-hour rule to the ordinary
// hours (the input tests hold its edges), choosing P.M. within its own pair.
TEST_F(InputWindows, StartUpPresetsAndTheHourBoxOfEachWindow) {
  ShowInputWindows();
  ASSERT_TRUE(NamesLoaded());
  EXPECT_TRUE(InputD().isVisible() && InputD1().isVisible() && Names().isVisible());
  EXPECT_EQ(Names().List()->item(0)->text(), "Now");
  EXPECT_EQ(InputD().NameText(), "Now");
  EXPECT_EQ(Shown(InputD()), kChicago);
  EXPECT_EQ(Shown(InputD1()), kChicago);

  // window, hour box, typed, box afterwards, P.M. afterwards (A.M. chosen first)
  const struct {
    ChartInputWindow& window;
    const char *box, *typed, *shown;
    bool pm;
  } cases[] = {{InputD(), "txtBirthHour", "0", "12", false}, {InputD(), "txtBirthHour", "13", "1", true},
               {InputD(), "txtBirthHour", "23", "11", true}, {InputD(), "txtBirthHour", "12", "12", false},
               {InputD(), "txtBirthHour", "9", "9", false},  {InputD1(), "txtDiurnalHour", "15", "3", true}};
  for (const auto& c : cases) {
    QRadioButton* am = c.window.Option(c.window.Target() ? "optDiurnalAM" : "optAM");
    am->setChecked(true);
    Type(c.window, c.box, c.typed);
    EXPECT_EQ(Text(c.window, c.box), c.shown) << c.box << " " << c.typed;
    EXPECT_EQ(c.window.BoxTexts().PM, c.pm) << c.box << " " << c.typed;
    EXPECT_NE(am->isChecked(), c.pm) << "the pair stays exclusive";
  }
  EXPECT_TRUE(messages.shown.empty());
  Type(InputD(), "txtBirthHour", "");
  EXPECT_EQ(messages.Boxes(), std::vector<std::string>{"Warning!: Please fill in a value for birth hour."});
}

// Double-clicks the first row whose text starts with `textStart`.
void Activate(QListWidget* list, const QString& textStart) {
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->text().startsWith(textStart)) return emit list->itemActivated(list->item(row));
  ADD_FAILURE() << "no row " << textStart.toStdString();
}

// The chart of the present moment, 15 July 2024 19:00:30 UT, on computers
// kept on Chicago summer time and on universal time, the home zone 6: the
// preset boxes, a "Now" picked from the names and the chart read from them
// stand at that universal moment; the Input command writes it for the zone
// its zone box holds; the main window's caption keeps the computer's own
// clock, read through the system's conversion under TZ.
TEST_F(InputWindows, NowIsThePresentUniversalMomentWhateverTheComputersZone) {
  const double universal = DateToJulianDay(2024, 7, 15) - 0.5 + 19.0 / 24;
  for (const auto& [zone, caption] :
       {std::pair{testing::ChicagoTimeZone, "14:00:30"}, std::pair{"UTC0", "19:00:30"}}) {
    const testing::ScopedTimeZone computer(zone);
    App().services.ReadClock = [] { return LocalClockAt(1721070030); };
    auto* main = BuildMainWindow();
    ShowInputWindows();
    const char* const home = "7/15/2024 1:0 PM, 6, 87 W 39, 41 N 51";
    EXPECT_EQ(Shown(InputD()), home) << zone;
    EXPECT_EQ(Shown(InputD1()), home) << zone;
    ASSERT_TRUE(ValidateAndParseInputWindows(App()));
    EXPECT_NEAR(DayMomentOf(App().input.Natal).Moment(), universal, 1e-9) << zone;
    EXPECT_NEAR(DayMomentOf(App().input.Transit).Moment(), universal, 1e-9) << zone;

    Type(InputD(), "txtYear", "1999");
    Activate(Names().List(), "Now");
    EXPECT_EQ(Shown(InputD()), home) << zone;

    Type(InputD(), "txtTZ", "5");  // Chicago summer time typed in
    main->findChild<QAction*>("mnuInputData")->trigger();
    EXPECT_EQ(Shown(InputD()), "7/15/2024 2:0 PM, 5, 87 W 39, 41 N 51") << zone;

    main->Timer1_Timer();
    const std::string title = main->windowTitle().toStdString();
    EXPECT_NE(title.find("15 Jul 2024"), std::string::npos) << title;
    EXPECT_TRUE(title.find(caption) != std::string::npos ||
                title.find(caption == std::string("14:00:30") ? "2:00:30" : "7:00:30") != std::string::npos)
        << title;
    UnloadDataEntryWindows();
    delete main;
  }
  EXPECT_TRUE(messages.shown.empty());
}

// A date that does not exist, a year the window does not take, or a box
// that is not a number: OK shows the window's message, reads nothing into
// the chart input, and puts the focus in the box at fault, its text
// selected. The hour box turns 13 into 1 with P.M. but leaves 24 to the
// checks.
TEST_F(InputWindows, RefusedBoxTakesTheFocusWithItsTextSelected) {
  ShowInputWindows();
  const ChartInput before = App().input;
  const struct {
    ChartInputWindow& window;
    const char *box, *typed, *message;
  } cases[] = {
      {InputD(), "txtDay", "30", "Warning!: Error in natal input data section. Please correct."},
      {InputD1(), "txtDiurnalYear", "0", "Warning!: Error in transit input data section. Please correct."},
      {InputD1(), "txtDiurnalDay", "31", "Warning!: Error in transit input data section. Please correct."},
      {InputD(), "txtLongMin", "6x", "Warning!: Error in natal input data section. Please correct."},
      {InputD(), "txtBirthHour", "24", "Warning!: Error in natal input data section. Please correct."},
  };
  for (const auto& c : cases) {
    Type(InputD(), "txtMonth", "2"), Type(InputD1(), "txtDiurnalMonth", "2");
    Type(c.window, c.box, c.typed);
    messages.shown.clear();
    c.window.findChild<QPushButton*>("cmdOK")->click();
    EXPECT_EQ(messages.Boxes(), std::vector<std::string>{c.message}) << c.box << " " << c.typed;
    QLineEdit* box = c.window.findChild<QLineEdit*>(c.box);
    EXPECT_EQ(c.window.focusWidget(), box) << c.box;
    EXPECT_EQ(box->selectedText().toStdString(), c.typed) << c.box;
    EXPECT_EQ(App().input.NatalDateText, before.NatalDateText);
    Type(c.window, c.box, c.window.Target() ? "9" : "1");  // put right for the next case
  }
  Type(InputD(), "txtBirthHour", "13");
  EXPECT_EQ(Shown(InputD()), "2/1/2024 1:5 PM, 6, 87 W 1, 41 N 51");
}

// Enter in a box or on an option button presses OK, the button drawn as
// the window's default, as in a dialog; here OK refuses a day that
// February does not have.
TEST_F(InputWindows, EnterPressesOK) {
  ShowInputWindows();
  const char* const natal = "Warning!: Error in natal input data section. Please correct.";
  const char* const transit = "Warning!: Error in transit input data section. Please correct.";
  const struct {
    ChartInputWindow& window;
    const char *day, *control;
    Qt::Key key;
    const char* message;
  } cases[] = {
      {InputD(), "txtDay", "txtName", Qt::Key_Return, natal},
      {InputD(), "txtDay", "optPM", Qt::Key_Enter, natal},
      {InputD1(), "txtDiurnalDay", "txtDiurnalYear", Qt::Key_Return, transit},
      {InputD1(), "txtDiurnalDay", "chk2ndPerson", Qt::Key_Enter, transit},
  };
  for (const auto& c : cases) {
    Type(InputD(), "txtMonth", "2"), Type(InputD1(), "txtDiurnalMonth", "2");
    Type(c.window, c.day, "30");
    messages.shown.clear();
    QKeyEvent enter(QEvent::KeyPress, c.key, Qt::NoModifier);
    QCoreApplication::sendEvent(c.window.findChild<QWidget*>(c.control), &enter);
    EXPECT_EQ(messages.Boxes(), std::vector<std::string>{c.message}) << c.control;
    Type(c.window, c.day, "1");  // put right for the next case
  }
}

// The main window's Input command. The reset deletes the main window:
// closing it would run the exit sequence.
using InputCommand = InputWindowTest;

TEST_F(InputCommand, ResetsTheDataEntryAndANowChartTakesTheClockAfresh) {
  auto* main = BuildMainWindow();
  ShowInputWindows();
  HideInputWindows();  // as the chart driver leaves them
  InputD().SetNameText("Apollo 11 launch, Kennedy Space Center");
  Type(InputD(), "txtYear", "1969");
  App().chart.ChartName = "Apollo 11 launch, Kennedy Space Center";
  App().flags.NamesDirty = 1;
  App().flags.DataFileName = "saved.txt";
  App().report.DataLines.assign(14, "x");
  App().report.DataLineCount = 12;
  QAction* single = main->findChild<QAction*>("mnuRidurIzivaSingle");
  single->setChecked(true);
  NamesWindow* namesBefore = &Names();

  main->findChild<QAction*>("mnuInputData")->trigger();
  EXPECT_EQ(App().report.DataLineCount, 0);
  EXPECT_EQ(App().flags.NamesDirty, 0);
  EXPECT_EQ(App().flags.DataFileName, "");
  EXPECT_FALSE(single->isChecked());
  EXPECT_TRUE(InputD().isVisible() && InputD1().isVisible() && Names().isVisible());
  EXPECT_NE(&Names(), namesBefore) << "the names list is loaded afresh";
  EXPECT_EQ(Text(InputD(), "txtYear"), "1969") << "not a now-chart: the boxes stay";

  // clock on 31 December 2025 at the hour, the natal window's time afterwards
  for (const auto& [hour, shown] : {std::pair{0, "12:30 AM"}, {12, "12:30 PM"}, {23, "11:30 PM"}}) {
    SetClock(2025, 12, 31, hour, 30);
    InputD().SetNameText("Now");
    main->findChild<QAction*>("mnuInputData")->trigger();
    EXPECT_EQ(Shown(InputD()), "12/31/2025 " + std::string(shown) + ", 6, 87 W 39, 41 N 51") << hour;
  }
  EXPECT_TRUE(messages.shown.empty());
}

using InputPicks = InputWindowTest;

TEST_F(InputPicks, CityAndZoneFillTheWindowThatAskedForThem) {
  InputD1().findChild<QPushButton*>("cmdCities")->click();
  ASSERT_TRUE(Geograph().isVisible());
  Activate(Geograph().List(), "Kolkata, India");
  // the preset of now, 19:05 in zone 6, stays at 01:05 UT in the city's zone
  EXPECT_EQ(Shown(InputD1()), "3/10/2024 6:35 AM, -5.30, 88 E 22, 22 N 32");
  EXPECT_EQ(Shown(InputD()), kChicago);

  InputD().findChild<QPushButton*>("cmdCities")->click();
  QListWidget* cities = Geograph().List();
  cities->setCurrentItem(cities->findItems("Sydney, Australia", Qt::MatchStartsWith).value(0));
  Geograph().findChild<QPushButton*>("cmdUse")->click();
  EXPECT_EQ(Shown(InputD()), "3/10/2024 11:5 AM, -10, 151 E 13, 33 S 52");
  EXPECT_EQ(Shown(InputD1()), "3/10/2024 6:35 AM, -5.30, 88 E 22, 22 N 32");

  InputD().findChild<QPushButton*>("cmdZones")->click();
  EXPECT_EQ(App().flags.TZTarget, 0);
  Activate(TimeZone().List(), "UTC+05:45");
  EXPECT_EQ(Text(InputD(), "txtTZ"), "-5.45");
  App().flags.TZTarget = 1;  // as another command may set it
  Activate(TimeZone().List(), "UTC-03:30");
  EXPECT_EQ(Text(InputD1(), "txtDiurnalTZ"), "3.30");
  EXPECT_EQ(Text(InputD(), "txtTZ"), "-5.45");
  EXPECT_TRUE(messages.shown.empty());

  // Escape in a list closes its window, after a pick as before one.
  Geograph().show();
  for (QWidget* list : {static_cast<QWidget*>(TimeZone().List()), static_cast<QWidget*>(Geograph().List())}) {
    QPointer<QWidget> window = list->window();
    const std::string name = window->objectName().toStdString();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(list, &escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull() || !window->isVisible()) << name;
  }
}

TEST_F(InputPicks, DoubleClickedNameComputesItsChart) {
  int calls = 0;
  App().services.CalculateChart = [&](AppState&) { ++calls; };
  Activate(Names().List(), "Apollo 11 launch");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(InputD().NameText(), "Apollo 11 launch, Kennedy Space Center");
  EXPECT_EQ(Shown(InputD()), "7/16/1969 9:32 AM, 4, 80 W 36, 28 N 36");

  // "Now" takes the clock and the home place.
  Activate(Names().List(), "Now");
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(Shown(InputD()), kChicago);
  EXPECT_EQ(App().input.RememberedNameIndex, 0);
}

// A list names its file in full in its tip and, its own name kept, as far
// as its width allows: a deep program folder does not make it wider.
TEST_F(InputPicks, ListsNameTheirFileWithoutGrowingWithItsPath) {
  const int width = Names().sizeHint().width();
  UnloadNames();
  App().AppPath = testing::ScratchProgramFolder(std::string(200, 'd') + " Zoë", {".FIL"});
  EXPECT_EQ(Names().sizeHint().width(), width);
  Names().show();
  const auto* label = Names().findChild<QLabel*>("lblFile");
  EXPECT_EQ(label->toolTip().toStdString(), App().AppPath + "/NAMES.FIL");
  EXPECT_TRUE(label->text().endsWith("/NAMES.FIL") && label->text().size() < label->toolTip().size());
}

TEST_F(InputPicks, SaveAddsTheNatalChartToTheNamesFile) {
  const std::string path = App().AppPath + "/NAMES.FIL";
  std::vector<std::string> expected = *ReadTextLines(path);
  NamesWindow& names = Names();
  const int countBefore = names.List()->count();
  InputD().SetNameText("Test chart, Chicago");
  names.findChild<QPushButton*>("cmdSave")->click();
  EXPECT_TRUE(messages.shown.empty());
  expected.push_back("Test chart, Chicago,3,9,2024,7,5,PM,6,87,39,W,41,51,N");
  EXPECT_EQ(*ReadTextLines(path), expected);
  EXPECT_EQ(names.List()->count(), countBefore + 1);
  EXPECT_EQ(names.List()->currentItem()->text(), "Test chart, Chicago");

  // A name in Latin-1 is saved to its last character; one beyond it is
  // named and left selected in the name box, and neither Save nor OK takes it.
  QLineEdit* name = InputD().findChild<QLineEdit*>("txtName");
  for (const char* typed : {"Zo\u00EB \u00FF", "Zo\u00EB \u2013 \u0100"}) {
    name->setText(typed);
    names.findChild<QPushButton*>("cmdSave")->click();
  }
  InputD().findChild<QPushButton*>("cmdOK")->click();
  expected.push_back("Zo\xEB \xFF,3,9,2024,7,5,PM,6,87,39,W,41,51,N");
  EXPECT_EQ(messages.Boxes(), std::vector<std::string>(2, "Warning!: The name holds the character \u2013 (U+2013), "
                                                          "which the names file and the reports cannot keep: they hold "
                                                          "Latin-1 characters only. Please type another in its place."));
  EXPECT_EQ(App().chart.InputError, 1);
  EXPECT_EQ(InputD().focusWidget(), name);
  EXPECT_EQ(name->selectedText().toStdString(), "\u2013");
  EXPECT_EQ(*ReadTextLines(path), expected);
  messages.shown.clear();

  // Nothing is saved without a name, nor with input the checks refuse.
  InputD().SetNameText("");
  names.findChild<QPushButton*>("cmdSave")->click();
  InputD().SetNameText("Bad");
  Type(InputD(), "txtMonth", "13");
  names.findChild<QPushButton*>("cmdSave")->click();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.Boxes()[1], "Warning!: Error in natal input data section. Please correct.");
  EXPECT_EQ(*ReadTextLines(path), expected);
}

// Save Natal Data by its Alt+S with 25,000 charts on file (1.2 MB) and the
// memory running out from each step on in turn: a chart on file is never
// said not to be added, and the list shows it or is empty and says so.
// Input then, with no memory for the list, shows every window, the list
// empty, and says why.
TEST_F(InputPicks, SaveAndInputWithoutMemorySayWhatTheyDid) {
  const std::string path = AddCharts(25000);
  InputD().SetNameText("Saved chart");
  const std::string notDone = "Warning!: Out of memory. \"Save Natal Data\" was not done.";
  const std::string notListed = "Warning!: The chart was added to the names file " + path +
                                ", but the list cannot be shown again: Out of memory. The list is empty.";
  std::set<std::string> said;
  for (int skip = 0, refused = 1; refused > 0; ++skip) {
    const size_t lines = ReadTextLines(path)->size();
    const int rows = Names().List()->count();
    messages.shown.clear();
    {
      const testing::FailingAllocations noMemory({.skip = skip});
      testing::PressAltLetter(Names(), Qt::Key_S);
      refused = noMemory.Refused();
    }
    const bool saved = ReadTextLines(path)->size() == lines + 1;
    const std::string box = messages.Boxes().empty() ? "" : messages.Boxes().front();
    said.insert(box);
    EXPECT_TRUE(saved ? box == (refused ? notListed : "") : box == notDone || box.ends_with("was not added to it."))
        << skip << box;
    const int listed = saved ? int(LoadNamesFile(path).Entries.size()) : rows;
    EXPECT_EQ(Names().List()->count(), box == notListed ? 0 : listed) << skip;
  }
  EXPECT_TRUE(said.count(notDone) && said.count(notListed));
  HideInputWindows();  // as a chart leaves them
  messages.shown.clear();
  {
    const testing::FailingAllocations noMemory({.skip = 1});  // the file is read, its entries are not
    InputDataCommand(App());
  }
  EXPECT_EQ(messages.Boxes(), std::vector<std::string>{"Warning!: The file " + path +
                                                         " cannot be read: Out of memory. The list is empty."});
  EXPECT_TRUE(InputD().isVisible() && InputD1().isVisible() && Names().isVisible() && !Names().List()->count());
}

TEST_F(InputPicks, AtlasAnswerFillsThePlaceOfItsWindow) {
  // No folder named: a note, and nothing changes.
  InputD().findChild<QPushButton*>("cmdAtlas")->click();
  EXPECT_EQ(messages.Boxes(), std::vector<std::string>{std::string("Information!: ") + NoAtlasFolderText});
  EXPECT_EQ(App().ini.AtlasDir, "");
  EXPECT_EQ(Shown(InputD()), kChicago);

  // A folder without the atlas program, typed or from the INI file, is
  // refused and not kept for the INI file: the next command asks again.
  const std::string empty = testing::ScratchDir("gui-no-atlas");
  for (const std::string& fromIni : {std::string(), empty}) {
    App().ini.AtlasDir = fromIni;
    messages.inputAnswer = empty;
    InputD().findChild<QPushButton*>("cmdAtlas")->click();
    EXPECT_EQ(messages.Boxes().back(), "Warning!: ATLAS.EXE was not found in the atlas folder " + empty + ".");
    EXPECT_EQ(IniFileLines(App().ini).size(), 20u) << "no AtlasDir line";
  }
  messages.shown.clear();

  // A fake atlas: a script that writes its answer where PCATPATH.TXT says.
  const std::string atlas = testing::ScratchDir("gui-atlas");
  ASSERT_TRUE(WriteWholeFile(atlas + "/ATLAS.EXE", "#!/bin/sh\nprintf '" + atlas + "\\r\\n' > '" + atlas +
                                                       "/PCATPATH.TXT'\nprintf 'LATITUDE=51N29\\r\\n"
                                                       "LONGITUDE=0E5\\r\\n' > '" + atlas + "/TSRTEMP.TXT'\n"));
  std::filesystem::permissions(atlas + "/ATLAS.EXE", std::filesystem::perms::owner_all);
  messages.inputAnswer = atlas;
  InputD1().findChild<QPushButton*>("cmdAtlas")->click();
  EXPECT_EQ(App().ini.AtlasDir, atlas);
  EXPECT_EQ(messages.shown.size(), 1u) << "only the note that no folder was set";
  EXPECT_EQ(Shown(InputD1()), "3/9/2024 7:5 PM, 6, 0 E 5, 51 N 29") << "no zone in the answer: the box keeps its own";
  EXPECT_EQ(Shown(InputD()), kChicago);
}

}  // namespace
}  // namespace halcyra
