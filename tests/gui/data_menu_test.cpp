// The main window's Data menu under the offscreen platform: the menu tree,
// hidden until the first chart, each report item writing its golden page to
// the Data window and LASTPAGE.TXT, and the second-person box's effect on F6
// and F7. Pages are those of the report tests' fixture chart.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <memory>

#include "gui_test_support.h"
#include "platform/text_files.h"
#include "reports/data_menu_commands.h"
#include "reports/ui/data_menu.h"
#include "shell/report_output.h"
#include "shell/ui/data_window.h"
#include "shell/ui/main_window.h"

// The report tests' fixture chart, compiled into this program as well.
#include "reports/report_fixture.cpp"

namespace halcyra {
namespace {

// The Data menu in display order: name, caption ("" for a separator), shortcut.
const char* const kDataMenu[][3] = {
    {"mnuDataSummary", "Summary of data", "Ctrl+F12"},
    {"mnuSplit397", "", ""},
    {"mnuDataNatalData", "&Natal Data", "F2"},
    {"mnuDataNatalAspects", "Natal &Aspects", "F3"},
    {"mnuDataNatalMore", "Mo&re Natal Data", "F4"},
    {"mnuSplit117", "", ""},
    {"mnuDataTransitData", "&Transit Data", "F5"},
    {"mnuDataTransitsAspectstoNatal", "Aspects to Nata&l", "F6"},
    {"mnuDataTransitAspectsToTransits", "A&spects to Transits", "F7"},
    {"mnuSplit330", "", ""},
    {"mnuDataTransits", "Transits by the &Minute", "Ctrl+F2"},
    {"mnuSplit331", "", ""},
    {"mnuDataTransitInterpretations", "Transit &Interpretations", "Ctrl+F1"},
    {"mnuDataListTransits", "Tabl&e of Houses", "Ctrl+F5"},
    {"mnuSplit45", "", ""},
    {"mnuHoraryBasics", "Horary &Basics", "Ctrl+F6"},
    {"mnuHoraryAspects", "&Horary Aspects", "Shift+F7"},
    {"mnuHoraryAlmutens", "Horary Almutens, &Dispositors, Antiscions", "Ctrl+F7"},
    {"mnuHoraryDecansDwads", "Horary Decans and D&wads", "Shift+F12"},
    {"mnuHoraryOtherDegrees", "Horary &Other Degrees", "Ctrl+F8"},
    {"mnuHoraryArabianParts", "Arabian &Parts", "Ctrl+F9"},
    {"mnuDataFixedStars", "&Fixed Stars", "Ctrl+F11"},
    {"mnuSplit616", "", ""},
    {"mnuMansions", "Mansions", "Ctrl+M"},
};

class DataMenuTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    AppState& s = App();
    s.AppPath = testing::ScratchProgramFolder("data_menu", {});
    ClearReportBuffers(s);
    testing::FillFixtureChart(s);
    InstallDataWindowDisplay();
    window_ = std::make_unique<MainWindow>();
    window_->setAttribute(Qt::WA_DeleteOnClose, false);
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

  std::unique_ptr<MainWindow> window_;
};

TEST_F(DataMenuTest, MenuTreeHiddenAndInertUntilTheFirstChart) {
  QMenu* menu = window_->dataMenu;
  EXPECT_EQ(menu->objectName(), "mnuData");
  EXPECT_EQ(menu->title(), "&Data");
  const QList<QAction*> actions = menu->actions();
  ASSERT_EQ(actions.size(), static_cast<qsizetype>(std::size(kDataMenu)));
  for (qsizetype i = 0; i < actions.size(); ++i) {
    const auto& [name, caption, shortcut] = kDataMenu[i];
    EXPECT_EQ(actions[i]->objectName().toStdString(), name) << "position " << i;
    EXPECT_EQ(actions[i]->isSeparator(), *caption == '\0') << name;
    if (actions[i]->isSeparator()) continue;
    EXPECT_EQ(actions[i]->text().toStdString(), caption) << name;
    EXPECT_EQ(actions[i]->shortcut().toString().toStdString(), shortcut) << name;
  }
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

TEST_F(DataMenuTest, ItemsAwaitingTheirSectionsStayDisabled) {
  ShowChartMenus(*window_);
  for (const char* name : {"mnuDataNatalMore", "mnuDataTransits", "mnuDataTransitInterpretations",
                           "mnuDataListTransits", "mnuHoraryBasics", "mnuHoraryAspects", "mnuHoraryAlmutens",
                           "mnuHoraryDecansDwads", "mnuHoraryOtherDegrees", "mnuHoraryArabianParts", "mnuMansions"})
    EXPECT_FALSE(item(name)->isEnabled()) << name;
  PendingSections().WriteArabianParts = [](AppState& s) {
    s.report.OutLine = "  parts";
    WriteOutLine(s);
  };
  RefreshDataMenu();
  ASSERT_TRUE(item("mnuHoraryArabianParts")->isEnabled());
  item("mnuHoraryArabianParts")->trigger();
  const auto page = testing::LastPageLines();
  ASSERT_GE(page.size(), 4u);
  EXPECT_EQ(page[1], "  Fixture Natal");
  EXPECT_EQ(page[3], "  parts");
}

}  // namespace
}  // namespace halcyra
