#include "horary/degree_tables.h"

#include "reports/report_names.h"

namespace halcyra {

namespace {

// Columns: sign, first degree, degree after the last, letter.
// Masculine "M" or feminine "F"; the ranges cover every sign whole.
constexpr DegreeRange kMasculineFeminine[] = {
    {1, 0, 8, 'M'}, {1, 8, 9, 'F'}, {1, 9, 15, 'M'}, {1, 15, 22, 'F'}, {1, 22, 30, 'M'},
    {2, 0, 5, 'F'}, {2, 5, 11, 'M'}, {2, 11, 17, 'F'}, {2, 17, 21, 'M'}, {2, 21, 24, 'F'}, {2, 24, 30, 'M'},
    {3, 0, 5, 'F'}, {3, 5, 16, 'M'}, {3, 16, 22, 'F'}, {3, 22, 26, 'M'}, {3, 26, 30, 'F'},
    {4, 0, 2, 'M'}, {4, 2, 8, 'F'}, {4, 8, 10, 'M'}, {4, 10, 12, 'F'}, {4, 12, 23, 'M'}, {4, 23, 27, 'F'}, {4, 27, 30, 'M'},
    {5, 0, 5, 'M'}, {5, 5, 8, 'F'}, {5, 8, 15, 'M'}, {5, 15, 23, 'F'}, {5, 23, 30, 'M'},
    {6, 0, 8, 'F'}, {6, 8, 12, 'M'}, {6, 12, 20, 'F'}, {6, 20, 30, 'M'},
    {7, 0, 5, 'M'}, {7, 5, 15, 'F'}, {7, 15, 20, 'M'}, {7, 20, 27, 'F'}, {7, 27, 30, 'M'},
    {8, 0, 4, 'M'}, {8, 4, 14, 'F'}, {8, 14, 17, 'M'}, {8, 17, 25, 'F'}, {8, 25, 30, 'M'},
    {9, 0, 2, 'M'}, {9, 2, 5, 'F'}, {9, 5, 12, 'M'}, {9, 12, 24, 'F'}, {9, 24, 30, 'M'},
    {10, 0, 11, 'M'}, {10, 11, 19, 'F'}, {10, 19, 30, 'M'},
    {11, 0, 5, 'M'}, {11, 5, 15, 'F'}, {11, 15, 21, 'M'}, {11, 21, 25, 'F'}, {11, 25, 27, 'M'}, {11, 27, 30, 'F'},
    {12, 0, 10, 'M'}, {12, 10, 20, 'F'}, {12, 20, 23, 'M'}, {12, 23, 28, 'F'}, {12, 28, 30, 'M'},
};
// Light "L", dark "D", smoky "S" or void "V"; the ranges cover every sign whole.
constexpr DegreeRange kLightDark[] = {
    {1, 0, 3, 'D'}, {1, 3, 8, 'L'}, {1, 8, 16, 'D'}, {1, 16, 20, 'L'}, {1, 20, 24, 'V'}, {1, 24, 29, 'L'}, {1, 29, 30, 'V'},
    {2, 0, 3, 'D'}, {2, 3, 7, 'L'}, {2, 7, 12, 'V'}, {2, 12, 15, 'L'}, {2, 15, 20, 'V'}, {2, 20, 28, 'L'}, {2, 28, 30, 'D'},
    {3, 0, 4, 'L'}, {3, 4, 7, 'D'}, {3, 7, 12, 'L'}, {3, 12, 16, 'V'}, {3, 16, 22, 'L'}, {3, 22, 27, 'D'}, {3, 27, 30, 'V'},
    {4, 0, 12, 'L'}, {4, 12, 14, 'D'}, {4, 14, 18, 'V'}, {4, 18, 20, 'S'}, {4, 20, 28, 'L'}, {4, 28, 30, 'V'},
    {5, 0, 10, 'D'}, {5, 10, 20, 'S'}, {5, 20, 25, 'V'}, {5, 25, 30, 'L'},
    {6, 0, 5, 'D'}, {6, 5, 8, 'L'}, {6, 8, 10, 'V'}, {6, 10, 16, 'L'}, {6, 16, 22, 'S'}, {6, 22, 30, 'V'},
    {7, 0, 5, 'L'}, {7, 5, 10, 'D'}, {7, 10, 18, 'L'}, {7, 18, 21, 'D'}, {7, 21, 27, 'L'}, {7, 27, 30, 'V'},
    {8, 0, 3, 'D'}, {8, 3, 8, 'L'}, {8, 8, 14, 'V'}, {8, 14, 22, 'L'}, {8, 22, 24, 'S'}, {8, 24, 29, 'V'}, {8, 29, 30, 'D'},
    {9, 0, 9, 'L'}, {9, 9, 12, 'D'}, {9, 12, 19, 'L'}, {9, 19, 23, 'S'}, {9, 23, 30, 'L'},
    {10, 0, 7, 'D'}, {10, 7, 10, 'L'}, {10, 10, 15, 'S'}, {10, 15, 22, 'D'}, {10, 22, 25, 'V'}, {10, 25, 30, 'D'},
    {11, 0, 4, 'S'}, {11, 4, 9, 'L'}, {11, 9, 13, 'D'}, {11, 13, 21, 'L'}, {11, 21, 25, 'V'}, {11, 25, 30, 'L'},
    {12, 0, 6, 'D'}, {12, 6, 12, 'L'}, {12, 12, 22, 'D'}, {12, 22, 25, 'V'}, {12, 25, 28, 'L'}, {12, 28, 30, 'D'},
};
// Pitted degrees "P".
constexpr DegreeRange kPitted[] = {
    {1, 5, 6, 'P'}, {1, 10, 11, 'P'}, {1, 15, 16, 'P'}, {1, 22, 23, 'P'}, {1, 28, 29, 'P'},
    {2, 4, 5, 'P'}, {2, 11, 12, 'P'}, {2, 23, 25, 'P'},
    {3, 1, 2, 'P'}, {3, 11, 12, 'P'}, {3, 16, 17, 'P'}, {3, 25, 26, 'P'}, {3, 29, 30, 'P'},
    {4, 11, 12, 'P'}, {4, 16, 17, 'P'}, {4, 22, 23, 'P'}, {4, 25, 26, 'P'}, {4, 29, 30, 'P'},
    {5, 5, 6, 'P'}, {5, 12, 13, 'P'}, {5, 14, 15, 'P'}, {5, 21, 23, 'P'}, {5, 27, 28, 'P'},
    {6, 7, 8, 'P'}, {6, 12, 13, 'P'}, {6, 15, 16, 'P'}, {6, 20, 22, 'P'},
    {7, 0, 1, 'P'}, {7, 6, 7, 'P'}, {7, 19, 20, 'P'}, {7, 29, 30, 'P'},
    {8, 8, 10, 'P'}, {8, 21, 23, 'P'}, {8, 26, 27, 'P'},
    {9, 6, 7, 'P'}, {9, 11, 12, 'P'}, {9, 14, 15, 'P'}, {9, 23, 24, 'P'}, {9, 26, 27, 'P'}, {9, 29, 30, 'P'},
    {10, 6, 7, 'P'}, {10, 16, 17, 'P'}, {10, 21, 22, 'P'}, {10, 23, 24, 'P'}, {10, 28, 29, 'P'},
    {11, 0, 1, 'P'}, {11, 11, 12, 'P'}, {11, 16, 17, 'P'}, {11, 21, 22, 'P'}, {11, 23, 24, 'P'}, {11, 28, 29, 'P'},
    {12, 3, 4, 'P'}, {12, 8, 9, 'P'}, {12, 23, 24, 'P'}, {12, 26, 28, 'P'},
};
// Lame degrees "L"; Aries, Gemini, Virgo, Libra and Pisces have none.
constexpr DegreeRange kLame[] = {
    {2, 5, 10, 'L'},
    {4, 8, 15, 'L'},
    {5, 17, 18, 'L'}, {5, 26, 28, 'L'},
    {8, 18, 19, 'L'}, {8, 27, 28, 'L'},
    {9, 0, 1, 'L'}, {9, 6, 8, 'L'}, {9, 17, 19, 'L'},
    {10, 25, 29, 'L'},
    {11, 17, 19, 'L'},
};
// Degrees of increasing fortune "I".
constexpr DegreeRange kIncreasingFortune[] = {
    {1, 18, 19, 'I'},
    {2, 2, 3, 'I'}, {2, 14, 15, 'I'}, {2, 26, 27, 'I'},
    {3, 10, 11, 'I'},
    {4, 0, 4, 'I'}, {4, 14, 15, 'I'},
    {5, 1, 2, 'I'}, {5, 4, 5, 'I'}, {5, 6, 7, 'I'}, {5, 18, 19, 'I'},
    {6, 2, 3, 'I'}, {6, 13, 14, 'I'}, {6, 19, 20, 'I'},
    {7, 2, 3, 'I'}, {7, 14, 15, 'I'}, {7, 20, 21, 'I'},
    {8, 6, 7, 'I'}, {8, 17, 18, 'I'}, {8, 19, 20, 'I'},
    {9, 11, 12, 'I'}, {9, 19, 20, 'I'},
    {10, 11, 14, 'I'}, {10, 19, 20, 'I'},
    {11, 6, 7, 'I'}, {11, 15, 17, 'I'}, {11, 19, 20, 'I'},
    {12, 12, 13, 'I'}, {12, 19, 20, 'I'},
};

constexpr std::array<DegreeQualityTable, 5> kTables = {{
    {kMasculineFeminine, 0},
    {kLightDark, 0},
    {kPitted, '-'},
    {kLame, '-'},
    {kIncreasingFortune, '-'},
}};

}  // namespace

const std::array<DegreeQualityTable, 5>& DegreeQualityTables() { return kTables; }

char DegreeQualityLetter(const DegreeQualityTable& table, double longitude) {
  for (const DegreeRange& r : table.ranges) {
    const int signStart = 30 * (r.sign - 1);
    if (signStart + r.from <= longitude && longitude < signStart + r.to) return r.letter;
  }
  return table.otherwise;
}

std::string FormatDegreeQualities(double longitude) {
  std::string text;
  for (size_t k = 0; k < kTables.size(); ++k) {
    if (k > 0) text += std::string(8, ' ');
    if (const char letter = DegreeQualityLetter(kTables[k], longitude)) text += letter;
  }
  return text;
}

void WriteDegreeQualities(LineSink& out, const ChartSet& natal) {
  out.WriteBlankLine();
  out.WriteLine("  -------------------------- DEGREES --------------------------");
  out.WriteLine(std::string(53, ' ') + "Increasing");
  out.WriteLine("  Object            M/F    L/D/S/V   Pitted   Lame    Fortune");
  for (int p = Sun; p <= Moon; ++p)
    out.WriteLine("  " + PointName10(p).substr(0, 7) + "  " + std::string(10, ' ') +
                  FormatDegreeQualities(natal.Long[p]));
  for (int k = 1; k <= 12; ++k)
    out.WriteLine("  " + HouseLabel(k) + " house cusp    " + FormatDegreeQualities(natal.Cusp[k]));
  out.WriteBlankLine();
  out.WriteLine("  M/F = masculine/feminine");
  out.WriteLine("  L/D/S/V = light/dark/smoky/void");
}

}  // namespace halcyra
