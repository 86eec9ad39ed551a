// The VoruvEdud strip and the Keywords browser through their named controls,
// offscreen, on the report tests' fixture chart. Screenshots of both are
// left in screenshots/ below the test's working folder for people to look at.
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPointer>
#include <QTableWidget>

#include "gui_test_support.h"
#include "platform/gui/glyph_font.h"
#include "platform/gui/twips.h"
#include "reports/report_fixture.h"
#include "reports/ui/planetary_hours_window.h"
#include "shell/settings_files.h"
#include "wheels/keywords.h"
#include "wheels/ui/keywords_window.h"
#include "wheels/ui/voruv_edud_window.h"

namespace halcyra {
namespace {

namespace fs = std::filesystem;

std::vector<QWidget*> TopLevelsNamed(const QString& name) {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  std::vector<QWidget*> found;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->objectName() == name) found.push_back(widget);
  return found;
}

void SaveScreenshot(QWidget& window, const std::string& file) {
  fs::create_directories("screenshots");
  EXPECT_TRUE(window.grab().save(QString::fromStdString("screenshots/" + file))) << file;
}

// The shipped options and glyph font, the fixture chart as the natal chart.
class StripTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    AppState& s = App();
    s.AppPath = testing::ScratchProgramFolder("strip", {".OPT", ".ttf"});
    LoadOptionsFile(s);
    ASSERT_TRUE(InstallGlyphFont(s.AppPath + "/Orvane.ttf"));
    testing::FillFixtureChart(s);
    s.input.NatalDateText = "3/14/1990";
    s.input.NatalAmPmCaption = "P.M.";
  }
  // The strip's height counts the window's frame.
  static int NeededHeight(const VoruvEdudWindow& window) {
    return PixelsFromTwipsY(window.CurrentLayout().height) - (window.frameGeometry().height() - window.height());
  }
};

TEST_F(StripTest, OpensWithTheHeightItsRowsNeedAndOpeningAgainReplacesIt) {
  VoruvEdudWindow* window = ShowVoruvEdud(App());
  ASSERT_TRUE(window && window->isVisible());
  EXPECT_EQ(window->height(), NeededHeight(*window));
  EXPECT_EQ(std::tuple(App().ini.AstrLineLeft, App().ini.AstrLineTop, App().ini.AstrLineWidth),
            std::tuple(0.0, 680.0, 9600.0)) << "opening records nothing new";

  // The command again replaces the window.
  QPointer<VoruvEdudWindow> first = window;
  VoruvEdudWindow* second = ShowVoruvEdud(App());
  EXPECT_EQ(TopLevelsNamed("AstrLine"), std::vector<QWidget*>{second});
  EXPECT_TRUE(first.isNull());
}

TEST_F(StripTest, AChartComputedWhileOpenGetsItsHeightAfterThePaint) {
  VoruvEdudWindow* window = ShowVoruvEdud(App());
  const int spread = window->height();
  // A chart whose thirteen points share one degree needs thirteen rows.
  App().chart.Natal.Long.fill(200);
  window->grab();  // paints with the old height
  EXPECT_EQ(window->height(), spread);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->CurrentLayout().rows[13], 13);
  EXPECT_EQ(window->height(), NeededHeight(*window));
  EXPECT_GT(window->height(), spread);
}

TEST_F(StripTest, TheStripShowsTheNatalHousesAndMotionWhateverTheWorkingSetHolds) {
  VoruvEdudWindow* window = ShowVoruvEdud(App());
  const StripLayout natal = window->CurrentLayout();
  // A later report leaves another chart in the working set.
  ChartSet& work = App().chart.Working;
  for (int entry = 1; entry <= 12; ++entry) work.Cusp[entry] = 30.0 * entry;
  work.RetroFlags.assign(NumPoints, 'R');
  const StripLayout after = window->CurrentLayout();
  ASSERT_EQ(after.marks.size(), natal.marks.size());
  for (size_t k = 0; k < natal.marks.size(); ++k) {
    const auto* a = std::get_if<StripText>(&natal.marks[k]);
    const auto* b = std::get_if<StripText>(&after.marks[k]);
    if (!a || !b) continue;
    EXPECT_EQ(std::tuple(a->text, a->glyph, a->left, a->top, a->colour),
              std::tuple(b->text, b->glyph, b->left, b->top, b->colour)) << k;
  }
  SaveScreenshot(*window, "voruv_edud.png");
}

class KeywordsTest : public testing::GuiTest {
 protected:
  testing::RecordingSink messages;
};

TEST_F(KeywordsTest, ACellShowsItsTopicTitledWithTheCellAndEmptyCellsNothing) {
  KeywordsWindow* window = ShowKeywords();
  ASSERT_TRUE(window && window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Keywords");
  EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(), "NOTE: Click on a topic for information");
  EXPECT_EQ(window->findChild<QLabel*>("Label2")->text(),
            "    Planet          Sign             House         Quality");
  auto* grid = window->findChild<QTableWidget*>("grdOutput");
  ASSERT_EQ(std::tuple(grid->rowCount(), grid->columnCount()), std::tuple(12, 4));

  for (int row = 0; row < 12; ++row)
    for (int column = 0; column < 4; ++column) {
      messages.shown.clear();
      const std::string cell = grid->item(row, column)->text().toStdString();
      EXPECT_EQ(cell, KeywordGrid[row][column]);
      const std::string before = window->KeywordText();
      emit grid->cellClicked(row, column);
      if (cell.empty()) {
        EXPECT_TRUE(messages.shown.empty()) << row << "," << column;
        EXPECT_EQ(window->KeywordText(), before) << "an empty cell keeps the last text";
        continue;
      }
      ASSERT_EQ(messages.shown.size(), 1u) << cell;
      const testing::ShownMessage& box = messages.shown[0];
      EXPECT_EQ(std::tuple(box.title, box.text, box.icon),
                std::tuple(cell, KeywordText(cell).value(), MessageIcon::Information));
    }
  // the card's faces, or installed ones that keep the grid's fixed pitch
  EXPECT_TRUE(QFontInfo(grid->font()).fixedPitch());
  EXPECT_TRUE(QFontDatabase::families().contains(QFontInfo(window->findChild<QLabel*>("Label2")->font()).family()));
  SaveScreenshot(*window, "keywords.png");
}

TEST_F(KeywordsTest, OpeningAgainReplacesTheWindowAndThePlanetaryHoursQuitClosesIt) {
  QPointer<KeywordsWindow> first = ShowKeywords();
  KeywordsWindow* second = ShowKeywords();
  EXPECT_EQ(TopLevelsNamed("Keywords"), std::vector<QWidget*>{second});
  EXPECT_TRUE(first.isNull());
  auto* hours = new PlanetaryHoursWindow(App(), PlanetaryHoursOf(14, 3, 1990, 6.0, 18.0));
  hours->show();
  hours->findChild<QPushButton*>("cmdQuit")->click();
  EXPECT_TRUE(TopLevelsNamed("Keywords").empty());
  EXPECT_TRUE(TopLevelsNamed("PlanetaryHours").empty());
}

}  // namespace
}  // namespace halcyra
