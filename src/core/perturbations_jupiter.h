#pragma once
// Jupiter's periodic corrections for the attraction of Saturn, applied to
// its mean elements before Kepler's equation.
#include <array>

#include "core/perturbation_args.h"
#include "core/planet_orbit.h"

namespace halcyra {

// Columns of every series: c0, c1 (times Nu), c2 (times Nu^2), factors.

// A, mean longitude, degrees.
inline constexpr std::array<JupiterSaturnTerm, 23> JupiterMeanLongitudeTerms{{
    {0.331364, -0.010281, -0.004692, JupiterSaturnTrig::SinV},
    {0.003228, -0.064436, 0.002075, JupiterSaturnTrig::CosV},
    {-0.003083, -0.000275, 0.000489, JupiterSaturnTrig::Sin2V},
    {0.002472, 0, 0, JupiterSaturnTrig::SinW},
    {0.013619, 0, 0, JupiterSaturnTrig::SinZeta},
    {0.018472, 0, 0, JupiterSaturnTrig::Sin2Zeta},
    {0.006717, 0, 0, JupiterSaturnTrig::Sin3Zeta},
    {0.002775, 0, 0, JupiterSaturnTrig::Sin4Zeta},
    {0.007275, -0.001253, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::SinQ},
    {0.006417, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::SinQ},
    {0.002439, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::SinQ},
    {-0.033839, -0.001125, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::SinQ},
    {-0.003767, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::SinQ},
    {-0.035681, -0.001208, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::CosQ},
    {-0.004261, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::CosQ},
    {0.002178, 0, 0, JupiterSaturnTrig::CosQ},
    {-0.006333, 0.001161, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::CosQ},
    {-0.006675, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::CosQ},
    {-0.002664, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::CosQ},
    {-0.002572, 0, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::Sin2Q},
    {-0.003567, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::Sin2Q},
    {0.002094, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::Cos2Q},
    {0.003342, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::Cos2Q},
}};

// q, eccentricity, units of 0.0000001.
inline constexpr std::array<JupiterSaturnTerm, 29> JupiterEccentricityTerms{{
    {3606, 130, -43, JupiterSaturnTrig::SinV},
    {1289, -580, 0, JupiterSaturnTrig::CosV},
    {-6764, 0, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::SinQ},
    {-1110, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::SinQ},
    {-224, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::SinQ},
    {-204, 0, 0, JupiterSaturnTrig::SinQ},
    {1284, 116, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::SinQ},
    {188, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::SinQ},
    {1460, 130, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::CosQ},
    {224, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::CosQ},
    {-817, 0, 0, JupiterSaturnTrig::CosQ},
    {6074, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::CosQ},
    {992, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::CosQ},
    {508, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::CosQ},
    {230, 0, 0, JupiterSaturnTrig::Cos4Zeta, JupiterSaturnTrig::CosQ},
    {108, 0, 0, JupiterSaturnTrig::Cos5Zeta, JupiterSaturnTrig::CosQ},
    {-956, -73, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::Sin2Q},
    {448, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::Sin2Q},
    {137, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::Sin2Q},
    {-997, 108, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::Sin2Q},
    {480, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::Sin2Q},
    {148, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::Sin2Q},
    {-956, 99, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::Cos2Q},
    {490, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::Cos2Q},
    {158, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::Cos2Q},
    {179, 0, 0, JupiterSaturnTrig::Cos2Q},
    {1024, 75, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::Cos2Q},
    {-437, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::Cos2Q},
    {-132, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::Cos2Q},
}};

// B, perihelion, degrees times e.
inline constexpr std::array<JupiterSaturnTerm, 18> JupiterPerihelionTerms{{
    {0.007192, -0.003147, 0, JupiterSaturnTrig::SinV},
    {-0.020428, -0.000675, 0.000197, JupiterSaturnTrig::CosV},
    {0.007269, 0.000672, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::SinQ},
    {-0.004344, 0, 0, JupiterSaturnTrig::SinQ},
    {0.034036, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::SinQ},
    {0.005614, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::SinQ},
    {0.002964, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::SinQ},
    {0.037761, 0, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::CosQ},
    {0.006158, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::CosQ},
    {-0.006603, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::CosQ},
    {-0.005356, 0, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::Sin2Q},
    {0.002722, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::Sin2Q},
    {0.004483, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::Sin2Q},
    {-0.002536, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::Cos2Q},
    {-0.002642, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::Sin2Q},
    {0.005547, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::Cos2Q},
    {0.004403, 0, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::Cos2Q},
    {-0.002689, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::Cos2Q},
}};

// da, semi-axis, units of 0.000001 AU.
inline constexpr std::array<JupiterSaturnTerm, 11> JupiterSemiAxisTerms{{
    {-263, 0, 0, JupiterSaturnTrig::CosV},
    {205, 0, 0, JupiterSaturnTrig::CosZeta},
    {693, 0, 0, JupiterSaturnTrig::Cos2Zeta},
    {312, 0, 0, JupiterSaturnTrig::Cos3Zeta},
    {147, 0, 0, JupiterSaturnTrig::Cos4Zeta},
    {299, 0, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::SinQ},
    {181, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::SinQ},
    {204, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::CosQ},
    {111, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::CosQ},
    {-337, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::CosQ},
    {-111, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::CosQ},
}};

// Corrects M, w, e and a of Jupiter's orbit for the moment.
void PerturbJupiter(const PerturbationMoment& moment, PlanetOrbit& orbit);
void PerturbJupiter(double T, PlanetOrbit& orbit);

}  // namespace halcyra
