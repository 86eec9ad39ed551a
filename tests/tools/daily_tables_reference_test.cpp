// Spot checks of the loaded daily tables against the Swiss Ephemeris, the
// source their generator drew them from.
// Record i is noon of Julian day 2415000 + i: record 21 is 1 January 1900.
#include <gtest/gtest.h>

#include <cmath>

#include "core/ephemeris_test_support.h"
#include "tools/tools_test_support.h"

using namespace halcyra;

constexpr double Tolerance = 1e-4;  // degrees: five written decimals and single precision

TEST(DailyTablesReference, TableValuesAgreeWithTheSwissEphemeris) {
  const auto& t = halcyra::testing::ShippedState().tables;
  struct Body { const char* name; int number; const DailyTable* table; };
  const Body bodies[] = {
      {"Chiron", SE_CHIRON, &t.Chiron},       {"TransPluto", SE_ISIS, &t.TransPluto},
      {"Cupido", SE_CUPIDO, &t.Uranian[0]},   {"Hades", SE_HADES, &t.Uranian[1]},
      {"Zeus", SE_ZEUS, &t.Uranian[2]},       {"Kronos", SE_KRONOS, &t.Uranian[3]},
      {"Apollon", SE_APOLLON, &t.Uranian[4]}, {"Admetos", SE_ADMETOS, &t.Uranian[5]},
      {"Vulkanus", SE_VULKANUS, &t.Uranian[6]}, {"Poseidon", SE_POSEIDON, &t.Uranian[7]},
  };
  const halcyra::testing::SwissEphemeris swiss;
  for (const auto& b : bodies) {
    for (int i : {0, 21, 12345, 36524, 51000, 59999}) {
      double lon = 0, decl = 0;
      swiss.Position(2415000.0 + i, b.number, lon, decl);
      EXPECT_NEAR(std::remainder(b.table->Long[i] - lon, 360.0), 0.0, Tolerance)
          << b.name << " record " << i << ": table " << b.table->Long[i] << ", Swiss Ephemeris " << lon;
      EXPECT_NEAR(b.table->Decl[i], decl, Tolerance) << b.name << " record " << i;
    }
  }
}

// Lilith: the epoch value is Waldemath's dark moon at noon of 1 January 1900;
// the yearly file and the loader's daily expansion keep its uniform motion.
TEST(DailyTablesReference, LilithEpochIsWaldemathsDarkMoon) {
  const auto& lilith = halcyra::testing::ShippedState().tables.Lilith;
  double epoch = 0, decl = 0;
  halcyra::testing::SwissEphemeris().Position(2415021.0, SE_WALDEMATH, epoch, decl);
  EXPECT_NEAR(lilith.Long[21], epoch, Tolerance);
  EXPECT_NEAR(lilith.Long[0], epoch - 21 * 3.01844767123288, 1e-3);
  EXPECT_NEAR(std::remainder(lilith.Long[59999] - (epoch + 3.01844767123288 * 59978), 360.0), 0.0, 5e-3);
}
