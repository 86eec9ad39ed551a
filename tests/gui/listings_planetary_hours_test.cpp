// The planetary-hours window: it reads the natal input window's date and
// place, refuses a chart north of 66 degrees, warns for a day without
// sunrise or sunset, shows the 24 hours with their rulers in its grid,
// sends the table to the output and closes the Keywords window with itself.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <filesystem>

#include "gui/input_gui_support.h"
#include "platform/text_files.h"
#include "reports/sunrise_sunset.h"
#include "reports/ui/planetary_hours_window.h"
#include "shell/report_output.h"
#include "shell/ui/data_window.h"

namespace halcyra {
namespace {

class PlanetaryHoursWindowTest : public testing::InputWindowTest {
 protected:
  // 5 June 2024 (a Wednesday) at New York, zone 4 west.
  void TypeNatalDay(const char* latDeg, bool south, const char* month = "6", const char* day = "5") {
    InputDWindow& natal = InputD();
    Type(natal, "txtMonth", month);
    Type(natal, "txtDay", day);
    Type(natal, "txtYear", "2024");
    Type(natal, "txtTZ", "4");
    Type(natal, "txtLongDeg", "74");
    Type(natal, "txtLongMin", "0");
    Choose(natal, "optWest");
    Type(natal, "txtLatDeg", latDeg);
    Type(natal, "txtLatMin", "43");
    Choose(natal, south ? "optSouth" : "optNorth");
  }
  static std::string Cell(QTableWidget* grid, int row, int column) {
    return grid->item(row, column)->text().toStdString();
  }
};

TEST_F(PlanetaryHoursWindowTest, GridOfTheDayAndNightHours) {
  App().input.NatalGeoLat = 40.43f;
  TypeNatalDay("40", false);
  PlanetaryHoursWindow* w = ShowPlanetaryHours(App());
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(messages.shown.empty());
  auto* grid = w->findChild<QTableWidget*>("grdHours");
  ASSERT_NE(grid, nullptr);
  ASSERT_EQ(grid->rowCount(), 24);
  ASSERT_EQ(grid->columnCount(), 4);
  // the rows as the planetary-hours table of the day has them
  const PlanetaryHoursTable& table = w->Table();
  EXPECT_EQ(table.weekday, 0);  // a Wednesday
  for (int row = 0; row < 24; ++row) {
    const PlanetaryHour& h = table.hours[row];
    EXPECT_EQ(Cell(grid, row, 0), (h.night ? "Night " : "Day ") + std::to_string(h.hour));
    EXPECT_EQ(Cell(grid, row, 1), HourText(h.start)) << row;
    EXPECT_EQ(Cell(grid, row, 3), h.ruler) << row;
  }

  // sunrise and sunset of the natal window's day and place, on its clock
  const ListingState& l = App().listings;
  HoursPlace place{5, 6, 2024, 4, 74.0, 40 + 43 / 60.0};
  const SunriseSunset sun = FindSunriseSunset(l.HoursJulianDay, place);
  EXPECT_DOUBLE_EQ(l.SunriseHour, sun.sunriseHour);
  EXPECT_DOUBLE_EQ(l.SunsetHour, sun.sunsetHour);
  EXPECT_EQ(table.sunriseHour, sun.sunriseHour);
  EXPECT_EQ(table.sunsetHour, sun.sunsetHour);
  EXPECT_GT(sun.sunriseHour, 5.2);  // New York's June sunrise is near 5.25 A.M. daylight time
  EXPECT_LT(sun.sunriseHour, 5.6);
}

TEST_F(PlanetaryHoursWindowTest, SendToOutputAndQuit) {
  std::filesystem::create_directories(App().AppPath + "/REPORTS");
  InstallDataWindowDisplay();
  App().input.NatalGeoLat = 40.43f;
  TypeNatalDay("40", false);
  PlanetaryHoursWindow* w = ShowPlanetaryHours(App());
  ASSERT_NE(w, nullptr);
  w->findChild<QPushButton*>("cmdSendToOutput")->click();
  const auto page = ReadTextLines(LastPagePath(App())).value_or(std::vector<std::string>{});
  ASSERT_GE(page.size(), 18u);
  EXPECT_EQ(page[1], "               PLANETARY HOURS");
  EXPECT_EQ(page[3].substr(0, 27), "  05 Jun 2024   Mercury day");
  EXPECT_EQ(page[6].substr(0, 14), "   1  " + HourText(App().listings.SunriseHour) + " - ");

  QWidget keywords;
  keywords.setObjectName("Keywords");
  keywords.show();
  QPointer<PlanetaryHoursWindow> alive(w);
  w->findChild<QPushButton*>("cmdQuit")->click();
  Settle();
  EXPECT_FALSE(keywords.isVisible());
  EXPECT_TRUE(alive.isNull());
}

TEST_F(PlanetaryHoursWindowTest, LatitudeLimitAndDaysWithoutSunrise) {
  App().input.NatalGeoLat = 66.01f;
  EXPECT_EQ(ShowPlanetaryHours(App()), nullptr);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text,
            "Cannot calculate planetary hours. The latitude is too extreme. It must be 66 "
            "degrees, 0 minutes or below.");
  EXPECT_EQ(messages.shown[0].title, "Warning!");

  // the south is not refused: 70 S at the June solstice has neither
  messages.shown.clear();
  App().input.NatalGeoLat = -70.43f;
  TypeNatalDay("70", true, "6", "21");
  PlanetaryHoursWindow* w = ShowPlanetaryHours(App());
  ASSERT_NE(w, nullptr);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].text, "I cannot find sunrise. The latitude is too extreme.");
  EXPECT_EQ(messages.shown[1].text, "I cannot find sunset. The latitude is too extreme.");
  EXPECT_EQ(App().listings.SunriseHour, 0);
  EXPECT_EQ(App().listings.SunsetHour, 0);
  // every hour a night hour of two hours from 0.00
  EXPECT_EQ(w->findChild<QTableWidget*>("grdHours")->item(12, 1)->text(), "00:00");
  EXPECT_EQ(w->findChild<QTableWidget*>("grdHours")->item(13, 1)->text(), "02:00");
}

}  // namespace
}  // namespace halcyra
