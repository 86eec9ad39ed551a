// The Data window under the offscreen platform: help pages, Save and Save As,
// font steps, clearing, printing and the dated listing's More menu. Results
// are read from LASTPAGE.TXT, the saved files and the buffers.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <functional>
#include <filesystem>
#include <fstream>

#include "output_gui_support.h"
#include "platform/text_files.h"
#include "shell/data_file.h"
#include "shell/report_output.h"
#include "shell/ui/data_window.h"
#include "shell/ui/listing_hooks.h"
#include "shell/ui/main_window.h"
#include "shell/ui/print_window.h"

namespace halcyra {
namespace {

using testing::RecordingSink;

class DataWindowTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    AppState& s = state();
    s.AppPath = testing::ScratchProgramFolder("data_window", {".HLP"});
    ClearReportBuffers(s);
    s.flags.ReportHeading = "Halcyra (Tropical zodiac) - ";
    s.chart.ChartName = "Christopher Columbus";
    s.options.OptionValues[30] = 60;
    s.options.OptionValues[45] = 60;
    s.options.OptionValues[117] = 80;
    s.options.OptionValues[118] = 96;
    s.ini.FontSize = 10;
    s.ini.FontBold = s.ini.FontItalic = 0;
    s.flags.screen.DataFontScale = 1.5;
    InstallDataWindowDisplay();
  }

  static AppState& state() { return App(); }
  void WritePage(int lines, size_t width = 10) {
    StartNewPage(state());
    for (int i = 1; i <= lines; ++i) {
      state().report.OutLine = std::string(width - 1, 'x') + std::to_string(i % 10);
      WriteOutLine(state());
    }
    ShowReport(state());
  }
  DataWindow* window() { return CurrentDataWindow(); }
  QAction* action(const char* name) { return window()->findChild<QAction*>(name); }
  QString viewText() { return window()->findChild<QPlainTextEdit*>("RichText1")->toPlainText(); }
  std::vector<std::string> lastPage() {
    return ReadTextLines(LastPagePath(state())).value_or(std::vector<std::string>{"<missing>"});
  }

  RecordingSink sink;
};

