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

TEST_F(PlanetaryHoursWindowTest, GridOfTheDaySentToOutputAndQuit) {
  std::filesystem::create_directories(App().AppPath + "/REPORTS");
  InstallDataWindowDisplay();
  App().input.NatalGeoLat = 40.43f;
  TypeNatalDay("40", false);
  PlanetaryHoursWindow* w = ShowPlanetaryHours(App());
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(messages.shown.empty());
  // Sunrise and sunset of the natal window's day and place, on its clock.
  const SunriseSunset sun = FindSunriseSunset(App().listings.HoursJulianDay, {5, 6, 2024, 4, 74.0, 40 + 43 / 60.0});
  const PlanetaryHoursTable& table = w->Table();
  EXPECT_EQ(table.weekday, 0);  // a Wednesday
  EXPECT_EQ(std::pair(table.sunriseHour, table.sunsetHour), std::pair(sun.sunriseHour, sun.sunsetHour));
  EXPECT_EQ(std::pair(App().listings.SunriseHour, App().listings.SunsetHour), std::pair(sun.sunriseHour, sun.sunsetHour));
  EXPECT_NEAR(sun.sunriseHour, 5.4, 0.2);  // New York's June sunrise is near 5.25 A.M. daylight time
  // the grid shows the rows of the table
  auto* grid = w->findChild<QTableWidget*>("grdHours");
  ASSERT_EQ(grid->rowCount(), 24);
  ASSERT_EQ(grid->columnCount(), 4);
  for (int row = 0; row < 24; ++row) {
    const PlanetaryHour& h = table.hours[row];
    EXPECT_EQ(Cell(grid, row, 0), (h.night ? "Night " : "Day ") + std::to_string(h.hour));
    EXPECT_EQ(Cell(grid, row, 1), HourText(h.start)) << row;
    EXPECT_EQ(Cell(grid, row, 3), h.ruler) << row;
  }

  w->findChild<QPushButton*>("cmdSendToOutput")->click();
  const auto page = testing::LastPageLines();
  ASSERT_GE(page.size(), 18u);
  EXPECT_EQ(page[1], "               PLANETARY HOURS");
  EXPECT_EQ(page[3].substr(0, 27), "  05 Jun 2024   Mercury day");
  EXPECT_EQ(page[6].substr(0, 14), "   1  " + HourText(sun.sunriseHour) + " - ");

  // Quit closes the Keywords window with its own.
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
  auto* grid = w->findChild<QTableWidget*>("grdHours");
  EXPECT_EQ(grid->item(12, 1)->text() + " " + grid->item(13, 1)->text(), "00:00 02:00");
}

}  // namespace
}  // namespace halcyra
