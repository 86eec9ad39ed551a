// The horary basics page of questions asked in the four hemispheres, at
// sunrise and sunset and with the Moon beyond its bounds to the south: the
// key lines of tests/data/horary/hemisphere_charts.txt, worked out from the
// Swiss Ephemeris, and each chart checked against it.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "core/chart_fixture.h"
#include "core/ephemeris_test_support.h"
#include "horary/horary_basics_page.h"
#include "shell/report_output.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

using Lines = std::vector<std::string>;
using testing::ArcGap;
using testing::TypedDecimal;
using testing::TypedUniversalJd;

// Hours after the zone's midnight of the Sun's centre rising or setting on
// the horizon without refraction.
double SwissSunEvent(const testing::TypedChart& c, int kind) {
  const double midnight = swe_julday(c.year, c.month, c.day, c.zone, SE_GREG_CAL);
  double place[3] = {-TypedDecimal(c.geoLong), TypedDecimal(c.geoLat), 0}, when = 0;
  char error[256] = "";
  const int flags = kind | SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
  if (swe_rise_trans(midnight, SE_SUN, nullptr, SEFLG_SWIEPH, flags, place, 1013.25, 15, &when, error) != 0)
    ADD_FAILURE() << error;
  return (when - midnight) * 24;
}

// Tolerances, degrees (speeds degrees a day): each smaller than the
// distance of the key lines from their edges (the nearest: the Sun's speed
// 0.003 from its mean motion, the Moon 0.055 from a critical degree,
// Saturn 0.086, the Ascendant 0.13 from an early degree). Pluto's series
// drifts 0.08 from the reference by 2024; nothing in these charts lies
// within 0.5 of an edge for it.
struct Body { int point, swiss; double longitude, declination, speed; };
constexpr Body kBodies[] = {
    {Sun, SE_SUN, 0.01, 0.01, 0.001},          {Moon, SE_MOON, 0.05, 0.05, 0.01},
    {Mercury, SE_MERCURY, 0.05, 0.05, 0.01},   {Venus, SE_VENUS, 0.05, 0.05, 0.01},
    {Mars, SE_MARS, 0.05, 0.05, 0.01},         {Jupiter, SE_JUPITER, 0.05, 0.05, 0.01},
    {Saturn, SE_SATURN, 0.05, 0.05, 0.01},     {Uranus, SE_URANUS, 0.05, 0.05, 0.01},
    {Neptune, SE_NEPTUNE, 0.05, 0.05, 0.01},   {Pluto, SE_PLUTO, 0.1, 0.05, 0.01},
};
constexpr double kCuspTolerance = 0.02, kSunTimeTolerance = 5.0 / 3600;

void ExpectAgreesWithSwissEphemeris(const AppState& state, const testing::TypedChart& typed, const std::string& name) {
  const testing::SwissEphemeris swiss;
  const ChartSet& chart = state.chart.Natal;
  const double jd = TypedUniversalJd(typed);
  for (const Body& b : kBodies) {
    double lon, decl, nextLon, nextDecl;
    swiss.Position(jd, b.swiss, lon, decl);
    swiss.Position(jd + 1, b.swiss, nextLon, nextDecl);
    EXPECT_LE(ArcGap(chart.Long[b.point], lon), b.longitude) << name << " point " << b.point;
    EXPECT_LE(std::fabs(chart.Decl[b.point] - decl), b.declination) << name << " point " << b.point;
    EXPECT_LE(std::fabs(chart.Speed[b.point] - std::remainder(nextLon - lon, 360.0)), b.speed)
        << name << " point " << b.point;
  }
  double cusps[13], angles[10];
  swe_houses(jd, TypedDecimal(typed.geoLat), -TypedDecimal(typed.geoLong), 'P', cusps, angles);
  for (int house = 1; house <= 12; ++house)
    EXPECT_LE(ArcGap(chart.Cusp[CuspEntryOfHouse(house)], cusps[house]), kCuspTolerance) << name << " house " << house;
  EXPECT_LE(ArcGap(chart.Long[Ascendant], angles[SE_ASC]), kCuspTolerance) << name;
  EXPECT_LE(ArcGap(chart.Long[Midheaven], angles[SE_MC]), kCuspTolerance) << name;
  const SunriseSunset sun = FindSunriseSunset(
      DateToJulianDay(typed.year, typed.month, typed.day) - 0.5,
      {typed.day, typed.month, typed.year, typed.zone, TypedDecimal(typed.geoLong), TypedDecimal(typed.geoLat)});
  EXPECT_NEAR(sun.sunriseHour, SwissSunEvent(typed, SE_CALC_RISE), kSunTimeTolerance) << name;
  EXPECT_NEAR(sun.sunsetHour, SwissSunEvent(typed, SE_CALC_SET), kSunTimeTolerance) << name;
}

std::string PageText(const Lines& page) {
  std::string text;
  for (const std::string& line : page) text += line + "\n";
  return text;
}

TEST(HoraryHemispheres, KeyLinesOfTheHoraryBasicsPage) {
  const auto rows = testing::ReadCaseTable("horary/hemisphere_charts.txt");
  std::string chartName;
  Lines page;
  size_t next = 0;  // the page line after the last one matched
  int charts = 0;
  for (const auto& c : rows) {
    if (c.at(0) == "Chart") {
      chartName = c.at(1);
      const testing::TypedChart typed{std::stoi(c.at(2)), std::stoi(c.at(3)), std::stoi(c.at(4)),
                                      std::stod(c.at(5)), c.at(6).c_str(),      std::stod(c.at(7)),
                                      std::stod(c.at(8)), std::stod(c.at(9))};
      auto state = testing::ComputedState(typed, typed);
      ClearReportBuffers(*state);
      HoraryBasicsPage(*state);
      const auto& r = state->report;
      page.assign(r.PageLines.begin(), r.PageLines.begin() + r.PageLineCount);
      next = 0;
      ExpectAgreesWithSwissEphemeris(*state, typed, chartName);
      ++charts;
      continue;
    }
    ASSERT_EQ(c.at(1), chartName) << "a line before its chart";
    const std::string& line = c.at(2);
    if (c.at(0) == "Line") {
      const auto at = std::find(page.begin() + static_cast<long>(next), page.end(), line);
      EXPECT_NE(at, page.end()) << chartName << ": no line \"" << line << "\" on the page\n" << PageText(page);
      next = static_cast<size_t>(at - page.begin()) + 1;
    } else {
      EXPECT_TRUE(next < page.size() && page[next] == line)
          << chartName << ": \"" << line << "\" does not follow\n" << PageText(page);
      ++next;
    }
  }
  EXPECT_EQ(charts, 14);
}

}  // namespace
}  // namespace halcyra
