#pragma once
// Pluto's heliocentric position from a periodic series in the mean
// longitudes of Jupiter (J), Saturn (S) and Pluto (P), referred to a fixed
// equinox; the ephemeris driver carries the longitude to the date's equinox.
#include <array>

namespace halcyra {

// One argument j J + s S + p P with its sine and cosine coefficients for
// longitude, latitude (millionths of a degree) and radius (millionths of an
// AU); a zero stands for a term the series does not have.
struct PlutoTerm {
  int j, s, p;
  double lonSin, lonCos, latSin, latCos, radSin, radCos;
};

// Columns: j, s, p, longitude sin, cos, latitude sin, cos, radius sin, cos.
inline constexpr std::array<PlutoTerm, 32> PlutoTerms{{
    {0, 0, 1, -19977972, 19667536, -5323113, -15024245, 6623876, 6955990},  // P
    {0, 0, 2, 987114, -4939350, 3497557, 1735457, -1181808, -54836},  // 2P
    {0, 0, 3, 577978, 1226898, -1059559, 299464, 163227, -139603},  // 3P
    {0, 0, 4, -334695, -201966, 189102, -285383, -3644, 48144},  // 4P
    {0, 0, 5, 130519, -29025, 14231, 101218, -6268, -8851},  // 5P
    {0, 0, 6, -39851, 28968, -29164, -27461, 3111, -408},  // 6P
    {0, 1, -1, 20387, -9832, 4935, 11282, -621, 2223},  // S - P
    {0, 1, 0, -3986, -4954, 312, -128, 438, 450},  // S
    {0, 1, 1, -5817, -3365, 2057, -904, -153, 61},  // S + P
    {0, 1, 2, -3903, 2895, 19, -674, -3, 79},  // S + 2P
    {0, 1, 3, -738, 3443, -307, -576, 50, 54},  // S + 3P
    {0, 2, -2, 1234, 472, -65, 39, -1, -22},  // 2S - 2P
    {0, 2, -1, 1101, -894, -97, 208, 84, -48},  // 2S - P
    {0, 2, 0, 625, -1214, 0, -160, -30, 61},  // 2S
    {1, -1, 0, 2485, -486, -177, 259, 26, -39},  // J - S
    {1, -1, 1, 852, -1407, 15, 235, -19, -40},  // J - S + P
    {1, 0, -3, -948, 1073, 578, -293, -321, 42},  // J - 3P
    {1, 0, -2, -2309, -1024, -294, 694, 797, -792},  // J - 2P
    {1, 0, -1, 7047, 770, 156, 201, -4, 4564},  // J - P
    {1, 0, 0, 1184, -344, 294, 829, 852, 855},  // J
    {1, 0, 1, 394, -55, -123, -31, -88, -82},  // J + P
    {1, 0, 2, 119, -264, 0, 0, 21, -12},  // J + 2P
    {1, 0, 3, -46, -156, 0, 0, -14, 6},  // J + 3P
    {1, 0, 4, -77, -33, 0, 0, 0, 0},  // J + 4P
    {1, 1, -3, -34, -26, 0, 0, 0, 0},  // J + S - 3P
    {1, 1, -2, -43, 0, 0, 0, 0, 0},  // J + S - 2P
    {1, 1, -1, -15, 21, 0, 0, 0, 0},  // J + S - P
    {2, 0, -3, 10, 22, 0, 0, -6, 1},  // 2J - 3P
    {2, 0, -2, -57, -32, 0, 0, 0, 0},  // 2J - 2P
    {2, 1, -2, 0, 0, 0, 0, 13, -23},  // 2J + S - 2P
    {2, 0, -1, 158, -43, 0, 0, 25, 107},  // 2J - P
    {2, 0, 0, 0, 0, 0, 0, 25, 16},  // 2J
}};

struct PlutoHelio {
  double Long = 0;    // degrees, not reduced to [0, 360)
  double Lat = 0;     // degrees
  double Radius = 0;  // AU
};

// T: Julian centuries from JD 2415020.0.
PlutoHelio CalcPlutoPosition(double T);

}  // namespace halcyra
