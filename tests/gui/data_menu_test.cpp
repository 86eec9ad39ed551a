// The main window's Data menu: the menu tree, hidden until the first chart,
// each report item writing the report tests' golden page of their fixture
// chart (the horary items and Mansions that of the horary tests' computed
// chart) to the Data window, and the second-person box steering F6 and F7.
#include <QCheckBox>
#include <QMenu>
#include <tuple>

#include "app/main_menus.h"
#include "gui_test_support.h"
#include "horary/horary_reports_fixture.h"
#include "reports/data_menu_commands.h"
#include "reports/golden_page.h"
#include "reports/report_fixture.h"
#include "reports/table_of_houses.h"
#include "reports/ui/data_menu.h"
#include "shell/ui/text_page_view.h"

namespace halcyra {
namespace {

class DataMenuTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    AppState& s = App();
    s.AppPath = testing::ScratchProgramFolder("data_menu", {".HLP"});
    ClearReportBuffers(s);
    testing::FillFixtureChart(s);
    InstallDataWindowDisplay(s);
    window_ = BuildMainWindow();  // the reset deletes it: closing would run the exit sequence
  }

  QAction* item(const char* name) { return window_->dataMenu->findChild<QAction*>(name); }
  // The golden page of the report tests as ShowReport leaves it in the
  // last-page file: its lines, the blank line of ShowReport, the spare entry.
  static std::vector<std::string> shownGolden(const std::string& name) {
    auto lines = ReadTextLines(std::string(HALCYRA_TEST_DATA) + "/reports/" + name + ".txt")
                     .value_or(std::vector<std::string>{"<no golden page>"});
    lines.insert(lines.end(), {"", ""});
    return lines;
  }

  MainWindow* window_ = nullptr;
};

TEST_F(DataMenuTest, MenuTreeHiddenAndInertUntilTheFirstChart) {
  QMenu* menu = window_->dataMenu;
  EXPECT_EQ(menu->objectName() + " " + menu->title(), "mnuData &Data");
  // in display order, one item a line: name|caption|shortcut, "---" for a separator
  std::vector<std::string> items;
  for (QAction* a : menu->actions())
    items.push_back((a->objectName() + "|" + (a->isSeparator() ? "---" : a->text()) + "|" +
                     a->shortcut().toString()).toStdString());
  EXPECT_EQ(items, ReadTextLines(std::string(HALCYRA_TEST_DATA) + "/gui/data_menu.txt").value());

  EXPECT_FALSE(menu->menuAction()->isVisible());
  StartNewPage(App());
  item("mnuDataNatalData")->trigger();
  EXPECT_EQ(App().report.PageLineCount, 0);
  ShowChartMenus(*window_);
  EXPECT_TRUE(menu->menuAction()->isVisible());
}

TEST_F(DataMenuTest, ReportItemsShowTheirPages) {
  ShowChartMenus(*window_);
  const std::pair<const char*, const char*> items[] = {
      {"mnuDataSummary", "data_summary"},
      {"mnuDataNatalData", "natal_data"},
      {"mnuDataNatalAspects", "natal_aspects"},
      {"mnuDataTransitData", "transit_data"},
      {"mnuDataTransitsAspectstoNatal", "aspects_to_natal"},
      {"mnuDataTransitAspectsToTransits", "aspects_to_transits"},
      {"mnuDataFixedStars", "fixed_stars"},
  };
  for (const auto& [name, golden] : items) {
    item(name)->trigger();
    EXPECT_EQ(testing::LastPageLines(), shownGolden(golden)) << name;
    ASSERT_NE(CurrentDataWindow(), nullptr);
    EXPECT_TRUE(CurrentDataWindow()->isVisible()) << name;
  }
  EXPECT_EQ(App().chart.ChartKind, 0);
}

