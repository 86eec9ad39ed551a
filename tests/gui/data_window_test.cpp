// The Data window: help pages, Save and Save As, clearing and printing to
// PDF, read back from LASTPAGE.TXT, the saved files and the buffers.
#include <QDir>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <string_view>

#include "gui_test_support.h"
#include "shell/data_file.h"
#include "shell/ui/print_window.h"
#include "shell/ui/text_page_view.h"
#include "support/allocation_faults.h"

namespace halcyra {
namespace {

class DataWindowTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    AppState& s = App();
    s.AppPath = testing::ScratchProgramFolder("data_window", {".HLP"});
    ClearReportBuffers(s);
    s.flags.ReportHeading = "Halcyra (Tropical zodiac) - ";
    s.chart.ChartName = "Christopher Columbus";
    auto& v = s.options.OptionValues;
    v[30] = v[45] = 60, v[117] = 80, v[118] = 96;
    InstallDataWindowDisplay(App());
  }

  // A page of `lines` lines of `width` characters, the last naming its number.
  static void WritePage(int lines, size_t width = 10) {
    StartNewPage(App());
    for (int i = 1; i <= lines; ++i) {
      App().report.OutLine = std::string(width - 1, 'x') + std::to_string(i % 10);
      WriteOutLine(App());
    }
    ShowReport(App());
  }
  static QAction* Item(const char* name) { return CurrentDataWindow()->findChild<QAction*>(name); }
  static TextPageView* View() { return CurrentDataWindow()->findChild<TextPageView*>("RichText1"); }
  static std::vector<std::string> SavedBuffer() {
    return PlanDataFile(LinesWithSpare(App().report.DataLines, App().report.DataLineCount), 60);
  }
  static QWidget* PrintWindowOnScreen() {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "PrntFile" && w->isVisible()) return w;
    return nullptr;
  }

  testing::RecordingSink sink;
};

