// House cusps in the nine systems, and the house each point stands in.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <string>
#include <tuple>

#include "chart_fixture.h"
#include "core/angle_helpers.h"
#include "core/chart_time.h"
#include "core/compute_chart.h"
#include "core/house_row.h"
#include "core/house_systems.h"

namespace halcyra {
namespace {

using testing::ArcGap;

const char* const kSystems[] = {"P", "K", "R", "C", "O", "EA", "EM", "M", "I"};

CuspTable Cusps(const std::string& system, double ramc, double lat, double obl = 23.4392911) {
  CuspTable t{};
  EXPECT_EQ(ComputeHouseCusps(system, ClockForRamc(ramc, lat, obl), t), ChartStatus::Ok)
      << system << " ramc " << ramc << " lat " << lat;
  return t;
}

TEST(HouseSystems, CuspsAndAnglesAgreeWithSwissEphemerisOnAGrid) {
  // swe_houses_armc fed our RAMC, latitude and obliquity. Its letters for
  // our codes; it numbers cusps from house 1, we from the MC. Its ascmc
  // holds Asc, MC, ARMC, Vertex, Equatorial Ascendant, two Co-Ascendants
  // (ours is the second, the Ascendant of the co-latitude), Polar Ascendant.
  // The library keeps the Vertex in the western half of the chart, while
  // ours is the intersection the formula gives, so the Vertex is compared as
  // an axis. At latitude 0 Vertex and Co-Ascendant are undefined (the prime
  // vertical is the equator) and are left out. Latitudes up to 66 take the
  // Placidus and Koch iterations to their limit.
  const char swe[] = {'P', 'K', 'R', 'C', 'O', 'A', 'D', 'X', 'M'};
  const char* angles[6] = {"Ascendant", "Midheaven", "Vertex axis", "Equatorial Asc", "Co-Ascendant", "Polar Asc"};
  for (int s = 0; s < 9; ++s)
    for (double obl : {23.0, 23.4392911, 23.5})
      for (double lat = -66; lat <= 66; lat += 1.5)
        for (double ramc = 0; ramc < 360; ramc += 2.5) {
          const CuspTable ours = Cusps(kSystems[s], ramc, lat, obl);
          double cusps[13], ascmc[10];
          swe_houses_armc(ramc, lat, obl, swe[s], cusps, ascmc);
          for (int h = 1; h <= 12; ++h)
            ASSERT_LT(ArcGap(ours[CuspEntryOfHouse(h)], cusps[h]), 1e-5)
                << kSystems[s] << " house " << h << " ramc " << ramc << " lat " << lat << " obl " << obl;
          if (s > 0) continue;
          const ChartClock c = ClockForRamc(ramc, lat, obl);
          const double vertexAxis = ArcGap(c.AngleVertex, ascmc[3]);
          const double d[6] = {ArcGap(c.AscLong, ascmc[0]),
                               ArcGap(c.MCLong, ascmc[1]),
                               lat == 0 ? 0 : std::min(vertexAxis, 180 - vertexAxis),
                               ArcGap(c.AngleEquatorialAsc, ascmc[4]),
                               lat == 0 ? 0 : ArcGap(c.AngleCoAsc, ascmc[6]),
                               ArcGap(c.AnglePolarAsc, ascmc[7])};
          for (int i = 0; i < 6; ++i)
            ASSERT_LT(d[i], 1e-5) << angles[i] << " ramc " << ramc << " lat " << lat << " obl " << obl;
        }
}

TEST(HouseSystems, UnknownCodesGiveRegiomontanusAndThePassWritesItsTable) {
  const CuspTable regio = Cusps("R", 123, 48);
  for (const char* code : {"", "p", "X", "ea", "PP", "Regiomontanus"})
    EXPECT_EQ(Cusps(code, 123, 48), regio) << "code \"" << code << "\"";

  // the chart of the same frame takes its cusps and sidereal time from there
  ChartStatus status = ChartStatus::LatitudeTooHigh;
  const ChartSet chart =
      ComputeChart(ClockForRamc(280.460287083333, 51.5, 23.439280764), {"K"}, StartupTables{}, &status);
  EXPECT_EQ(status, ChartStatus::Ok);
  EXPECT_EQ(chart.SiderealText, "18H  41M  50S ");
  EXPECT_EQ(chart.Cusp, Cusps("K", 280.460287083333, 51.5, 23.439280764));
  EXPECT_EQ(SiderealTimeText(0, 5, 9), "00H  05M  09S ");
}

TEST(HouseSystems, LatitudeBeyondASystemsReachIsReported) {
  struct Case { const char* system; double lat; ChartStatus status; };
  const Case cases[] = {
      {"P", 66.0, ChartStatus::Ok},  {"P", 66.6, ChartStatus::LatitudeTooHigh}, {"K", -66.6, ChartStatus::LatitudeTooHigh},
      {"R", 80, ChartStatus::Ok},    {"C", 89.9, ChartStatus::Ok},              {"O", 90, ChartStatus::LatitudeTooHigh},
      {"M", 89.9, ChartStatus::Ok},  {"I", -89.9, ChartStatus::Ok},
  };
  for (const auto& c : cases) {
    CuspTable t;
    t.fill(-1);
    const ChartStatus status = ComputeHouseCusps(c.system, ClockForRamc(200, c.lat, 23.44), t);
    EXPECT_EQ(status, c.status) << c.system << " lat " << c.lat;
    // entries 0 and 13 are never written; a refused table is left as it was
    EXPECT_TRUE(t[0] == -1 && t[13] == -1) << c.system << " lat " << c.lat;
    for (int e = 1; e <= 12; ++e)
      EXPECT_TRUE(status == ChartStatus::Ok ? t[e] >= 0 && t[e] < 360 : t[e] == -1) << c.system << " lat " << c.lat;
  }
}

// Cusps 30 degrees apart with the Ascendant (entry 4) at `asc`.
CuspTable EvenCusps(double asc) {
  CuspTable t{};
  for (int e = 1; e <= 12; ++e) t[e] = std::fmod(asc + 30 * (e - 4) + 720, 360);
  return t;
}

std::string Field(const std::string& tags, int point) { return tags.substr((point - 1) * 10, 10); }

TEST(HouseRow, LabelsOfPoints) {
  // 12th house from 350 to the Ascendant at 20 spans 0 Aries; the last
  // table has entry 2 (11th) out of order over entry 1 (10th): the last
  // matching entry wins.
  CuspTable overlapping = EvenCusps(90);
  overlapping[2] = 200;
  struct Case { double lon; const char* field; const char* why; CuspTable cusps; };
  const Case cases[] = {
      {20, " 1ST HOUSE", "exactly on the Ascendant", EvenCusps(20)},
      {50, " 2ND HOUSE", "exactly on the 2nd cusp", EvenCusps(20)},
      {49.9999, " 1ST HOUSE", "a third of an arc-second before the 2nd cusp", EvenCusps(20)},
      {49.99999, " 2ND HOUSE", "within a tenth of an arc-second of the cusp", EvenCusps(20)},
      {355, "12TH HOUSE", "12th house before 0 Aries", EvenCusps(20)},
      {5, "12TH HOUSE", "12th house after 0 Aries", EvenCusps(20)},
      {359.99999, "12TH HOUSE", "just below 360 still finds its house", EvenCusps(20)},
      {290, "10TH HOUSE", "on the MC", EvenCusps(20)},
      {std::nan(""), "     HOUSE", "no longitude, no house", EvenCusps(20)},
      {10, "11TH HOUSE", "in the 10th and the overlapping 11th", overlapping},
  };
  for (const auto& c : cases) {
    PointArray lon{};
    lon[Sun] = c.lon;
    EXPECT_EQ(Field(BuildPlanetHouseRow(lon, c.cusps), Sun), c.field) << c.lon << ": " << c.why;
  }
}

TEST(HouseRow, AnglesUnplacedPointsAndReadBack) {
  PointArray lon{};
  CuspTable equal{};
  equal.fill(123);  // every house empty
  const std::string none = BuildPlanetHouseRow(lon, equal);
  ASSERT_EQ(none.size(), 310u);
  for (int i = 1; i <= NumPoints; ++i)
    EXPECT_EQ(Field(none, i), (i == Ascendant || i == Midheaven) ? "---- HOUSE" : "     HOUSE") << "point " << i;

  // the angles on their own cusps, read back as house numbers
  const CuspTable cusps = EvenCusps(100);
  lon[Ascendant] = cusps[4], lon[Midheaven] = cusps[1], lon[Moon] = 300;
  const std::string row = BuildPlanetHouseRow(lon, cusps);
  EXPECT_EQ(std::tuple(HouseNumberOf(row, Ascendant), HouseNumberOf(row, Midheaven), HouseNumberOf(row, Moon)),
            std::tuple(1, 10, 7));
  const std::string tags = " 1ST HOUSE12TH HOUSE---- HOUSE     HOUSE";
  const int expected[] = {0, 1, 12, 0, 0, 0, 0, 0, 0, 0};  // 5 to 9 beyond the string
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(HouseNumberOf(tags, i), expected[i]) << i;
}

}  // namespace
}  // namespace halcyra