TEST_F(DataWindowTest, HelpMenuShowsEveryHelpFile) {
  const std::pair<const char*, const char*> items[] = {
      {"mnuHelpOrvane", "Orvane.HLP"},      {"mnuHelpInputD", "INPUTD.HLP"},
      {"mnuHelpInputD1", "INPUTD1.HLP"},    {"mnuHelpNames", "NAMES.HLP"},
      {"mnuHelpCities", "GEOGRAPH.HLP"},    {"mnuHelpOptions", "OPTIONS.HLP"},
      {"mnuHelpOutputD1", "OUTPUTD1.HLP"},  {"mnuHelpWheels", "WHEELS.HLP"},
      {"mnuHelpNameedit", "NAMEEDIT.HLP"},  {"mnuHelpLongLat", "LONGLAT.HLP"},
      {"mnuHelpSelect", "SELECT.HLP"},      {"mnuHelpPrntfile", "PRNTFILE.HLP"},
      {"mnuHintsHow", "HOW_DO_I.HLP"},      {"mnuHintsTips", "TIPS.HLP"},
      {"mnuShortcutKeys", "SHORTCUT.HLP"},  {"mnuHelpRevisions", "REVISION.HLP"},
  };
  MainWindow main;
  for (const auto& [name, file] : items) {
    const auto help = ReadTextLines(testing::SourceAppData() + "/" + file);
    ASSERT_TRUE(help) << file;
    QAction* item = main.findChild<QAction*>(name);
    ASSERT_NE(item, nullptr) << name;
    const long before = state().report.DataLineCount;
    item->trigger();
    ASSERT_NE(window(), nullptr) << name;
    EXPECT_TRUE(window()->isVisible()) << name;
    EXPECT_EQ(window()->windowTitle().toStdString(), "Halcyra (Tropical zodiac) - Data");
    // The help lines, the blank closing the text, ShowReport's blank, the spare entry.
    std::vector<std::string> expected = *help;
    expected.insert(expected.end(), {"", "", ""});
    EXPECT_EQ(lastPage(), expected) << file;
    EXPECT_EQ(state().report.DataLineCount - before, static_cast<long>(help->size()) + 2) << file;
    EXPECT_TRUE(viewText().startsWith(QString::fromLatin1(help->front().c_str()))) << file;
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(DataWindowTest, HelpTextsFitTheWindow) {
  namespace fs = std::filesystem;
  int files = 0;
  for (const auto& entry : fs::directory_iterator(testing::SourceAppData())) {
    if (entry.path().extension() != ".HLP") continue;
    ++files;
    const auto bytes = ReadWholeFile(entry.path().string());
    ASSERT_TRUE(bytes);
    EXPECT_NE(bytes->find("\r\n"), std::string::npos) << entry.path() << ": CR LF line ends";
    const auto lines = ReadTextLines(entry.path().string());
    for (size_t i = 0; i < lines->size(); ++i) {
      const std::string& line = (*lines)[i];
      EXPECT_LE(line.size(), 78u) << entry.path().filename() << " line " << i + 1;
      for (unsigned char c : line)
        EXPECT_TRUE(c >= 32 && c < 127) << entry.path().filename() << " line " << i + 1;
    }
  }
  EXPECT_EQ(files, 16);
}

TEST_F(DataWindowTest, MenuItemsCaptionsAndKeys) {
  WritePage(1);
  struct Item {
    const char* name;
    const char* caption;
    QKeySequence key;
  };
  const Item items[] = {
      {"mnuFileSave", "&Save", Qt::Key_F5},         {"mnuFileSaveAs", "Save &As", Qt::Key_F6},
      {"mnuFontsIncrease", "&Increase", Qt::Key_F7}, {"mnuFontsDecrease", "&Decrease", Qt::Key_F8},
      {"mnuFontsBold", "&Bold", Qt::Key_F11},        {"mnuFontsItalic", "I&talic", Qt::Key_F12},
      {"mnuClearBuffer", "&Clear all data", {}},     {"mnuPrint", "&Print page", {}},
      {"mnuPrintData", "Print &data", {}},           {"mnuMoreZForward", "&Forward", Qt::Key_F2},
      {"mnuMoreBackward", "&Backward", Qt::Key_F3},  {"mnuMoreNewDate", "&New Date", Qt::Key_F4},
      {"mnuHelp", "&Help", {}},
  };
  for (const Item& item : items) {
    QAction* a = action(item.name);
    ASSERT_NE(a, nullptr) << item.name;
    EXPECT_EQ(a->text().toStdString(), item.caption) << item.name;
    EXPECT_EQ(a->shortcut(), item.key) << item.name;
  }
  QMenu* more = window()->findChild<QMenu*>("mnuMore");
  ASSERT_NE(more, nullptr);
  EXPECT_FALSE(more->menuAction()->isVisible());
  EXPECT_FALSE(action("mnuMoreNewDate")->isVisible());
  EXPECT_EQ(window()->findChild<QPlainTextEdit*>("RichText1")->font().family().toStdString(),
            "COURIER NEW");
}

TEST_F(DataWindowTest, SaveAsProposesChartNameThenSaveReusesFile) {
  WritePage(150);
  std::vector<std::pair<std::string, std::string>> asked;
  const std::string target = state().AppPath + "/Christop.txt";
  SetSaveFileChooser([&](QWidget*, const std::string& folder, const std::string& name) {
    asked.emplace_back(folder, name);
    return std::optional<std::string>(folder + "/" + name);
  });
  action("mnuFileSave")->trigger();  // no file yet: Save runs Save As
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].first, state().AppPath);
  EXPECT_EQ(asked[0].second, "Christop.txt");
  EXPECT_EQ(state().flags.DataFileName, target);
  std::vector<std::string> expected = PlanDataFile(
      LinesWithSpare(state().report.DataLines, state().report.DataLineCount), 60);
  EXPECT_EQ(ReadTextLines(target).value(), expected);

  WritePage(3);
  action("mnuFileSave")->trigger();
  EXPECT_EQ(asked.size(), 1u) << "Save writes the known file without asking";
  expected = PlanDataFile(LinesWithSpare(state().report.DataLines, state().report.DataLineCount), 60);
  EXPECT_EQ(ReadTextLines(target).value(), expected);
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(DataWindowTest, SaveAsFailureWarnsAndKeepsBuffer) {
  WritePage(5);
  const std::string bad = state().AppPath + "/no/such/folder/out.txt";
  SetSaveFileChooser([&](QWidget*, const std::string&, const std::string&) {
    return std::optional<std::string>(bad);
  });
  action("mnuFileSaveAs")->trigger();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].title, "Warning!");
  EXPECT_NE(sink.shown[0].text.find(bad), std::string::npos);
  EXPECT_EQ(state().flags.DataFileName, "");
  EXPECT_EQ(state().report.DataLineCount, 6);

  // A cancelled dialog says nothing and keeps the earlier name.
  state().flags.DataFileName = "kept.txt";
  SetSaveFileChooser([](QWidget*, const std::string&, const std::string&) {
    return std::optional<std::string>();
  });
  action("mnuFileSaveAs")->trigger();
  EXPECT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(state().flags.DataFileName, "kept.txt");
}

