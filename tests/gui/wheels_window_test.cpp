// The chart-wheel window and the main window's Wheels menu: the menu trees,
// every natal-based command showing its wheel, the Mode and Type commands,
// the house-system tick, the picture kept while a paint is skipped, the orb
// file warning, the glyphs in the font, and the full-page print.
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <cmath>
#include <filesystem>

#include "app/main_menus.h"
#include "gui_test_support.h"
#include "platform/gui/glyph_font.h"
#include "platform/program_files.h"
#include "reports/ui/planetary_hours_window.h"
#include "shell/ui/print_target.h"
#include "wheels/ui/keywords_window.h"
#include "wheels/label_column.h"
#include "wheels/ui/painter_surface.h"
#include "wheels/ui/wheel_rendering.h"
#include "wheels/ui/wheels_window.h"
#include "wheels/wheel_commands.h"
#include "wheels/wheel_frame.h"
#include "wheels/wheel_paint_state.h"

#include "wheels/wheel_fixture.h"

namespace halcyra {
namespace {

class WheelsWindowTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    testing::EnsureTestApplication();
    ASSERT_TRUE(InstallGlyphFont(ProgramFile(testing::StagedProgramDir(), "Orvane.ttf")));
    App() = *testing::ApolloState();
    App().flags.screen = ScreenClass{};
  }
  void TearDown() override { RemoveGlyphFont(); }

  static std::vector<std::string> DataLines(const char* name) {
    std::vector<std::string> lines;
    const auto file = ReadTextLines(std::string(HALCYRA_TEST_DATA) + "/gui/" + name);
    for (const std::string& line : file.value_or(std::vector<std::string>{"<missing>"}))
      if (!line.empty() && line[0] != '#') lines.push_back(line);
    return lines;
  }
  static std::string Row(const QAction* a, const char* indent = "") {
    return (indent + a->objectName() + "|" + (a->isSeparator() ? "---" : a->text()) + "|" +
            a->shortcut().toString()).toStdString();
  }
  static WheelsWindow& WheelsNatalShown() {
    WheelsSingleNatal(App());
    return *ShowChartWheel(App());
  }
  // The colour of the cusp-label band between two labels, as a check that
  // the wheel is drawn: the picture's height spans +-287 units.
  static unsigned BandColourAt195(const QImage& picture) {
    const double perUnit = picture.height() / 574.0 / picture.devicePixelRatio();
    const QPointF at(picture.width() / picture.devicePixelRatio() / 2 + 241 * perUnit * std::cos(195 * M_PI / 180),
                     picture.height() / picture.devicePixelRatio() / 2 - 241 * perUnit * std::sin(195 * M_PI / 180));
    return picture.pixel((at * picture.devicePixelRatio()).toPoint()) & 0xFFFFFF;
  }
  // The window's picture painted afresh.
  static QImage Painted(WheelsWindow& w) {
    w.Form_Paint();
    return w.Picture();
  }
};

TEST_F(WheelsWindowTest, MainWindowWheelsMenuTree) {
  auto* main = BuildMainWindow();
  std::vector<std::string> rows;
  for (QAction* a : main->wheelsMenu->actions()) rows.push_back(Row(a));
  EXPECT_EQ(rows, DataLines("wheels_menu.txt"));
  EXPECT_FALSE(main->wheelsMenu->menuAction()->isVisible()) << "hidden until the first chart";
}

TEST_F(WheelsWindowTest, EveryNatalBasedCommandShowsItsWheel) {
  auto* main = BuildMainWindow();
  testing::RecordingSink sink;
  sink.inputAnswer = "400";
  const std::pair<const char*, int> commands[] = {
      {"mnuWheelsSingleNatal", 1},          {"mnuWheelsSingleNatalSP", 1},      {"mnuWheelsSingleSolarArc", 1},
      {"mnuWheelsSingleTransits", 1},       {"mnuWheelsSingleSolarEquilibrium", 1},
      {"mnuWheelsSingleUserDefinedAsc", 1}, {"mnuWheelsDualNatSP", 2},          {"mnuWheelsDualNatalProgressed", 2},
      {"mnuWheelsDualNatalSolarArc", 2},    {"mnuWheelsDualNatTran", 2},        {"mnuWheelsDualNatalSETran", 2},
      {"mnuWheelsDualNatalUserTran", 2}};
  for (const auto& [name, kind] : commands) {
    QAction* item = main->wheelsMenu->findChild<QAction*>(name);
    ASSERT_TRUE(item && item->isEnabled()) << name;
    item->trigger();
    WheelsWindow* wheels = TheWheelsWindow();
    ASSERT_NE(wheels, nullptr) << name;
    EXPECT_TRUE(wheels->isVisible()) << name;
    EXPECT_EQ(App().flags.WheelKind, kind) << name;
    EXPECT_EQ(BandColourAt195(Painted(*wheels)), WheelFrameStyle.labelBand) << name;
  }
  // the two User Defined ASC commands asked, and drew their houses from 40
  EXPECT_EQ(sink.asked, (std::vector<std::string>{AscendantPrompt, AscendantPrompt}));
  EXPECT_EQ(App().wheel.Wheel.Cusp[4], 40);
}

