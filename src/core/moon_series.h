#pragma once
// The periodic series of the Moon's theory, in their published order. Every
// coefficient is in arc-seconds; every argument is a sum of whole multiples
// of the mean arguments in degrees: L' and M' the Moon's mean longitude and
// anomaly, L and M the Sun's, Omega the node, D = L' - L, F = L' - Omega,
// S the latitude's auxiliary argument and X = 2L - L' - Omega.
#include <array>

namespace halcyra {

struct MoonLongitudeTerm {
  double c;
  int D, M, Mp, F;
};

struct MoonNutationTerm {
  double c;
  int Lp, Mp, Omega, L, M;
};

struct MoonLatitudeTerm {
  double c;
  int S, X, F, Mp, M;
};

// Columns: c (arc-seconds), multipliers of D, M, M', F.
inline constexpr std::array<MoonLongitudeTerm, 71> MoonLongitudeTerms{{
    {22639.55, 0, 0, 1, 0},
    {769.02, 0, 0, 2, 0},
    {-125.15, 1, 0, 0, 0},
    {2369.912, 2, 0, 0, 0},
    {-668.15, 0, 1, 0, 0},
    {-411.61, 0, 0, 0, 2},
    {211.66, 2, 0, -2, 0},
    {4586.47, 2, 0, -1, 0},
    {191.95, 2, 0, 1, 0},
    {165.15, 2, -1, 0, 0},
    {205.96, 2, -1, -1, 0},
    {-109.67, 0, 1, 1, 0},
    {147.69, 0, -1, 1, 0},
    {-55.17, -2, 0, 0, 2},
    {-45.099, 0, 0, 1, 2},
    {39.53, 0, 0, 1, -2},
    {-38.43, -4, 0, 1, 0},
    {36.12, 0, 0, 3, 0},
    {-30.77, -4, 0, 2, 0},
    {28.48, -2, -1, 1, 0},
    {-24.42, 2, 1, 0, 0},
    {18.61, -1, 0, 1, 0},
    {18.02, 1, 1, 0, 0},
    {14.58, 2, -1, 1, 0},
    {14.39, 2, 0, 2, 0},
    {13.9, 4, 0, 0, 0},
    {-13.19, -2, 0, 3, 0},
    {9.7, 0, -1, 2, 0},
    {9.37, -2, 0, 1, -2},
    {-8.63, -2, 1, 2, 0},
    {-8.47, 1, 0, 1, 0},
    {-8.096, -2, 2, 0, 0},
    {-7.65, 0, 1, 2, 0},
    {-7.49, 0, 2, 0, 0},
    {-7.41, -2, 2, 1, 0},
    {-6.38, 2, 0, 1, -2},
    {-5.74, 2, 0, 0, 2},
    {-4.39, -4, 1, 1, 0},
    {-3.99, 0, 0, 2, 2},
    {3.22, -3, 0, 1, 0},
    {-2.92, 2, 1, 1, 0},
    {-2.74, -4, 1, 2, 0},
    {-2.49, -2, -1, 2, 0},
    {2.58, 0, -2, 1, 0},
    {2.53, -2, -2, 1, 0},
    {-2.15, -2, 1, 0, 2},
    {1.98, 4, 0, 1, 0},
    {1.94, 0, 0, 4, 0},
    {-1.88, -4, 1, 0, 0},
    {1.75, -1, 0, 2, 0},
    {-1.44, 2, 1, 0, -2},
    {-1.298, 0, 0, 2, -2},
    {1.27, 1, 1, 1, 0},
    {1.23, -3, 0, 2, 0},
    {-1.19, -4, 0, 3, 0},
    {1.18, 2, -1, 2, 0},
    {-1.17, 0, 2, 1, 0},
    {-1.09, -1, -1, 1, 0},
    {1.06, 2, 0, 3, 0},
    {-0.59, 1, 0, 2, 0},
    {-0.99, 2, 0, 1, 2},
    {-0.95, -2, 0, 4, 0},
    {-0.57, -6, 0, 2, 0},
    // The 71st term: its argument is not published with the series;
    // M' - 4D (the argument of the 17th term) is used, so it only adds
    // 0.64" to that term's coefficient.
    {0.64, -4, 0, 1, 0},
    {0.56, -1, 1, 0, 0},
    {0.76, 2, -2, 1, 0},
    {0.58, -1, 0, 0, 2},
    {-0.55, 0, 1, 3, 0},
    {0.68, 0, -1, 3, 0},
    {0.557, -2, 0, 2, 2},
    {0.538, -2, 0, 2, -2},
}};

// Nutation in longitude. Columns: c (arc-seconds), multipliers of L', M',
// Omega, L, M.
inline constexpr std::array<MoonNutationTerm, 6> MoonNutationTerms{{
    {-17.2, 0, 0, 1, 0, 0},  // Ω
    {0.206, 0, 0, 2, 0, 0},  // 2Ω
    {-1.319, 0, 0, 0, 2, 0},  // 2L
    {0.143, 0, 0, 0, 0, 1},  // M
    {-0.227, 2, 0, 0, 0, 0},  // 2L′
    {0.071, 0, 1, 0, 0, 0},  // M′
}};

// Columns: c (arc-seconds), multipliers of S, X, F, M', M.
inline constexpr std::array<MoonLatitudeTerm, 8> MoonLatitudeTerms{{
    {18519.7, 1, 0, 0, 0, 0},  // S
    {-526.1, 0, 1, 0, 0, 0},  // X
    {44.3, 0, 1, 0, 1, 0},  // X + M′
    {-30.6, 0, 1, 0, -1, 0},  // X − M′
    {-22.6, 0, 1, 0, 0, 1},  // X + M
    {11, 0, 1, 0, 0, -1},  // X − M
    {-24.6, 0, 0, 1, -2, 0},  // F − 2M′
    {20.6, 0, 0, 1, -1, 0},  // F − M′
}};

}  // namespace halcyra