TEST_F(DataWindowTest, ClearAllDataThenSaveAndPrintData) {
  WritePage(4);
  const QString before = viewText();
  action("mnuClearBuffer")->trigger();
  action("mnuFileSave")->trigger();
  action("mnuFileSaveAs")->trigger();
  action("mnuPrintData")->trigger();
  ASSERT_EQ(sink.shown.size(), 4u);
  EXPECT_EQ(sink.shown[0].text, "All data cleared from buffer.");
  EXPECT_EQ(sink.shown[0].title, "Information!");
  EXPECT_EQ(sink.shown[1].text, "No data to write to file.");
  EXPECT_EQ(sink.shown[1].title, "Information");
  EXPECT_EQ(sink.shown[2].text, "No data to write to file.");
  EXPECT_EQ(sink.shown[3].text, "No data to print.");
  EXPECT_EQ(sink.shown[3].title, "Information");
  EXPECT_EQ(viewText(), before) << "the old page stays on view";
}

TEST_F(DataWindowTest, FontStepsAroundTwelvePoints) {
  state().ini.FontSize = 11.5;
  WritePage(2);
  auto viewPoints = [&] {
    return window()->findChild<QPlainTextEdit*>("RichText1")->font().pointSizeF();
  };
  action("mnuFontsIncrease")->trigger();  // one step of 0.75 from just below 12
  EXPECT_DOUBLE_EQ(viewPoints(), 12.25);
  EXPECT_DOUBLE_EQ(state().ini.FontSize, 12.25);
  EXPECT_FALSE(action("mnuFontsIncrease")->isEnabled());
  EXPECT_TRUE(action("mnuFontsDecrease")->isEnabled());
  EXPECT_EQ(state().report.PageLineCount, 4) << "the refresh adds one blank line";

  window()->mnuFontsIncrease_Click();  // at 12 or more: the view stays, FontSize still grows
  EXPECT_DOUBLE_EQ(viewPoints(), 12.25);
  EXPECT_DOUBLE_EQ(state().ini.FontSize, 13.0);

  action("mnuFontsBold")->trigger();
  EXPECT_EQ(state().ini.FontBold, -1);
  EXPECT_TRUE(action("mnuFontsBold")->isChecked());
  action("mnuFontsBold")->trigger();
  EXPECT_EQ(state().ini.FontBold, 0);
  action("mnuFontsItalic")->trigger();
  EXPECT_EQ(state().ini.FontItalic, -1);
}

TEST_F(DataWindowTest, WindowSizeRecordedWithin16Bits) {
  WritePage(1);
  window()->resize(4000, 3000);
  EXPECT_EQ(state().ini.DataWidth, MaxRecordedTwips);
  EXPECT_EQ(state().ini.DataHeight, MaxRecordedTwips);
  window()->resize(640, 436);
  EXPECT_GT(state().ini.DataWidth, 0);
  EXPECT_LT(state().ini.DataWidth, MaxRecordedTwips);
}

TEST_F(DataWindowTest, EscapeAndRightClickReturnToMainWindow) {
  MainWindow main;
  main.show();
  WritePage(2);
  auto* view = window()->findChild<QPlainTextEdit*>("RichText1");
  struct Input {
    const char* what;
    std::function<void()> send;
  };
  const Input inputs[] = {
      {"Esc", [&] {
         QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
         QCoreApplication::sendEvent(view, &esc);
       }},
      {"right button released", [&] {
         const QPointF at(5, 5);
         QMouseEvent up(QEvent::MouseButtonRelease, at, view->viewport()->mapToGlobal(at),
                        Qt::RightButton, Qt::NoButton, Qt::NoModifier);
         QCoreApplication::sendEvent(view->viewport(), &up);
       }},
  };
  for (const Input& input : inputs) {
    window()->activateWindow();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), window()) << input.what;
    input.send();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &main) << input.what;
  }
}

// Pages of a PDF file written by Qt: one "/Type /Page" object per page.
int PdfPageCount(const std::string& path) {
  const std::string pdf = ReadWholeFile(path).value_or("");
  int pages = 0;
  for (size_t at = pdf.find("/Type /Page"); at != std::string::npos;
       at = pdf.find("/Type /Page", at + 1))
    if (pdf.compare(at, 12, "/Type /Pages") != 0) ++pages;
  return pages;
}

