// Every coefficient table of the ephemeris against the published series:
// row count, the sum of each column and the row-weighted sum of each column
// (row k counts k times, so swapped, shifted or dropped rows fail too). The
// expected figures, in tests/data/core/ephemeris_series_sums.txt, were
// summed from the published tables by a separate script, not from these
// arrays; they include the unpublished 71st lunar term, which sits between
// the 63rd and 64th with the argument of the 17th.
#include <gtest/gtest.h>

#include <array>
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

// The columns of a row in the order of the published table.
template <class... V>
std::vector<double> Row(V... values) {
  return {double(values)...};
}
auto Columns(const SunPlanetTerm& t) { return Row(t.c, t.K, t.a, t.b); }
auto Columns(const MoonLongitudeTerm& t) { return Row(t.c, t.D, t.M, t.Mp, t.F); }
auto Columns(const MoonNutationTerm& t) { return Row(t.c, t.Lp, t.Mp, t.Omega, t.L, t.M); }
auto Columns(const MoonLatitudeTerm& t) { return Row(t.c, t.S, t.X, t.F, t.Mp, t.M); }
auto Columns(const InnerElements& r) {
  return Row(r.a, r.e0, r.e1, r.i0, r.i1, r.Node0, r.Node1, r.Peri0, r.Peri1, r.M0, r.M1);
}
auto Columns(const JupiterSaturnTerm& t) { return Row(t.c0, t.c1, t.c2, t.f1, t.f2); }
auto Columns(const UranusNeptuneTerm& t) { return Row(t.c0, t.c1, t.c2, t.f1, t.f2); }
auto Columns(const PlutoTerm& t) {
  return Row(t.j, t.s, t.p, t.lonSin, t.lonCos, t.latSin, t.latCos, t.radSin, t.radCos);
}
std::vector<double> Columns(const OuterElements& r) {
  std::vector<double> c(r.L.begin(), r.L.end());
  c.push_back(r.a);
  for (const CubicElement* e : {&r.e, &r.i, &r.w, &r.Node}) c.insert(c.end(), e->begin(), e->end());
  return c;
}

// The row count, the sum of each column and the row-weighted sum of each column.
using Sums = std::array<std::vector<double>, 3>;
const char* const kSumNames[] = {"row count", "plain", "row-weighted"};

template <class Table>
Sums Checksum(const Table& table) {
  Sums s{std::vector<double>{double(std::size(table))}};
  int k = 0;
  for (const auto& row : table) {
    const std::vector<double> c = Columns(row);
    ++k;
    s[1].resize(c.size());
    s[2].resize(c.size());
    for (std::size_t i = 0; i < c.size(); ++i) {
      s[1][i] += c[i];
      s[2][i] += k * c[i];
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
  for (std::vector<std::string> row : testing::ReadCaseTable("core/ephemeris_series_sums.txt")) {
    std::istringstream head(row.at(0));
    std::string name;
    head >> name >> row[0];  // the name, then the row count
    const auto table = tables.find(name);
    ASSERT_NE(table, tables.end()) << "no table " << name;
    for (int part = 0; part < 3; ++part) ExpectColumns(name, kSumNames[part], table->second[part], row.at(part));
    tables.erase(table);
  }
  for (const auto& [name, sums] : tables) ADD_FAILURE() << name << " has no published sums";
}

}  // namespace
}  // namespace halcyra
