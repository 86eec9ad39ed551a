#pragma once
// The Sun's apparent geocentric longitude by Newcomb's theory: mean elements
// with their long-period terms, the equation of the centre, perturbations by
// Venus, Mars, Jupiter, Saturn and the Moon, aberration and a one-term
// nutation.
#include <array>

namespace halcyra {

// One planetary term: c arc-seconds times cos(K + a * A + b * g), A the
// planet's mean anomaly and g the Sun's, both in degrees.
struct SunPlanetTerm {
  double c, K;
  int a, b;
};

// Columns: c (arc-seconds), K (degrees), a, b.
inline constexpr std::array<SunPlanetTerm, 12> SunVenusTerms{{
    {4.838, 299.102, 1, -1},
    {0.116, 148.9, 2, -1},
    {5.526, 148.313, 2, -2},
    {2.497, 315.943, 2, -3},
    {0.666, 177.71, 3, -3},
    {1.559, 345.253, 3, -4},
    {1.024, 318.15, 3, -5},
    {0.21, 206.2, 4, -4},
    {0.144, 195.4, 4, -5},
    {0.152, 343.8, 4, -6},
    {0.123, 195.3, 5, -7},
    {0.154, 359.6, 5, -8},
}};
inline constexpr std::array<SunPlanetTerm, 11> SunMarsTerms{{
    {0.273, 217.7, -1, 1},
    {2.043, 343.888, -2, 2},
    {1.77, 200.402, -2, 1},
    {0.129, 294.2, -3, 3},
    {0.425, 338.88, -3, 2},
    {0.5, 105.18, -4, 3},
    {0.585, 334.06, -4, 2},
    {0.204, 100.8, -5, 3},
    {0.154, 227.4, -6, 4},
    {0.101, 96.3, -6, 3},
    {0.106, 222.7, -7, 4},
}};
inline constexpr std::array<SunPlanetTerm, 8> SunJupiterTerms{{
    {0.163, 198.6, -1, 2},
    {7.208, 179.532, -1, 1},
    {2.6, 263.217, -1, 0},
    {2.731, 87.145, -2, 2},
    {1.61, 109.493, -2, 1},
    {0.164, 170.5, -3, 3},
    {0.556, 82.65, -3, 2},
    {0.21, 98.5, -3, 1},
}};
inline constexpr std::array<SunPlanetTerm, 4> SunSaturnTerms{{
    {0.419, 100.58, -1, 1},
    {0.32, 269.46, -1, 0},
    {0.108, 290.6, -2, 2},
    {0.112, 293.6, -2, 1},
}};

struct SunPosition {
  double Lambda = 0;   // apparent longitude, within a few degrees of [0, 360)
  double SunLong = 0;  // the same, reduced to [0, 360)
};

// T: Julian centuries of 36525 days from JD 2415020.0, universal time.
SunPosition CalcSunPosition(double T);

}  // namespace halcyra
