// The natal degree grid: cells at a sign's edges, and the bands of points
// sharing a whole degree, also more than nine of them.
#include <gtest/gtest.h>

#include "wheels/degree_grid.h"

namespace halcyra {
namespace {

// Points 1 to 15 at 1, 3, 5 ... 29 degrees of signs one after another (no
// two at one whole degree), then the given longitudes.
ChartSet NatalOf(std::initializer_list<std::pair<int, double>> placed) {
  ChartSet natal;
  for (int p = 1; p <= NumPoints; ++p) natal.Long[p] = 30.0 * (p % 12) + (2 * p - 1) + 0.25;
  for (const auto& [p, l] : placed) natal.Long[p] = l;
  return natal;
}

TEST(DegreeGrid, CellsAtASignsEdges) {
  struct Case {
    const char* what;
    double sunLongitude;
    int degree;
    std::vector<std::string> cell;  // lines 0 to 3 of the degree's cell in band 0
  };
  const Case cases[] = {
      {"on a sign boundary: 0 degrees of the next sign", 30, 0, {"Su ", " 0 ", "TA ", " 0 "}},
      {"minutes of 59.7 show 59 and keep the degree", 76 + 59.7 / 60, 16, {"Su ", "16 ", "GE ", "59 "}},
      {"the last minute of the zodiac", 359.999, 29, {"Su ", "29 ", "PI ", "59 "}},
  };
  for (const Case& c : cases) {
    const auto bands = DegreeGridBands(NatalOf({{Sun, c.sunLongitude}, {Midheaven, 88}}));
    std::vector<std::string> cell;
    for (int line = 0; line < 4; ++line) cell.push_back(bands.at(0)[line].substr(3 * size_t(c.degree), 3));
    EXPECT_EQ(cell, c.cell) << c.what;
  }
}

TEST(DegreeGrid, PointsOfOneDegreeStackInBandsByTheirPlaceInTheSign) {
  struct Case {
    const char* what;
    ChartSet natal;
    int degree;
    std::string codes;  // line 0 of the degree's cell in bands 0, 1, ...
  };
  const Case cases[] = {
      {"three at 12 degrees of three signs", NatalOf({{Sun, 12.5}, {Moon, 42.2}, {Mars, 282.9}}), 12, "MoSuMa"},
      // the exchange sort exchanges equal places too
      {"equal places within the sign", NatalOf({{Sun, 12.5}, {Venus, 42.5}}), 12, "VeSu"},
      // nine bands would leave the tenth point out: the table grows
      {"ten at one whole degree",
       NatalOf({{1, 7.1}, {2, 37.2}, {3, 67.3}, {4, 97.4}, {5, 127.5}, {6, 157.6}, {7, 187.7}, {8, 217.8},
                {9, 247.9}, {10, 277.95}}),
       7, "SuMeVeMaJuSaUrNePlMo"},
  };
  for (const Case& c : cases) {
    std::string codes;
    for (const auto& band : DegreeGridBands(c.natal)) codes += band[0].substr(3 * size_t(c.degree), 2);
    EXPECT_EQ(codes, c.codes) << c.what;
    LineCollector sink;
    DrawAsciiGrid(sink, c.natal);
    EXPECT_EQ(sink.lines.size(), 3 + 5 * c.codes.size() / 2) << c.what << ": blank lines, header, every band";
  }
}

}  // namespace
}  // namespace halcyra
