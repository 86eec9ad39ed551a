// The wheel window's commands on the real program's menus: the time steps,
// Turn natal chart, the house systems and chart types, Options, the orb
// files and Print to a PDF file; Save picture has a file of its own.
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "chart_input/input_checks.h"
#include "shell/ui/print_target.h"
#include "shell/ui/text_editors.h"
#include "wheel_commands_fixture.h"
#include "wheels/turn_natal.h"
#include "wheels/ui/wheel_print.h"

namespace halcyra {
namespace {

using WheelWindowCommands = testing::WheelCommandsTest;

TEST_F(WheelWindowCommands, TimeStepsRecomputeTheChartOfTheWheelShown) {
  testing::RecordingSink sink;
  Main("mnuRidurIzivaSingle");
  // A dual wheel steps the transits, filled once from the transit window and
  // then accumulated; the natal chart stays.
  Main("mnuWheelsDualNatTran");
  Wheel("mnuUpdateAddHour");
  Wheel("mnuUpdateAddMinute");
  EXPECT_EQ(Caption2(1, 3), "Transits|20 Jul 1969|5.18 P.M. (4)");
  EXPECT_EQ(Caption1(1, 3), "Apollo 11 launch - natal|16 Jul 1969|9.32 A.M. (4)");
  EXPECT_FALSE(Checked("mnuRidurIzivaSingle")) << "a step stops the RidurIziva";
  EXPECT_EQ(App().flags.WheelKind, 2);
  EXPECT_EQ(App().chart.WheelMode, 2);
  // A single wheel shown since steps the natal moment from the natal window,
  // never the transits' moment under the natal name.
  sink.inputAnswer = "7";
  Wheel("mnuWheelsTurn");
  Wheel("mnuUpdateSubMinute");
  EXPECT_EQ(Caption1(1, 3), "Apollo 11 launch - natal|16 Jul 1969|9.31 A.M. (4)");
  Wheel("mnuUpdateAddDay");
  EXPECT_EQ(Caption1(2, 3), "17 Jul 1969|9.31 A.M. (4)");
  EXPECT_EQ(App().flags.WheelKind, 1);
  EXPECT_NE(App().chart.Natal.Long[Moon], 0);
  ASSERT_NE(TheWheelsWindow(), nullptr);
  EXPECT_TRUE(TheWheelsWindow()->isVisible());
  EXPECT_TRUE(sink.shown.empty());

  // A blank box stops the step with its message; nothing changes.
  Main("mnuWheelsSingleNatal");
  InputD().Box("txtMonth")->setText("");
  const PointArray before = App().chart.Natal.Long;
  Wheel("mnuUpdateAddDay");
  EXPECT_EQ(sink.Boxes(), std::vector<std::string>{std::string("Warning!: ") + NatalInputErrorText});
  EXPECT_EQ(App().chart.Natal.Long, before);
  EXPECT_EQ(App().chart.ChartReady, 0);
}

TEST_F(WheelWindowCommands, TurnAsksAgainUntilAHouseAndTurnsTheNatalWheel) {
  testing::RecordingSink sink;
  Main("mnuWheelsDualNatTran");
  sink.inputAnswers = {"13", "-1", "10"};
  Wheel("mnuWheelsTurn");
  EXPECT_EQ(sink.asked, std::vector<std::string>(3, TurnPrompt));
  EXPECT_EQ(Caption1(1, 2), "Apollo 11 launch - turned (10) natal|16 Jul 1969");
  EXPECT_EQ(App().wheel.Wheel.Cusp[4], App().chart.Natal.Cusp[1]) << "the natal MC on the Ascendant";
  EXPECT_EQ(App().flags.WheelKind, 1);
  ASSERT_NE(TheWheelsWindow(), nullptr);
  TheWheelsWindow()->Form_Paint();
  EXPECT_EQ(App().wheel.DisplayCusp[4], App().chart.Natal.Cusp[1]) << "the wheel is framed by the turned houses";
}

TEST_F(WheelWindowCommands, HouseSystemsRecomputeAndTypesTickOneItem) {
  Main("mnuWheelsSingleNatal");
  const double placidusSecond = App().chart.Natal.Cusp[5];
  App().report.DataLines.assign(9, "earlier");
  App().report.DataLineCount = 8;
  Wheel("mnuHouseKoch");
  EXPECT_EQ(App().options.HouseSystem, "K");
  EXPECT_EQ(TheWheelsWindow(), nullptr) << "the wheel is closed";
  EXPECT_NE(App().chart.Natal.Cusp[5], placidusSecond) << "the chart worked out again in Koch houses";
  EXPECT_EQ(App().report.DataLines[0], "") << "the buffer holds the new automatic report only";
  EXPECT_FALSE(InputD().isVisible()) << "the new chart hides the input windows again";

  Main("mnuWheelsSingleNatal");
  std::vector<std::string> ticked;
  for (const char* item : {"mnuHousePlacidus", "mnuHouseKoch", "mnuHouseMorinus", "mnuCTAmerican", "mnuCTEuropean"})
    if (TheWheelsWindow()->Item(item)->isChecked()) ticked.push_back(item);
  EXPECT_EQ(ticked, (std::vector<std::string>{"mnuHouseKoch", "mnuCTAmerican"}));
  Wheel("mnuCTEuropean");
  Wheel("mnuCTAmerican");
  EXPECT_TRUE(TheWheelsWindow()->Item("mnuCTAmerican")->isChecked());
  EXPECT_FALSE(TheWheelsWindow()->Item("mnuCTEuropean")->isChecked());
}

TEST_F(WheelWindowCommands, OptionsAndOrbEditorsOpenOnTheirFiles) {
  testing::RecordingSink sink;
  Main("mnuWheelsDualNatTran");
  Wheel("mnuOptions");
  Wheel("mnuOrbsEdit");
  std::vector<std::string> editors;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* editor = qobject_cast<TextEditorWindow*>(w); editor && editor->isVisible())
      editors.push_back(editor->objectName().toStdString() + " " +
                        std::filesystem::path(editor->FilePath()).filename().string());
  std::ranges::sort(editors);
  EXPECT_EQ(editors, (std::vector<std::string>{"Options OPTIONS.OPT", "OrbsEdit NAT2TRAN.ORB"}));