TEST_F(WheelsWindowTest, WheelWindowMenuBar) {
  WheelsNatalShown();
  std::vector<std::string> rows;
  for (QAction* a : TheWheelsWindow()->menuBar()->actions()) {
    rows.push_back(Row(a));
    if (a->menu())
      for (QAction* item : a->menu()->actions()) rows.push_back(Row(item, "  "));
  }
  EXPECT_EQ(rows, DataLines("wheel_window_menus.txt"));
  EXPECT_FALSE(TheWheelsWindow()->Item("mnuReturns")->isVisible()) << "a natal wheel has no returns";
}

TEST_F(WheelsWindowTest, ModesSwapTheRingsOfADualWheelOnly) {
  WheelsSingleNatal(App());
  WheelsWindow& single = *ShowChartWheel(App());
  std::vector<QImage> pictures;
  for (const char* mode : {"mnuMode0", "mnuMode1", "mnuMode2", "mnuMode3"}) {
    single.Item(mode)->trigger();
    pictures.push_back(single.Picture());
  }
  EXPECT_EQ(App().chart.WheelMode, 3);
  for (const QImage& p : pictures) EXPECT_EQ(p, pictures[0]) << "a single wheel is the same in every mode";

  WheelsDualTransitsNatal(App(), false);
  WheelsWindow& dual = *ShowChartWheel(App());
  dual.Item("mnuMode0")->trigger();
  const QImage mode0 = dual.Picture();
  dual.Item("mnuMode2")->trigger();
  EXPECT_NE(dual.Picture(), mode0);
  EXPECT_EQ(App().wheel.Display.Long[Sun], App().chart.Natal.Long[Sun]) << "mode 2: the natal chart inside";
}

TEST_F(WheelsWindowTest, KeywordsAndPlanetaryHoursOpenBesideTheWheel) {
  WheelsWindow& w = WheelsNatalShown();
  w.Item("mnuKeywords")->trigger();
  ASSERT_NE(TheKeywordsWindow(), nullptr);
  EXPECT_TRUE(TheKeywordsWindow()->isVisible());
  w.Item("mnuDataPlanetaryHours")->trigger();
  EXPECT_NE(ThePlanetaryHoursWindow(), nullptr);
}

// A wheel window made smaller to fit a small screen draws the same wheel
// smaller: the drawing's extent scales with the client area, to a pixel or
// two of text rounding.
TEST_F(WheelsWindowTest, TheWheelScalesWithItsWindow) {
  WheelsSingleNatal(App());
  auto extent = [](const QSizeF& size) {
    QPicture picture;
    QPainter painter(&picture);
    PaintWheelOnWindow(App(), painter, size);
    painter.end();
    return QRectF(picture.boundingRect());
  };
  const QSizeF designed(937, 745);  // the 1024-pixel class's client below the menu bar
  const QRectF full = extent(designed);
  ASSERT_GT(full.width(), designed.width() / 2) << "nothing drawn";
  for (const double scale : {0.93, 0.75, 0.5}) {
    const QRectF small = extent(designed * scale);
    for (const auto& [got, expected, edge] : {std::tuple{small.left(), full.left() * scale, "left"},
                                              {small.top(), full.top() * scale, "top"},
                                              {small.right(), full.right() * scale, "right"},
                                              {small.bottom(), full.bottom() * scale, "bottom"}})
      EXPECT_NEAR(got, expected, 3) << edge << " at scale " << scale;
  }
}

TEST_F(WheelsWindowTest, ChartTypeTicksOneItemAndRedraws) {
  WheelsWindow& w = WheelsNatalShown();
  EXPECT_TRUE(w.Item("mnuCTAmerican")->isChecked());
  const QImage american = w.Picture();
  w.Item("mnuCTEuropean")->trigger();
  EXPECT_EQ(App().ini.EuropeanChart, 1);
  EXPECT_NE(w.Picture(), american);
  w.Item("mnuCTAmerican")->trigger();
  EXPECT_TRUE(w.Item("mnuCTAmerican")->isChecked());
  EXPECT_FALSE(w.Item("mnuCTEuropean")->isChecked());
}

