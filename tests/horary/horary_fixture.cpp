#include "horary/horary_fixture.h"

#include <cmath>

#include "core/house_row.h"
#include "support/test_support.h"

namespace halcyra::testing {

CuspTable EqualHouses(double ascendant) {
  CuspTable cusps{};
  for (int house = 1; house <= 12; ++house)
    cusps[CuspEntryOfHouse(house)] = std::fmod(ascendant + 30 * (house - 1), 360.0);
  return cusps;
}

void Place(ChartSet& chart, std::initializer_list<std::pair<int, double>> longitudes) {
  for (const auto& [point, longitude] : longitudes) chart.Long[point] = longitude;
  chart.HouseTags = BuildPlanetHouseRow(chart.Long, chart.Cusp);
}

ChartSet HoraryFixtureChart() {
  ChartSet c;
  c.Cusp = EqualHouses(104.25);
  // point, longitude, daily motion, declination
  const struct {
    int point;
    double longitude, speed, decl;
  } kPoints[] = {
      {Sun, 25.5, 1.0125, 10.0},       {Mercury, 12.0, 1.62, 4.9},    {Venus, 350.2, 1.21, -3.7},
      {Mars, 130.7, 0.52, 17.2},       {Jupiter, 95.3, 0.21, 23.3},   {Saturn, 301.4, 0.11, -19.8},
      {Uranus, 302.9, 0.05, -19.4},    {Neptune, 292.1, 0.02, -21.1}, {Pluto, 234.6, -0.01, -4.4},
      {Moon, 200.8, 12.9, -9.46},      {NorthNode, 284.5, -0.053, -21.0},
      {PartOfFortune, 279.55, 0, -23.0}, {Chiron, 110.6, 0.02, 22.0}, {Ascendant, 104.25, 0, 22.4},
      {Midheaven, 14.25, 0, 5.6},      {Lilith, 150.0, 0.11, 24.1},
  };
  for (const auto& p : kPoints) {
    c.Long[p.point] = p.longitude;
    c.Speed[p.point] = p.speed;
    c.Decl[p.point] = p.decl;
  }
  c.RetroFlags[Pluto - 1] = c.RetroFlags[NorthNode - 1] = 'R';
  c.MoonDeclNextDay = -13.9;
  Place(c, {});
  return c;
}

OptionTables HoraryFixtureOptions() {
  OptionTables o;
  const float moiety[] = {8, 6, 3.5f, 3.5f, 3.5f, 4.5f, 4.5f, 2.5f, 2.5f, 2.5f};
  for (int k = 0; k < 10; ++k) o.OptionValues[34 + k] = moiety[k];
  o.OptionValues[32] = 8.5f;
  o.OptionValues[33] = 0;
  o.OptionValues[44] = 1.5f;
  o.OptionValues[197] = 0;
  return o;
}

QuestionMoment HoraryFixtureMoment() {
  return {TypedMoment(2024, 3, 14, 10.30, false, 5), halcyra::Place::FromDotMinutes(71.04, 42.21)};
}

SunriseSunset SixToSix(double, const HoursPlace&) { return {6, 18, true, true}; }

ChartSet MoonWith(double moon, std::initializer_list<std::pair<int, double>> points) {
  ChartSet chart = HoraryFixtureChart();
  for (int p = Sun; p <= LastMainPoint; ++p) chart.Long[p] = std::fmod(moon + 30 + 0.1 * p, 360.0);
  chart.Long[Moon] = moon;
  Place(chart, points);
  return chart;
}

double StepBelow(double x) { return std::nextafter(x, -HUGE_VAL); }
double StepAbove(double x) { return std::nextafter(x, HUGE_VAL); }

}  // namespace halcyra::testing