// A box of the Table of Houses that holds no count is refused with a word
// and asked again with the typed text to mend; Cancel ends the command.
TEST_F(DataMenuTest, TableOfHousesAsksAgainUntilACount) {
  ShowChartMenus(*window_);
  testing::RecordingSink sink;
  sink.inputAnswers = {"abc", "0", "30", "2", "1.5", ""};
  item("mnuDataListTransits")->trigger();
  EXPECT_EQ(sink.asked, (std::vector<std::string>{"Minutes between rows:", "Minutes between rows:",
                                                  "Minutes between rows:", "Number of rows:"}));
  EXPECT_EQ(sink.Boxes(), std::vector<std::string>(2, std::string("Warning!: ") + CountRefusedText));
  const std::vector<std::string> page = testing::LastPageLines();
  ASSERT_GT(page.size(), 2u);
  EXPECT_EQ(page[1], "               Table of Houses");
  EXPECT_EQ(page.size(), 7u + 2u + 2u) << "seven heading lines, two rows, the blank of the page's end, its spare entry";

  // a refused answer, then Cancel: nothing is listed
  sink.shown.clear();
  const size_t pageLines = App().report.PageLineCount;
  item("mnuDataListTransits")->trigger();
  EXPECT_EQ(sink.Boxes(), std::vector<std::string>(1, std::string("Warning!: ") + CountRefusedText));
  EXPECT_EQ(App().report.PageLineCount, pageLines);
}

TEST_F(DataMenuTest, HoraryItemsShowTheirPagesTheAspectListOneEntryALine) {
  const std::string folder = App().AppPath;
  testing::ComputeHoraryGoldenChart(App());
  App().AppPath = folder;
  ShowChartMenus(*window_);
  const std::tuple<const char*, const char*, const char*> items[] = {
      {"mnuHoraryAspects", "horary_aspects", "horary"},
      {"mnuHoraryAlmutens", "almutens_dispositors_antiscia", "horary"},
      {"mnuHoraryDecansDwads", "decans_dwads", "horary"},
      {"mnuHoraryOtherDegrees", "degree_qualities", "horary"},
      {"mnuDataNatalMore", "natal_emphasis", "horary"},
      {"mnuMansions", "mansions_page", "mansions"},
      {"mnuHoraryArabianParts", "arabian_parts", "horary"},
  };
  for (const auto& [name, golden, folder] : items) {
    ASSERT_TRUE(item(name)->isEnabled()) << name;
    item(name)->trigger();
    auto expected = ReadTextLines(testing::GoldenPath(golden, folder)).value_or(std::vector<std::string>{"<none>"});
    expected.insert(expected.end(), {"", ""});
    EXPECT_EQ(testing::LastPageLines(), expected) << name;
  }
  // The Arabian parts' aspect list is one buffer entry; the Data window
  // shows it as the last-page file does, one aspect a line.
  const auto* view = CurrentDataWindow()->findChild<TextPageView*>("RichText1");
  ASSERT_NE(view, nullptr);
  std::vector<std::string> shown;
  for (const QString& line : view->toPlainText().split('\n')) shown.push_back(line.toStdString());
  auto lastPage = testing::LastPageLines();
  lastPage.emplace_back();  // the line end after the file's last line
  EXPECT_EQ(shown, lastPage);
}

TEST_F(DataMenuTest, SecondPersonBoxSteersF6F7AndTheF7Caption) {
  ShowChartMenus(*window_);
  App().chart.TransitChartName = "Fixture Partner";
  QCheckBox secondPerson("Fixture Partner");
  secondPerson.setObjectName("chk2ndPerson");
  secondPerson.setChecked(true);
  RefreshDataMenu();
  EXPECT_EQ(item("mnuDataTransitAspectsToTransits")->text().toStdString(), "Natal A&spects");
  item("mnuDataTransitsAspectstoNatal")->trigger();
  EXPECT_EQ(testing::LastPageLines(), shownGolden("aspects_to_natal_second_person"));
  item("mnuDataTransitAspectsToTransits")->trigger();
  EXPECT_EQ(testing::LastPageLines(), shownGolden("aspects_to_transits_second_person"));
  SetTransitAspectsToTransitsCaption(false);
  EXPECT_EQ(item("mnuDataTransitAspectsToTransits")->text().toStdString(), "A&spects to Transits");
}

}  // namespace
}  // namespace halcyra