TEST_F(DataWindowTest, HelpMenuShowsEveryHelpFile) {
  const std::pair<const char*, const char*> items[] = {
      {"mnuHelpOrvane", "Orvane.HLP"},     {"mnuHelpInputD", "INPUTD.HLP"},   {"mnuHelpInputD1", "INPUTD1.HLP"},
      {"mnuHelpNames", "NAMES.HLP"},       {"mnuHelpCities", "GEOGRAPH.HLP"}, {"mnuHelpOptions", "OPTIONS.HLP"},
      {"mnuHelpOutputD1", "OUTPUTD1.HLP"}, {"mnuHelpWheels", "WHEELS.HLP"},   {"mnuHelpNameedit", "NAMEEDIT.HLP"},
      {"mnuHelpLongLat", "LONGLAT.HLP"},   {"mnuHelpSelect", "SELECT.HLP"},   {"mnuHelpPrntfile", "PRNTFILE.HLP"},
      {"mnuHintsHow", "HOW_DO_I.HLP"},     {"mnuHintsTips", "TIPS.HLP"},      {"mnuShortcutKeys", "SHORTCUT.HLP"},
      {"mnuHelpRevisions", "REVISION.HLP"},
  };
  MainWindow main;
  BuildHelpMenu(main);
  for (const auto& [name, file] : items) {
    // Every help text has CR LF line ends and fits the window: printable ASCII, 78 columns.
    const std::string path = testing::SourceAppData() + "/" + file;
    ASSERT_NE(ReadWholeFile(path).value_or("").find("\r\n"), std::string::npos) << file;
    std::vector<std::string> expected = ReadTextLines(path).value();
    for (const std::string& line : expected)
      EXPECT_TRUE(line.size() <= 78 && std::ranges::all_of(line, [](unsigned char c) { return c >= 32 && c < 127; }))
          << file << ": " << line;
    main.findChild<QAction*>(name)->trigger();
    ASSERT_NE(CurrentDataWindow(), nullptr) << name;
    EXPECT_TRUE(CurrentDataWindow()->isVisible()) << name;
    // The help lines, the blank closing the text, ShowReport's blank, the spare entry.
    expected.insert(expected.end(), {"", "", ""});
    EXPECT_EQ(testing::LastPageLines(), expected) << file;
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(DataWindowTest, SaveAsProposesTheChartNameThenSaveReusesTheFile) {
  WritePage(150);
  std::vector<std::pair<std::string, std::string>> asked;
  App().services.ChooseSaveFile = [&](const std::string& folder, const std::string& name) {
    asked.emplace_back(folder, name);
    return std::optional<std::string>(folder + "/" + name);
  };
  Item("mnuFileSave")->trigger();  // no file yet: Save runs Save As
  const std::string target = App().AppPath + "/Christop.txt";
  EXPECT_EQ(asked, (std::vector<std::pair<std::string, std::string>>{{App().AppPath, "Christop.txt"}}));
  EXPECT_EQ(App().flags.DataFileName, target);
  EXPECT_EQ(ReadTextLines(target).value(), SavedBuffer());

  WritePage(3);
  Item("mnuFileSave")->trigger();
  EXPECT_EQ(asked.size(), 1u) << "Save writes the known file without asking";
  EXPECT_EQ(ReadTextLines(target).value(), SavedBuffer());

  // A long page is written where it lies: no copy of it (2 MB) can be had.
  WritePage(100000);
  {
    const testing::FailingAllocations noCopy({.bytes = 2 << 20});
    Item("mnuFileSave")->trigger();
  }
  EXPECT_EQ(ReadTextLines(target).value(), SavedBuffer());
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(DataWindowTest, AFailedOrCancelledSaveAsKeepsTheBuffer) {
  WritePage(5);
  const std::string bad = App().AppPath + "/no/such/folder/out.txt";
  App().services.ChooseSaveFile = [&](const std::string&, const std::string&) { return std::optional(bad); };
  Item("mnuFileSaveAs")->trigger();
  EXPECT_EQ(sink.Boxes(),
            std::vector<std::string>{"Warning!: Cannot write the file " + bad +
                                     ": No such file or directory. The data stays in the buffer."});
  EXPECT_EQ(std::pair(App().flags.DataFileName, App().report.DataLineCount), std::pair(std::string(), 6L));

  // A cancelled dialog says nothing and keeps the earlier name.
  App().flags.DataFileName = "kept.txt";
  App().services.ChooseSaveFile = [](const std::string&, const std::string&) { return std::optional<std::string>(); };
  Item("mnuFileSaveAs")->trigger();
  EXPECT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(App().flags.DataFileName, "kept.txt");
}

TEST_F(DataWindowTest, ClearAllDataThenSaveAndPrintDataHaveNothing) {
  WritePage(4);
  const QString before = View()->toPlainText();
  for (const char* name : {"mnuClearBuffer", "mnuFileSave", "mnuFileSaveAs", "mnuPrintData"}) Item(name)->trigger();
  EXPECT_EQ(sink.Boxes(), (std::vector<std::string>{
                              "Information!: All data cleared from buffer.", "Information: No data to write to file.",
                              "Information: No data to write to file.", "Information: No data to print."}));
  EXPECT_EQ(View()->toPlainText(), before) << "the old page stays on view";
}

TEST_F(DataWindowTest, PrintPageThroughThePrintWindowToPdf) {
  WritePage(150, 100);  // 100-character lines print at 8 points
  Item("mnuPrint")->trigger();
  EXPECT_EQ(ReadTextLines(PrintFilePath(App())).value().size(), 152u) << "150 lines, ShowReport's blank, the spare";
  QWidget* print = PrintWindowOnScreen();
  ASSERT_NE(print, nullptr);
  EXPECT_EQ(App().report.PrintWidthMode, 2);
  // Without a printer Print asks for a PDF file; cancelled, it prints and says nothing, and the window stays.
  App().services.PrinterInstalled = [] { return false; };
  App().services.ChooseSaveFile = [](const std::string&, const std::string&) { return std::optional<std::string>(); };
  print->findChild<QPushButton*>("btnPrint")->click();
  EXPECT_EQ(PrintWindowOnScreen(), print);
  EXPECT_EQ(ReadTextLines(PrintFilePath(App())).value().size(), 152u) << "the print file as the Data window wrote it";
  const std::string pdf = App().AppPath + "/printed.pdf";
  App().services.PrintToPdfFile = pdf;
  print->findChild<QPushButton*>("btnPrint")->click();
  // The rewritten file has one more empty line: 153 lines at 60 a page.
  EXPECT_EQ(ReadTextLines(PrintFilePath(App())).value().size(), 153u);
  const std::string bytes = ReadWholeFile(pdf).value_or("");
  int pages = 0;  // one "/Type /Page" object per page, besides "/Type /Pages"
  for (size_t at = bytes.find("/Type /Page"); at != std::string::npos; at = bytes.find("/Type /Page", at + 1))
    pages += bytes.compare(at, 12, "/Type /Pages") != 0;
  EXPECT_EQ(pages, 3);
  EXPECT_EQ(PrintWindowOnScreen(), nullptr) << "the window closes after printing";
  EXPECT_TRUE(sink.shown.empty());
}

// Without a printer, Print page and Print data write a PDF file the user
// chooses (the chart's name proposed in the program folder) and say where
// it went; a PDF file that cannot be written says so and leaves the window
// open.
TEST_F(DataWindowTest, WithoutAPrinterThePrintsGoToAChosenPdfFile) {
  App().services.PrinterInstalled = [] { return false; };
  std::vector<std::string> proposed;
  std::string chosen;
  App().services.ChooseSaveFile = [&](const std::string& folder, const std::string& name) {
    proposed.push_back(folder + "/" + name);
    return std::optional(chosen);
  };
  for (const char* line : {"a line of the first page", "a line of the second page"}) {
    StartNewPage(App());
    WriteLine(App(), line);
    ShowReport(App());
  }
  const struct { const char* item; const char* file; bool first, second; } prints[] = {
      {"mnuPrint", "page.pdf", false, true},
      {"mnuPrintData", "data.pdf", true, true},
  };
  for (const auto& p : prints) {
    chosen = App().AppPath + "/" + p.file;
    Item(p.item)->trigger();
    PrintWindowOnScreen()->findChild<QPushButton*>("btnPrint")->click();
    EXPECT_EQ(sink.Boxes(), std::vector<std::string>{"Information: No printer is installed. The page was written to the "
                                                     "PDF file " + chosen + "."}) << p.item;
    const std::string text = testing::PdfText(chosen);
    EXPECT_EQ(text.find("a line of the first page") != std::string::npos, p.first) << p.item << ": " << text;
    EXPECT_EQ(text.find("a line of the second page") != std::string::npos, p.second) << p.item << ": " << text;
    EXPECT_EQ(PrintWindowOnScreen(), nullptr) << p.item;
    sink.shown.clear();
  }
  EXPECT_EQ(proposed, std::vector<std::string>(2, App().AppPath + "/Christop.pdf"));

  chosen = App().AppPath + "/no/such/folder/page.pdf";
  Item("mnuPrint")->trigger();
  PrintWindowOnScreen()->findChild<QPushButton*>("btnPrint")->click();
  EXPECT_EQ(sink.Boxes(), std::vector<std::string>{"Warning!: Cannot write the PDF file " + chosen +
                                                   ": No such file or directory. Nothing was printed."});
  EXPECT_NE(PrintWindowOnScreen(), nullptr);
}

// No line is lost on paper: a page of more lines than the sheet holds breaks
// early, and lines wider than the sheet print in a smaller font. Each line
// carries its number at both ends, so a line cut at the bottom or at the
// right is missed. The PDF keeps the sheet the printer was set to.
TEST_F(DataWindowTest, EveryPrintedLineIsOnTheSheetOnLetterAndA4) {
  const struct { const char* paper; float option30; int lines; size_t width; const char* why; } cases[] = {
      {"Letter", 60, 150, 70, "60 lines at 12 points are more than a Letter sheet holds"},
      {"A4", 60, 150, 70, "60 lines at 12 points on A4"},
      {"Letter", 0, 130, 90, "no page limit, 10 points"},
      {"A4", 0, 100, 150, "150 columns are wider than the sheet even at 8 points"},
  };
  for (const auto& c : cases) {
    App().options.OptionValues[30] = c.option30;
    StartNewPage(App());
    std::vector<std::string> written;
    for (int i = 1; i <= c.lines; ++i) {
      const std::string number = std::to_string(10000 + i).substr(1);
      const std::string line = "L" + number + std::string(c.width - 10, '-') + "E" + number;
      App().report.OutLine = line;
      WriteOutLine(App());
      written.push_back(line);
    }
    ShowReport(App());
    Item("mnuPrint")->trigger();
    QWidget* print = PrintWindowOnScreen();
    ASSERT_NE(print, nullptr) << c.why;
    const std::string pdf = App().AppPath + "/sheet.pdf";
    std::remove(pdf.c_str());
    App().services.PrintToPdfFile = pdf;
    App().services.PrintToPdfPaper = c.paper;
    print->findChild<QPushButton*>("btnPrint")->click();
    EXPECT_EQ(testing::PdfPageSize(pdf),
              std::string_view(c.paper) == "Letter" ? "612 x 792 pts (letter)" : "595 x 842 pts (A4)")
        << c.why;
    const std::string text = testing::PdfText(pdf);
    int missing = 0;
    for (const std::string& line : written) {
      const std::string number = line.substr(1, 4);
      if (text.find("L" + number) == std::string::npos || text.find("E" + number) == std::string::npos) {
        if (++missing <= 3) ADD_FAILURE() << c.why << ": line " << number << " is not on paper";
      }
    }
    EXPECT_EQ(missing, 0) << c.why;
  }
  EXPECT_TRUE(sink.shown.empty());
}

// A print file of 1.2 MB that finds no memory once written: the window
// stays empty and says that nothing can be printed.
TEST_F(DataWindowTest, APrintFileWithoutMemoryLeavesThePrintWindowEmpty) {
  WritePage(100000);
  {
    const testing::FailingAllocations noMemory({.skip = 1});  // the file's writing gets its memory
    Item("mnuPrint")->trigger();
  }
  EXPECT_EQ(sink.Boxes(), std::vector<std::string>{"Warning!: " + PrintFileOutOfMemoryText(PrintFilePath(App()))});
  ASSERT_NE(PrintWindowOnScreen(), nullptr);
  EXPECT_TRUE(PrintWindowOnScreen()->findChild<TextPageView*>()->toPlainText().isEmpty());
}

TEST_F(DataWindowTest, APrintFileThatCannotBeWrittenIsReportedAndTheTextStillPrints) {
  WritePage(5);
  Item("mnuPrint")->trigger();
  QWidget* print = PrintWindowOnScreen();
  ASSERT_NE(print, nullptr);
  // A folder in the print file's place cannot be replaced by a file.
  const std::string path = PrintFilePath(App());
  std::remove(path.c_str());
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(path)));
  const std::string pdf = App().AppPath + "/unwritten.pdf";
  App().services.PrintToPdfFile = pdf;
  print->findChild<QPushButton*>("btnPrint")->click();
  EXPECT_EQ(sink.Boxes(), std::vector<std::string>{"Warning!: Cannot write the file " + path +
                                                   ": not a file but a folder. The text is printed as it stands "
                                                   "in the window."});
  EXPECT_NE(testing::PdfText(pdf).find("xxxxxxxxx5"), std::string::npos);
  QDir(QString::fromStdString(path)).removeRecursively();
}

}  // namespace
}  // namespace halcyra
