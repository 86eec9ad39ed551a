#pragma once
// The periodic corrections of Uranus and Neptune. Each replaces the element
// step's mean anomaly by the planet's own, corrects w, e and a, and leaves a
// longitude correction that the ephemeris driver adds to the geocentric
// longitude.
#include <array>

#include "core/perturbation_args.h"
#include "core/planet_orbit.h"

namespace halcyra {

// Columns of every series: c0, c1 (times Nu), c2 (times Nu^2), factors.
// Uranus: Zeta = S - P, Eta = S - Q, Theta = G - S.

// A, mean longitude, degrees.
inline constexpr std::array<UranusNeptuneTerm, 5> UranusMeanLongitudeTerms{{
    {0.864319, -0.001583, 0, UranusNeptuneTrig::SinH},
    {0.082222, -0.006833, 0, UranusNeptuneTrig::CosH},
    {0.036017, 0, 0, UranusNeptuneTrig::Sin2H},
    {-0.003019, 0, 0, UranusNeptuneTrig::Cos2H},
    {0.008122, 0, 0, UranusNeptuneTrig::SinW},
}};

// q, eccentricity, units of 0.0000001.
inline constexpr std::array<UranusNeptuneTerm, 3> UranusEccentricityTerms{{
    {-3349, 163, 0, UranusNeptuneTrig::SinH},
    {20981, 0, 0, UranusNeptuneTrig::CosH},
    {1311, 0, 0, UranusNeptuneTrig::Cos2H},
}};

// B, perihelion, degrees times e.
inline constexpr std::array<UranusNeptuneTerm, 3> UranusPerihelionTerms{{
    {0.120303, 0, 0, UranusNeptuneTrig::SinH},
    {0.019472, -0.000947, 0, UranusNeptuneTrig::CosH},
    {0.006197, 0, 0, UranusNeptuneTrig::Sin2H},
}};

// da, semi-axis, AU.
inline constexpr std::array<UranusNeptuneTerm, 1> UranusSemiAxisTerms{{
    {-0.003825, 0, 0, UranusNeptuneTrig::CosH},
}};

// dL, longitude left for the ephemeris driver, degrees.
inline constexpr std::array<UranusNeptuneTerm, 10> UranusLongitudeTerms{{
    {0.010122, -0.000988, 0, UranusNeptuneTrig::SinSPlusEta},
    {-0.038581, 0.002031, -0.00191, UranusNeptuneTrig::CosSPlusEta},
    {0.034964, -0.001038, 0.000868, UranusNeptuneTrig::Cos2SPlusEta},
    {0.005594, 0, 0, UranusNeptuneTrig::SinSPlus3Theta},
    {-0.014808, 0, 0, UranusNeptuneTrig::SinZeta},
    {-0.005794, 0, 0, UranusNeptuneTrig::SinEta},
    {0.002347, 0, 0, UranusNeptuneTrig::CosEta},
    {0.009872, 0, 0, UranusNeptuneTrig::SinTheta},
    {0.008803, 0, 0, UranusNeptuneTrig::Sin2Theta},
    {-0.004308, 0, 0, UranusNeptuneTrig::Sin3Theta},
}};


// Neptune: Zeta = G - P, Eta = G - Q, Theta = G - S.

// A, mean longitude, degrees.
inline constexpr std::array<UranusNeptuneTerm, 3> NeptuneMeanLongitudeTerms{{
    {-0.589833, 0.001089, 0, UranusNeptuneTrig::SinH},
    {-0.056094, 0.004658, 0, UranusNeptuneTrig::CosH},
    {-0.024286, 0, 0, UranusNeptuneTrig::Sin2H},
}};

// q, eccentricity, units of 0.0000001.
inline constexpr std::array<UranusNeptuneTerm, 4> NeptuneEccentricityTerms{{
    {4389, 0, 0, UranusNeptuneTrig::SinH},
    {1129, 0, 0, UranusNeptuneTrig::Sin2H},
    {4262, 0, 0, UranusNeptuneTrig::CosH},
    {1089, 0, 0, UranusNeptuneTrig::Cos2H},
}};

// B, perihelion, degrees times e.
inline constexpr std::array<UranusNeptuneTerm, 4> NeptunePerihelionTerms{{
    {0.024039, 0, 0, UranusNeptuneTrig::SinH},
    {-0.025303, 0, 0, UranusNeptuneTrig::CosH},
    {0.006206, 0, 0, UranusNeptuneTrig::Sin2H},
    {-0.005992, 0, 0, UranusNeptuneTrig::Cos2H},
}};

// da, semi-axis, units of 0.000001 AU.
inline constexpr std::array<UranusNeptuneTerm, 3> NeptuneSemiAxisTerms{{
    {-817, 0, 0, UranusNeptuneTrig::SinH},
    {8189, 0, 0, UranusNeptuneTrig::CosH},
    {781, 0, 0, UranusNeptuneTrig::Cos2H},
}};

// dL, longitude left for the ephemeris driver, degrees.
inline constexpr std::array<UranusNeptuneTerm, 5> NeptuneLongitudeTerms{{
    {-0.009556, 0, 0, UranusNeptuneTrig::SinZeta},
    {-0.005178, 0, 0, UranusNeptuneTrig::SinEta},
    {0.002572, 0, 0, UranusNeptuneTrig::Sin2Theta},
    {-0.002972, 0, 0, UranusNeptuneTrig::Cos2Theta, UranusNeptuneTrig::SinG},
    {-0.002833, 0, 0, UranusNeptuneTrig::Sin2Theta, UranusNeptuneTrig::CosG},
}};

// Correct the planet's orbit and return its longitude correction (degrees).
double PerturbUranus(const PerturbationMoment& moment, PlanetOrbit& orbit);
double PerturbUranus(double T, PlanetOrbit& orbit);
double PerturbNeptune(const PerturbationMoment& moment, PlanetOrbit& orbit);
double PerturbNeptune(double T, PlanetOrbit& orbit);

}  // namespace halcyra
