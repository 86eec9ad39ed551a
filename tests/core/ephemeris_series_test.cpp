// Every coefficient table of the ephemeris against the published series:
// row count, the sum of each column and the row-weighted sum of each column
// (row k counts k times, so swapped, shifted or dropped rows fail too). The
// expected figures, in tests/data/core/ephemeris_series_sums.txt, were
// summed from the published tables by a separate script, not from these
// arrays; they include the unpublished 71st lunar term, which sits between
// the 63rd and 64th with the argument of the 17th.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/moon_series.h"
#include "core/perturbations_jupiter.h"
#include "core/perturbations_saturn.h"
#include "core/perturbations_uranus_neptune.h"
#include "core/planet_orbits.h"
#include "core/pluto.h"
#include "core/sun.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

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
std::vector<double> Columns(const JupiterSaturnTerm& t) { return {t.c0, t.c1, t.c2, double(t.f1), double(t.f2)}; }
std::vector<double> Columns(const UranusNeptuneTerm& t) { return {t.c0, t.c1, t.c2, double(t.f1), double(t.f2)}; }
std::vector<double> Columns(const PlutoTerm& t) {
  return {double(t.j), double(t.s), double(t.p), t.lonSin, t.lonCos, t.latSin, t.latCos, t.radSin, t.radCos};
}

// The row count, then the plain and the row-weighted sum of each column.
struct Sums {
  std::size_t rows = 0;
  std::vector<double> plain, weighted;
};

template <class Table>
Sums Checksum(const Table& table) {
  Sums s;
  for (const auto& row : table) {
    const std::vector<double> c = Columns(row);
    ++s.rows;
    s.plain.resize(c.size());
    s.weighted.resize(c.size());
    for (std::size_t i = 0; i < c.size(); ++i) {
      s.plain[i] += c[i];
      s.weighted[i] += s.rows * c[i];
    }
  }
  return s;
}

void ExpectColumns(const std::string& table, const char* what, const std::vector<double>& got,
                   const std::string& published) {
  std::istringstream in(published);
  std::vector<double> want;
  for (double x; in >> x;) want.push_back(x);
  ASSERT_EQ(got.size(), want.size()) << table << " " << what << " columns";
  for (std::size_t i = 0; i < want.size(); ++i)
    EXPECT_NEAR(got[i], want[i], 1e-9 * std::max(1.0, std::fabs(want[i])))
        << table << " " << what << " sum of column " << i + 1;
}

TEST(EphemerisSeries, EveryTableHasThePublishedRowsAndCoefficients) {
  // the name as the table's own, so the two cannot disagree
#define TABLE(t) {#t, Checksum(t)}
  std::map<std::string, Sums> tables = {
      TABLE(SunVenusTerms), TABLE(SunMarsTerms), TABLE(SunJupiterTerms), TABLE(SunSaturnTerms),
      TABLE(MoonLongitudeTerms), TABLE(MoonNutationTerms), TABLE(MoonLatitudeTerms), TABLE(InnerElementTable),
      TABLE(OuterElementTable), TABLE(JupiterMeanLongitudeTerms), TABLE(JupiterEccentricityTerms),
      TABLE(JupiterPerihelionTerms), TABLE(JupiterSemiAxisTerms), TABLE(SaturnMeanLongitudeTerms),
      TABLE(SaturnEccentricityTerms), TABLE(SaturnPerihelionTerms), TABLE(SaturnSemiAxisTerms),
      TABLE(UranusMeanLongitudeTerms), TABLE(UranusEccentricityTerms), TABLE(UranusPerihelionTerms),
      TABLE(UranusSemiAxisTerms), TABLE(UranusLongitudeTerms), TABLE(NeptuneMeanLongitudeTerms),
      TABLE(NeptuneEccentricityTerms), TABLE(NeptunePerihelionTerms), TABLE(NeptuneSemiAxisTerms),
      TABLE(NeptuneLongitudeTerms), TABLE(PlutoTerms),
  };
#undef TABLE
  for (const auto& row : testing::ReadCaseTable("core/ephemeris_series_sums.txt")) {
    std::istringstream head(row.at(0));
    std::string name;
    std::size_t rows = 0;
    head >> name >> rows;
    const auto table = tables.find(name);
    ASSERT_NE(table, tables.end()) << "no table " << name;
    EXPECT_EQ(table->second.rows, rows) << name;
    ExpectColumns(name, "plain", table->second.plain, row.at(1));
    ExpectColumns(name, "row-weighted", table->second.weighted, row.at(2));
    tables.erase(table);
  }
  for (const auto& [name, sums] : tables) ADD_FAILURE() << name << " has no published sums";
}

}  // namespace
}  // namespace halcyra
