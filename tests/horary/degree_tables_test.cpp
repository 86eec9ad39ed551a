// The degree qualities, decans and dwads: letters and signs at the range
// bounds, worked by hand from the tables, and the coverage of each table.
#include <gtest/gtest.h>

#include <string>

#include "horary/decans_dwads.h"
#include "horary/degree_tables.h"
#include "reports/report_names.h"

namespace halcyra {
namespace {

// Five one-letter codes, "_" for a place left empty, 9 characters apart.
std::string Qualities(const std::string& codes) {
  std::string text;
  for (size_t k = 0; k < codes.size(); ++k) {
    if (k > 0) text += std::string(8, ' ');
    if (codes[k] != '_') text += codes[k];
  }
  return text;
}

TEST(DegreeQualities, LettersDecansAndDwadsAtTheBounds) {
  // longitude; M/F, L/D/S/V, pitted, lame, fortune; decanate and dwad signs.
  // A bound belongs to the range that starts there.
  struct Case { double longitude; const char* codes; const char* decan; const char* dwad; };
  const Case cases[] = {
      {0.0, "MD---", "ARI", "ARI"},    {2.5, "MD---", "ARI", "TAU"},    // first dwad ends at 2.5
      {5.0, "MLP--", "ARI", "GEM"},    {6.0, "ML---", "ARI", "GEM"},    // pitted 5-6 holds 5, not 6
      {8.0, "FD---", "ARI", "CAN"},    {9.0, "MD---", "ARI", "CAN"},    // feminine 8-9 only
      {9.99, "MD---", "ARI", "CAN"},   {10.0, "MDP--", "LEO", "LEO"},   // second decanate from 10
      {20.0, "FV---", "SAG", "SAG"},   {35.0, "ML-L-", "TAU", "CAN"},   // Taurus 5: lame 5-10
      {100.0, "FL-L-", "SCO", "SCO"},  {108.0, "MS---", "SCO", "AQU"},  // Cancer 10 and 18
      {150.0, "FD---", "VIR", "VIR"},  {283.99, "FS--I", "TAU", "GEM"}, // Virgo 0; Capricorn 13.99
      {359.9, "MD---", "SCO", "AQU"},  {359.5, "MD---", "SCO", "AQU"},  // the last dwad of Pisces
      {360.0, "__---", "ARI", "ARI"},                                   // no range: 35 characters
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatDegreeQualities(c.longitude), Qualities(c.codes)) << c.longitude;
    EXPECT_EQ(SignAbbrev(DecanIndex(c.longitude)), c.decan) << c.longitude;
    EXPECT_EQ(SignAbbrev(DwadIndex(c.longitude)), c.dwad) << c.longitude;
  }
  EXPECT_EQ(FormatDecanDwad(359.9), "     SCO       AQU");
}

// Every whole degree of the zodiac gets exactly one letter from each table:
// from exactly one range where the ranges cover the zodiac, else from at
// most one range or the table's "-".
TEST(DegreeQualities, EachTableGivesEveryDegreeOneLetter) {
  const auto& tables = DegreeQualityTables();
  for (size_t k = 0; k < tables.size(); ++k) {
    const DegreeQualityTable& table = tables[k];
    for (const DegreeRange& r : table.ranges)
      EXPECT_TRUE(r.sign >= 1 && r.sign <= 12 && r.from >= 0 && r.from < r.to && r.to <= 30)
          << "table " << k + 1 << " sign " << r.sign << " " << r.from << "-" << r.to;
    for (int degree = 0; degree < 360; ++degree) {
      int holding = 0;
      for (const DegreeRange& r : table.ranges)
        holding += 30 * (r.sign - 1) + r.from <= degree && degree < 30 * (r.sign - 1) + r.to;
      if (table.otherwise == 0) EXPECT_EQ(holding, 1) << "table " << k + 1 << " degree " << degree;
      else EXPECT_LE(holding, 1) << "table " << k + 1 << " degree " << degree;
    }
  }
}

}  // namespace
}  // namespace halcyra
