// Spot checks of the loaded daily tables against the Swiss Ephemeris, the
// source their generator drew them from (only where libswe-dev is installed).
#ifdef HALCYRA_HAVE_SWE
#include <gtest/gtest.h>
#include <swephexp.h>

#include <cmath>

#include "shell/startup_data.h"
#include "support/test_support.h"

using namespace halcyra;

namespace {

constexpr double Tolerance = 1e-4;  // degrees: five written decimals and single precision

const AppState& Shipped() {
  static const AppState state = [] {
    AppState s;
    s.AppPath = halcyra::testing::StagedProgramDir();
    LoadStartupData(s, nullptr);
    return s;
  }();
  return state;
}

struct Reference { double lon, decl; };

Reference SwissEphemeris(int body, double jd) {
  swe_set_ephe_path("/usr/share/libswe/ephe");
  double xx[6];
  char error[AS_MAXCH] = "";
  Reference r{};
  EXPECT_GE(swe_calc_ut(jd, body, SEFLG_SWIEPH, xx, error), 0) << error;
  r.lon = xx[0];
  EXPECT_GE(swe_calc_ut(jd, body, SEFLG_SWIEPH | SEFLG_EQUATORIAL, xx, error), 0) << error;
  r.decl = xx[1];
  return r;
}

}  // namespace

TEST(DailyTablesReference, Record21IsNoonOfFirstJanuary1900) {
  int year, month, day;
  double hour;
  swe_revjul(2415000.0 + 21, SE_GREG_CAL, &year, &month, &day, &hour);
  EXPECT_EQ(year, 1900);
  EXPECT_EQ(month, 1);
  EXPECT_EQ(day, 1);
  EXPECT_DOUBLE_EQ(hour, 12.0);
  swe_revjul(2415000.0, SE_GREG_CAL, &year, &month, &day, &hour);
  EXPECT_EQ(year * 10000 + month * 100 + day, 18991211);
  swe_revjul(2415000.0 + 59999, SE_GREG_CAL, &year, &month, &day, &hour);
  EXPECT_EQ(year * 10000 + month * 100 + day, 20640319);
}

TEST(DailyTablesReference, TableValuesAgreeWithTheSwissEphemeris) {
  const auto& t = Shipped().tables;
  struct Body { const char* name; int number; const DailyTable* table; };
  const Body bodies[] = {
      {"Chiron", SE_CHIRON, &t.Chiron},       {"TransPluto", SE_ISIS, &t.TransPluto},
      {"Cupido", SE_CUPIDO, &t.Uranian[0]},   {"Hades", SE_HADES, &t.Uranian[1]},
      {"Zeus", SE_ZEUS, &t.Uranian[2]},       {"Kronos", SE_KRONOS, &t.Uranian[3]},
      {"Apollon", SE_APOLLON, &t.Uranian[4]}, {"Admetos", SE_ADMETOS, &t.Uranian[5]},
      {"Vulkanus", SE_VULKANUS, &t.Uranian[6]}, {"Poseidon", SE_POSEIDON, &t.Uranian[7]},
  };
  const int records[] = {0, 21, 12345, 36524, 51000, 59999};
  for (const auto& b : bodies) {
    for (int i : records) {
      const Reference ref = SwissEphemeris(b.number, 2415000.0 + i);
      const double lonError = std::remainder(b.table->Long[i] - ref.lon, 360.0);
      EXPECT_NEAR(lonError, 0.0, Tolerance) << b.name << " record " << i << ": table " << b.table->Long[i]
                                            << ", Swiss Ephemeris " << ref.lon;
      EXPECT_NEAR(b.table->Decl[i], ref.decl, Tolerance) << b.name << " record " << i;
    }
  }
}

// Lilith: the epoch value is Waldemath's dark moon at noon of 1 January 1900,
// and the loader's expansion keeps the uniform motion from there.
TEST(DailyTablesReference, LilithExpansionKeepsTheUniformMotionFromItsEpoch) {
  const auto& lilith = Shipped().tables.Lilith;
  const double epoch = SwissEphemeris(SE_WALDEMATH, 2415021.0).lon;
  EXPECT_NEAR(lilith.Long[21], epoch, Tolerance);
  double worst = 0;
  for (int i = 21; i < 60000; ++i) {
    const double uniform = epoch + 3.01844767123288 * (i - 21);
    worst = std::max(worst, std::fabs(std::remainder(lilith.Long[i] - uniform, 360.0)));
  }
  // Day-by-day single-precision sums drift within a year by a few thousandths.
  EXPECT_LT(worst, 5e-3);
  EXPECT_NEAR(lilith.Long[0], epoch - 21 * 3.01844767123288, 1e-3);
}
#endif
