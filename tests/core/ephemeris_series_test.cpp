// Every coefficient table of the ephemeris against the published series:
// row count, the sum of each column and the row-weighted sum of each column
// (row k counts k times, so swapped or shifted rows fail too). The expected
// figures were summed from the published tables by a separate script, not
// from these arrays.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/moon_series.h"
#include "core/perturbations_jupiter.h"
#include "core/perturbations_saturn.h"
#include "core/perturbations_uranus_neptune.h"
#include "core/planet_orbits.h"
#include "core/pluto.h"
#include "core/sun.h"

namespace halcyra {
namespace {

double Id(JupiterSaturnTrig f) { return static_cast<double>(f); }
double Id(UranusNeptuneTrig f) { return static_cast<double>(f); }

std::vector<double> Columns(const SunPlanetTerm& t) { return {t.c, t.K, double(t.a), double(t.b)}; }
std::vector<double> Columns(const MoonLongitudeTerm& t) {
  return {t.c, double(t.D), double(t.M), double(t.Mp), double(t.F)};
}
std::vector<double> Columns(const MoonNutationTerm& t) {
  return {t.c, double(t.Lp), double(t.Mp), double(t.Omega), double(t.L), double(t.M)};
}
std::vector<double> Columns(const MoonLatitudeTerm& t) {
  return {t.c, double(t.S), double(t.X), double(t.F), double(t.Mp), double(t.M)};
}
std::vector<double> Columns(const InnerElements& r) {
  return {r.a, r.e0, r.e1, r.i0, r.i1, r.Node0, r.Node1, r.Peri0, r.Peri1, r.M0, r.M1};
}
std::vector<double> Columns(const OuterElements& r) {
  std::vector<double> c(r.L.begin(), r.L.end());
  c.push_back(r.a);
  for (const CubicElement* e : {&r.e, &r.i, &r.w, &r.Node}) c.insert(c.end(), e->begin(), e->end());
  return c;
}
std::vector<double> Columns(const JupiterSaturnTerm& t) { return {t.c0, t.c1, t.c2, Id(t.f1), Id(t.f2)}; }
std::vector<double> Columns(const UranusNeptuneTerm& t) { return {t.c0, t.c1, t.c2, Id(t.f1), Id(t.f2)}; }
std::vector<double> Columns(const PlutoTerm& t) {
  return {double(t.j), double(t.s), double(t.p), t.lonSin, t.lonCos, t.latSin, t.latCos, t.radSin, t.radCos};
}

struct Sums {
  std::size_t rows = 0;
  std::vector<double> plain, weighted;
};

template <class Table>
Sums Checksum(const Table& table) {
  Sums s;
  s.rows = table.size();
  int k = 0;
  for (const auto& row : table) {
    ++k;
    const std::vector<double> c = Columns(row);
    s.plain.resize(c.size());
    s.weighted.resize(c.size());
    for (std::size_t i = 0; i < c.size(); ++i) {
      s.plain[i] += c[i];
      s.weighted[i] += k * c[i];
    }
  }
  return s;
}

struct Expected {
  const char* name;
  Sums got;
  std::size_t rows;
  std::vector<double> plain, weighted;
};

// Factor columns count the factor's place in JupiterSaturnTrig or
// UranusNeptuneTrig (One = 0).
const std::vector<Expected>& Tables() {
  static const std::vector<Expected> tables = {
    {"SunVenusTerms", Checksum(SunVenusTerms), 12, {17.009, 3053.671, 38.0, -49.0},
     {59.185, 20802.431, 296.0, -405.0}},
    {"SunMarsTerms", Checksum(SunMarsTerms), 11, {6.289999999999999, 2481.51, -43.0, 28.0},
     {24.599000000000004, 13613.081999999999, -321.0, 196.0}},
    {"SunJupiterTerms", Checksum(SunJupiterTerms), 8, {15.242, 1189.637, -16.0, 12.0},
     {47.909, 4632.91, -87.0, 57.0}},
    {"SunSaturnTerms", Checksum(SunSaturnTerms), 4, {0.959, 954.24, -6.0, 4.0},
     {1.831, 2685.7000000000003, -17.0, 11.0}},
    {"MoonLongitudeTerms", Checksum(MoonLongitudeTerms), 71, {29901.194, -24.0, 7.0, 82.0, 6.0},
     {70402.073, -1592.0, 251.0, 3663.0, 200.0}},
    {"MoonNutationTerms", Checksum(MoonNutationTerms), 6, {-18.325999999999997, 2.0, 1.0, 3.0, 2.0, 1.0},
     {-20.882000000000005, 10.0, 6.0, 5.0, 6.0, 4.0}},
    {"MoonLatitudeTerms", Checksum(MoonLatitudeTerms), 8, {17991.700000000004, 1.0, 5.0, 2.0, -3.0, 0.0},
     {17423.6, 1.0, 20.0, 15.0, -23.0, -1.0}},
    {"InnerElementTable", Checksum(InnerElementTable), 4, {3.634123031, 0.322521, 2.2000000000000006e-05, 12.249, 0.0021999999999999997, 174.568, 2.856, 648.0260000000001, 6.5235, 602.1152999999999, 263129.2275},
     {10.038962031, 0.8219160000000001, 0.000222, 31.5918, 0.004, 524.9300000000001, 8.154, 1996.8018000000002, 16.4174, 935.8879, 587056.9260999999}},
    {"OuterElementTable", Checksum(OuterElementTable), 5, {1112.9657760000002, 40910.33025499999, 0.0015982000000000001, -8.65e-06, 65.08501820000001, 0.17631955000000002, -0.00024337, -1.2465999999999996e-06, -9.6e-10, 6.3529610000000005, -0.0185333, 1.8809999999999998e-05, 4e-08, 1086.9237640000001, 4.7152268, 0.00120154, 2.1802999999999998e-05, 416.392328, 3.4813279, 0.0017616100000000003, -1.8538e-05},
     {2954.5681729999997, 48562.78630299999, 0.0048119, -2.6100000000000004e-05, 267.4897732, 0.5114603, -0.0008246100000000001, -2.9472e-06, -1.1799999999999996e-09, 22.081095, -0.0683657, 7.383e-05, 1.2000000000000002e-07, 3435.215565, 11.7449525, 0.0012029700000000007, 6.1345e-05, 1484.573459, 12.1299915, 0.00674405, -5.6540000000000004e-05}},
    {"JupiterMeanLongitudeTerms", Checksum(JupiterMeanLongitudeTerms), 23, {0.29994999999999994, -0.077417, -0.002128, 190.0, 256.0},
     {-0.522401, -0.16193, 0.000925, 2678.0, 4182.0}},
    {"JupiterEccentricityTerms", Checksum(JupiterEccentricityTerms), 29, {6430.0, 5.0, -43.0, 296.0, 448.0},
     {91838.0, 6173.0, -43.0, 4824.0, 7477.0}},
    {"JupiterPerihelionTerms", Checksum(JupiterPerihelionTerms), 18, {0.073551, -0.00315, 0.000197, 157.0, 276.0},
     {0.558953, -0.002481, 0.000394, 1591.0, 3108.0}},
    {"JupiterSemiAxisTerms", Checksum(JupiterSemiAxisTerms), 11, {1441.0, 0.0, 0.0, 108.0, 112.0},
     {5310.0, 0.0, 0.0, 672.0, 968.0}},
    {"UranusMeanLongitudeTerms", Checksum(UranusMeanLongitudeTerms), 5, {0.9876609999999999, -0.008416, 0.0, 15.0, 0.0},
     {1.1653479999999998, -0.015248999999999999, 0.0, 55.0, 0.0}},
    {"UranusEccentricityTerms", Checksum(UranusEccentricityTerms), 3, {18943.0, 163.0, 0.0, 7.0, 0.0},
     {42546.0, 163.0, 0.0, 17.0, 0.0}},
    {"UranusPerihelionTerms", Checksum(UranusPerihelionTerms), 3, {0.145972, -0.000947, 0.0, 6.0, 0.0},
     {0.177838, -0.001894, 0.0, 14.0, 0.0}},
    {"UranusSemiAxisTerms", Checksum(UranusSemiAxisTerms), 1, {-0.003825, 0.0, 0.0, 2.0, 0.0},
     {-0.003825, 0.0, 0.0, 2.0, 0.0}},
    {"UranusLongitudeTerms", Checksum(UranusLongitudeTerms), 10, {0.008211000000000003, 4.999999999999796e-06, -0.001042, 106.0, 0.0},
     {0.08297600000000005, -4.000000000000097e-05, -0.001216, 670.0, 0.0}},
    {"NeptuneMeanLongitudeTerms", Checksum(NeptuneMeanLongitudeTerms), 3, {-0.6702130000000001, 0.0057469999999999995, 0.0, 6.0, 0.0},
     {-0.774879, 0.010405, 0.0, 14.0, 0.0}},
    {"NeptuneEccentricityTerms", Checksum(NeptuneEccentricityTerms), 4, {10869.0, 0.0, 0.0, 10.0, 0.0},
     {23789.0, 0.0, 0.0, 29.0, 0.0}},
    {"NeptunePerihelionTerms", Checksum(NeptunePerihelionTerms), 4, {-0.001049999999999998, 0.0, 0.0, 10.0, 0.0},
     {-0.031917, 0.0, 0.0, 30.0, 0.0}},
    {"NeptuneSemiAxisTerms", Checksum(NeptuneSemiAxisTerms), 3, {8153.0, 0.0, 0.0, 7.0, 0.0},
     {17904.0, 0.0, 0.0, 17.0, 0.0}},
    {"NeptuneLongitudeTerms", Checksum(NeptuneLongitudeTerms), 5, {-0.017967, 0.0, 0.0, 64.0, 35.0},
     {-0.038249, 0.0, 0.0, 204.0, 158.0}},
    {"SaturnMeanLongitudeTerms", Checksum(SaturnMeanLongitudeTerms), 24, {-0.8252800000000001, 0.18436699999999998, 0.012614, 232.0, 274.0},
     {1.0955039999999996, 0.396458, 0.008513999999999999, 3592.0, 4749.0}},
    {"SaturnEccentricityTerms", Checksum(SaturnEccentricityTerms), 49, {15983.0, 831.0, -162.0, 583.0, 752.0},
     {-145888.0, -37893.0, -415.0, 15886.0, 21959.0}},
    {"SaturnPerihelionTerms", Checksum(SaturnPerihelionTerms), 17, {-0.18711999999999998, -0.00841, -0.002069, 151.0, 243.0},
     {-1.7621429999999998, -0.033080000000000005, -0.002605, 1519.0, 2694.0}},
    {"SaturnSemiAxisTerms", Checksum(SaturnSemiAxisTerms), 36, {33360.0, 674.0, 0.0, 369.0, 500.0},
     {151962.0, 2918.0, 0.0, 6922.0, 11672.0}},
    {"PlutoTerms", Checksum(PlutoTerms), 32, {23.0, 13.0, 14.0, -18639284.0, 15737628.0, -2703643.0, -13189969.0, 5599565.0, 6807897.0},
     {573.0, 200.0, -138.0, -16985970.0, 12560163.0, -795391.0, -11362573.0, 4747679.0, 6684810.0}},
  };
  return tables;
}

void ExpectColumns(const char* table, const char* what, const std::vector<double>& got,
                   const std::vector<double>& want) {
  ASSERT_EQ(got.size(), want.size()) << table;
  for (std::size_t i = 0; i < want.size(); ++i)
    EXPECT_NEAR(got[i], want[i], 1e-9 * std::max(1.0, std::fabs(want[i])))
        << table << " " << what << " sum of column " << i + 1;
}

TEST(EphemerisSeries, EveryTableHasThePublishedRowsAndCoefficients) {
  for (const Expected& e : Tables()) {
    EXPECT_EQ(e.got.rows, e.rows) << e.name;
    ExpectColumns(e.name, "plain", e.got.plain, e.plain);
    ExpectColumns(e.name, "row-weighted", e.got.weighted, e.weighted);
  }
}

// The published series count 59 longitude, 41 latitude and 54 radius terms
// for Pluto; a zero stands for a missing one.
TEST(EphemerisSeries, PlutoHasThePublishedNumberOfTerms) {
  int counts[6] = {};
  for (const PlutoTerm& t : PlutoTerms) {
    const double c[6] = {t.lonSin, t.lonCos, t.latSin, t.latCos, t.radSin, t.radCos};
    for (int i = 0; i < 6; ++i) counts[i] += c[i] != 0;
  }
  EXPECT_EQ(counts[0] + counts[1], 59);
  EXPECT_EQ(counts[2] + counts[3], 41);
  EXPECT_EQ(counts[4] + counts[5], 54);
}

// The unpublished 71st lunar term sits between the 63rd and 64th terms with
// the argument of the 17th.
TEST(EphemerisSeries, MoonSeventyFirstTermSharesTheSeventeenthArgument) {
  const MoonLongitudeTerm& extra = MoonLongitudeTerms[63];
  const MoonLongitudeTerm& row17 = MoonLongitudeTerms[16];
  EXPECT_DOUBLE_EQ(extra.c, 0.64);
  EXPECT_EQ(extra.D, row17.D);
  EXPECT_EQ(extra.M, row17.M);
  EXPECT_EQ(extra.Mp, row17.Mp);
  EXPECT_EQ(extra.F, row17.F);
}

}  // namespace
}  // namespace halcyra