QWidget* PrintWindowOnScreen() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "PrntFile" && w->isVisible()) return w;
  return nullptr;
}

TEST_F(DataWindowTest, PrintPageThroughPrintWindowToPdf) {
  WritePage(150, 100);  // 100-character lines print at 8 points
  action("mnuPrint")->trigger();
  const auto printFile = ReadTextLines(PrintFilePath(state()));
  ASSERT_TRUE(printFile);
  EXPECT_EQ(printFile->size(), 152u) << "150 lines, ShowReport's blank, the spare entry";
  QWidget* print = PrintWindowOnScreen();
  ASSERT_NE(print, nullptr);
  EXPECT_EQ(print->windowTitle().toStdString(), "Data To Be Printed");
  EXPECT_EQ(state().report.PrintWidthMode, 2);

  const std::string pdf = state().AppPath + "/printed.pdf";
  SetPrintToPdfFile(pdf);
  print->findChild<QPushButton*>("btnPrint")->click();
  // The rewritten file has one more empty line: 153 lines at 60 a page.
  EXPECT_EQ(ReadTextLines(PrintFilePath(state()))->size(), 153u);
  EXPECT_EQ(PdfPageCount(pdf), 3);
  EXPECT_EQ(PrintWindowOnScreen(), nullptr) << "the window closes after printing";
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(DataWindowTest, NoPrinterWarnsAndWindowStays) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  WritePage(3);
  action("mnuPrint")->trigger();
  QWidget* print = PrintWindowOnScreen();
  ASSERT_NE(print, nullptr);
  print->findChild<QPushButton*>("btnPrint")->click();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].title, "Warning!");
  EXPECT_EQ(PrintWindowOnScreen(), print);
  print->findChild<QPushButton*>("btnCancel")->click();
  EXPECT_EQ(PrintWindowOnScreen(), nullptr);
}

// Answers the new-date window once it is shown: OK with the given boxes, or
// the close control when `month` is empty.
void AnswerNewDate(QString month, QString day, QString year) {
  QTimer::singleShot(0, [=] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->objectName() != "NewDate" || !w->isVisible()) continue;
      if (month.isEmpty()) {
        w->close();
        return;
      }
      w->findChild<QLineEdit*>("txtMonth")->setText(month);
      w->findChild<QLineEdit*>("txtDay")->setText(day);
      w->findChild<QLineEdit*>("txtYear")->setText(year);
      w->findChild<QPushButton*>("cmdOK")->click();
      return;
    }
  });
}

TEST_F(DataWindowTest, MoreMenuMovesTheDatedListing) {
  // A stand-in listing: one line naming the day, then the day after.
  SetTransitListingWriter([](AppState& s) {
    ShowListingMoreMenu(s);
    s.report.OutLine = "day " + std::to_string(static_cast<long>(s.flags.ListingDate));
    WriteOutLine(s);
    s.flags.ListingDate += 1;
  });
  state().flags.ListingDate = 2451545;
  StartNewPage(state());
  CurrentTransitListingWriter()(state());
  ShowReport(state());
  EXPECT_TRUE(window()->findChild<QMenu*>("mnuMore")->menuAction()->isVisible());
  EXPECT_TRUE(action("mnuMoreNewDate")->isVisible());

  auto shownDay = [&] { return lastPage().front(); };
  EXPECT_EQ(shownDay(), "day 2451545");
  action("mnuMoreZForward")->trigger();
  EXPECT_EQ(shownDay(), "day 2451546");
  action("mnuMoreBackward")->trigger();
  EXPECT_EQ(shownDay(), "day 2451545");
  action("mnuMoreZForward")->trigger();
  EXPECT_EQ(shownDay(), "day 2451546");

  AnswerNewDate("", "", "");  // closed without OK: the next day, as Forward
  window()->mnuMoreNewDate_Click();
  EXPECT_EQ(shownDay(), "day 2451547");
  AnswerNewDate("2", "30", "2003");  // 30 February counts on to 2 March 2003
  window()->mnuMoreNewDate_Click();
  EXPECT_EQ(shownDay(), "day 2452701");

  // Any other report takes the More menu away.
  WritePage(1);
  EXPECT_FALSE(window()->findChild<QMenu*>("mnuMore")->menuAction()->isVisible());
  EXPECT_EQ(state().flags.ListingActive, 0);
  action("mnuMoreZForward")->trigger();
  EXPECT_EQ(lastPage().front(), "xxxxxxxxx1") << "Forward does nothing without a listing";
}

}  // namespace
}  // namespace halcyra