  std::filesystem::remove(App().AppPath + "/OPTIONS.OPT");
  Wheel("mnuOptions");
  EXPECT_EQ(sink.Boxes(), std::vector<std::string>{"Warning!: File Not Found"});
}

// The file chooser opens on the program folder's orb files with the one in
// use selected; the pick becomes the orb file, Cancel keeps it.
TEST_F(WheelWindowCommands, SelectNewOrbFileStartsOnTheOneInUse) {
  Main("mnuWheelsDualNatTran");
  for (const bool pick : {true, false}) {
    std::string selected;
    QTimer::singleShot(0, [&] {
      auto* chooser = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(chooser, nullptr);
      auto* files = chooser->findChild<QListWidget*>("filList");
      selected = files->currentItem()->text().toStdString();
      files->setCurrentItem(files->findItems("SYNASTRY.ORB", Qt::MatchExactly).value(0));
      chooser->findChild<QPushButton*>(pick ? "cmdSelect" : "cmdCancel")->click();
    });
    const std::string before = App().options.OrbFileName;
    {
      testing::LoopWatchdog watchdog("the orb file chooser");
      Wheel("mnuOrbsChange");
    }
    EXPECT_EQ(selected, pick ? "NAT2TRAN.ORB" : "SYNASTRY.ORB");
    EXPECT_EQ(std::filesystem::path(App().options.OrbFileName).filename(), "SYNASTRY.ORB");
    EXPECT_EQ(App().options.OrbFileName == before, !pick);
  }
}

// The PDF printed for each answer: full page with the captions, half page
// with one picture; Cancel prints nothing. The window ends in its normal size.
TEST_F(WheelWindowCommands, PrintFullOrHalfPageToPdf) {
  testing::RecordingSink sink;
  Main("mnuWheelsDualNatTran");
  const std::string dir = testing::ScratchDir("wheel-print-command");
  for (const auto& [answer, name] : {std::pair{Answer::Yes, "full"}, {Answer::No, "half"}, {Answer::Cancel, "none"}}) {
    const std::string pdf = dir + "/" + name + ".pdf";
    App().services.PrintToPdfFile = pdf;
    sink.yesNoCancel = answer;
    TheWheelsWindow()->showMaximized();
    Wheel("mnuPrintChartwheel");
    EXPECT_FALSE(TheWheelsWindow()->isMaximized()) << name;
    EXPECT_EQ(App().wheel.WhiteRingFill + App().wheel.PrintingWheel, 0) << name;
    if (answer == Answer::Cancel) {
      EXPECT_FALSE(std::filesystem::exists(pdf));
      continue;
    }
    if (answer == Answer::Yes) {
      const std::string text = testing::PdfText(pdf);
      EXPECT_NE(text.find("Apollo 11 launch - natal"), std::string::npos) << text;
      EXPECT_NE(text.find("4.17 P.M. (4)"), std::string::npos) << text;
    } else {
      EXPECT_EQ(testing::PdfImageCount(pdf), 1) << "the window's picture";
    }
  }
  EXPECT_EQ(sink.questions, std::vector<std::string>(3, PrintQuestionText));
  EXPECT_TRUE(sink.shown.empty());
}

// Without a printer, the full and the half page go to a PDF file the user
// chooses, and the user is told where; Cancel in the file dialog prints
// nothing and says nothing.
TEST_F(WheelWindowCommands, WithoutAPrinterPrintGoesToAChosenPdfFile) {
  testing::RecordingSink sink;
  Main("mnuWheelsDualNatTran");
  App().services.PrinterInstalled = [] { return false; };
  std::optional<std::string> chosen;
  App().services.ChooseSaveFile = [&](const std::string&, const std::string&) { return chosen; };
  for (const auto& [answer, name] : {std::pair{Answer::Yes, "full"}, {Answer::No, "half"}, {Answer::No, ""}}) {
    chosen = *name ? std::optional(App().AppPath + "/" + name + ".pdf") : std::nullopt;
    sink.yesNoCancel = answer;
    sink.shown.clear();
    Wheel("mnuPrintChartwheel");
    EXPECT_FALSE(TheWheelsWindow()->isMaximized()) << name;
    if (!chosen) {
      EXPECT_TRUE(sink.shown.empty()) << "cancelled";
      continue;
    }
    EXPECT_EQ(sink.Boxes(), std::vector<std::string>{"Information: " + PrintedToPdfText(*chosen)}) << name;
    if (answer == Answer::Yes) EXPECT_NE(testing::PdfText(*chosen).find("Apollo 11 launch - natal"), std::string::npos);
    else EXPECT_EQ(testing::PdfImageCount(*chosen), 1) << "the window's picture";
  }
  int pdfs = 0;
  for (const auto& entry : std::filesystem::directory_iterator(App().AppPath)) pdfs += entry.path().extension() == ".pdf";
  EXPECT_EQ(pdfs, 2) << "the cancelled print wrote none";
}

}  // namespace
}  // namespace halcyra
