// House cusps in the nine systems, and the house each point stands in.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>
#include <string>

#include "chart_fixture.h"
#include "core/chart_time.h"
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

// swe_houses_armc fed our RAMC, latitude and obliquity; it numbers cusps
// from house 1, we from the MC. ascmc: Asc, MC, ARMC, Vertex (kept in the
// western half: compared as an axis), Equatorial Asc, two Co-Ascendants
// (ours is the second), Polar Asc; Vertex and Co-Ascendant are undefined at
// latitude 0. Latitudes up to 66 take Placidus and Koch to their limit.
TEST(HouseSystems, CuspsAndAnglesAgreeWithSwissEphemerisOnAGrid) {
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

// A latitude beyond a system's reach is reported and leaves the table as it was.
TEST(HouseSystems, LatitudesBeyondReach) {
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
    EXPECT_TRUE(t[0] == -1 && t[13] == -1) << c.system << " lat " << c.lat;  // never written
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

TEST(HouseRow, LabelsOfPoints) {
  // 12th house from 350 to the Ascendant at 20 spans 0 Aries; the last
  // table has entry 2 (11th) out of order over entry 1 (10th): the last
  // matching entry wins.
  CuspTable overlapping = EvenCusps(90);
  overlapping[2] = 200;
  struct Case { double lon; const char* field; const char* why; CuspTable cusps; };
  const Case cases[] = {
      {20, " 1ST HOUSE", "exactly on the Ascendant", EvenCusps(20)},
      {49.9999, " 1ST HOUSE", "a third of an arc-second before the 2nd cusp", EvenCusps(20)},
      {49.99999, " 2ND HOUSE", "within a tenth of an arc-second of the cusp", EvenCusps(20)},
      {355, "12TH HOUSE", "12th house before 0 Aries", EvenCusps(20)},
      {5, "12TH HOUSE", "12th house after 0 Aries", EvenCusps(20)},
      {359.99999, "12TH HOUSE", "just below 360 still finds its house", EvenCusps(20)},
      {std::nan(""), "     HOUSE", "no longitude, no house", EvenCusps(20)},
      {10, "11TH HOUSE", "in the 10th and the overlapping 11th", overlapping},
  };
  for (const auto& c : cases) {
    PointArray lon{};
    lon[Sun] = c.lon;
    const std::string row = BuildPlanetHouseRow(lon, c.cusps);
    EXPECT_EQ(row.substr((Sun - 1) * 10, 10), c.field) << c.lon << ": " << c.why;
  }
  EXPECT_EQ(HouseNumberOf(" 1ST HOUSE", 2), 0);  // beyond the string
}

}  // namespace
}  // namespace halcyra