TEST_F(WheelsWindowTest, PaintTicksTheHouseSystem) {
  App().options.HouseSystem = "K";
  WheelsWindow& w = WheelsNatalShown();
  w.Form_Paint();
  std::vector<std::string> ticked;
  for (const char* name : {"mnuHousePlacidus", "mnuHouseRegiomontanus", "mnuHouseKoch", "mnuHouseCampanus",
                           "mnuHousePorphyry", "mnuHouseEqualAsc", "mnuHouseEqualMC", "mnuHouseMeridian",
                           "mnuHouseMorinus"})
    if (w.Item(name)->isChecked()) ticked.push_back(name);
  EXPECT_EQ(ticked, std::vector<std::string>{"mnuHouseKoch"});
}

// The More menu of the dated listing on view stops no paint: a mode
// command redraws the wheel at once.
TEST_F(WheelsWindowTest, ModesRedrawWhileTheMoreMenuShows) {
  WheelsDualTransitsNatal(App(), false);
  WheelsWindow& w = *ShowChartWheel(App());
  w.Item("mnuMode2")->trigger();
  const QImage mode2 = Painted(w);
  App().chart.MoreMenuVisible = 1;
  w.Item("mnuMode0")->trigger();
  EXPECT_EQ(App().chart.WheelMode, 0);
  EXPECT_NE(w.Picture(), mode2);
  w.Item("mnuMode2")->trigger();
  EXPECT_EQ(w.Picture(), mode2);
}

TEST_F(WheelsWindowTest, UnreadableOrbFileWarnsOnceAndTheWheelIsDrawn) {
  testing::RecordingSink sink;
  WheelsWindow& w = WheelsNatalShown();
  SetWheelOrbFile(App(), "MISSING.ORB");
  w.Form_Paint();
  w.Form_Paint();
  QCoreApplication::processEvents();
  const std::string missing = "File not found: MISSING.ORB (" + App().AppPath + "/MISSING.ORB)";
  EXPECT_EQ(sink.Boxes(), std::vector<std::string>{std::string(OrbFileWarningTitle) + ": " +
                                                   OrbFileWarningText(missing)});
  EXPECT_FALSE(w.Picture().isNull());
}

TEST_F(WheelsWindowTest, EveryGlyphCodeOfTheWheelHasInk) {
  std::vector<int> codes = {RetrogradeGlyph};
  for (int p = 1; p <= 25; ++p)
    if (p != Ascendant && p != Midheaven) codes.push_back(PointGlyphBase + p);
  for (int s = 1; s <= 12; ++s) codes.push_back(SignGlyphBase + s);
  for (int code : codes) {
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      PainterSurface surface(painter, QRectF(0, 0, 40, 40), WheelArea{0, 40, 40, -40}, 1.0);
      surface.Draw(TextItem{5, 35, WheelText::Glyph(code), FontSpec{24, false}, 0});
    }
    int inked = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) inked += qAlpha(image.pixel(x, y)) > 128;
    EXPECT_GT(inked, 15) << "glyph code " << code;
  }
}

TEST_F(WheelsWindowTest, FullPagePrintToPdfHoldsTheWheel) {
  WheelsDualTransitsNatal(App(), false);
  const std::string file = testing::ScratchDir("wheel-print") + "/wheel.pdf";
  for (const auto& size : {QPageSize::Letter, QPageSize::A4}) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file));
    printer.setPageSize(QPageSize(size));
    PrintOn(printer, [](QPainter& painter, QPagedPaintDevice& device) { PrintWheelPage(App(), painter, device); });
    const std::string pdf = ReadWholeFile(file).value_or("");
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_GT(pdf.size(), 10000u);
    // the page's printable width spans the wheel: the rim's marks fit across and down
    double unitsPerPoint = 0;
    const WheelArea area = PainterSurface::PageArea(
        printer.pageLayout().paintRect(QPageLayout::Point).size(), App().ini.StartScale, &unitsPerPoint);
    const double outermost = WheelFrameRadii.rim + WheelFrameStyle.markLength;
    EXPECT_LE(outermost, area.ScaleWidth / 2);
    EXPECT_LE(outermost, -area.ScaleHeight / 2);
  }
  EXPECT_EQ(App().wheel.PrintingWheel, 0);
}

}  // namespace
}  // namespace halcyra
