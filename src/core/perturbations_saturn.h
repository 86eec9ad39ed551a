#pragma once
// Saturn's periodic corrections for the attraction of Jupiter, Uranus and
// Neptune, applied to its mean elements before Kepler's equation.
#include <array>

#include "core/perturbation_args.h"
#include "core/planet_orbit.h"

namespace halcyra {

// Columns of every series: c0, c1 (times Nu), c2 (times Nu^2), factors.

// A, mean longitude, degrees.
inline constexpr std::array<JupiterSaturnTerm, 24> SaturnMeanLongitudeTerms{{
    {-0.814181, 0.01815, 0.016714, JupiterSaturnTrig::SinV},
    {-0.010497, 0.160906, -0.0041, JupiterSaturnTrig::CosV},
    {0.007581, 0, 0, JupiterSaturnTrig::Sin2V},
    {-0.007986, 0, 0, JupiterSaturnTrig::SinW},
    {-0.148811, 0, 0, JupiterSaturnTrig::SinZeta},
    {-0.040786, 0, 0, JupiterSaturnTrig::Sin2Zeta},
    {-0.015208, 0, 0, JupiterSaturnTrig::Sin3Zeta},
    {-0.006339, 0, 0, JupiterSaturnTrig::Sin4Zeta},
    {-0.006244, 0, 0, JupiterSaturnTrig::SinQ},
    {0.008931, 0.002728, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::SinQ},
    {-0.0165, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::SinQ},
    {-0.005775, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::SinQ},
    {0.081344, 0.003206, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::SinQ},
    {0.015019, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::SinQ},
    {0.085581, 0.002494, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::CosQ},
    {0.025328, -0.003117, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::CosQ},
    {0.014394, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::CosQ},
    {0.006319, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::CosQ},
    {0.006369, 0, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::Sin2Q},
    {0.009156, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::Sin2Q},
    {0.007525, 0, 0, JupiterSaturnTrig::Sin3Psi, JupiterSaturnTrig::Sin2Q},
    {-0.005236, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::Cos2Q},
    {-0.007736, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::Cos2Q},
    {-0.007528, 0, 0, JupiterSaturnTrig::Cos3Psi, JupiterSaturnTrig::Cos2Q},
}};

// q, eccentricity, units of 0.0000001.
inline constexpr std::array<JupiterSaturnTerm, 49> SaturnEccentricityTerms{{
    {-7927, 2548, 91, JupiterSaturnTrig::SinV},
    {13381, 1226, -253, JupiterSaturnTrig::CosV},
    {248, -121, 0, JupiterSaturnTrig::Sin2V},
    {-305, -91, 0, JupiterSaturnTrig::Cos2V},
    {412, 0, 0, JupiterSaturnTrig::Sin2Zeta},
    {12415, 0, 0, JupiterSaturnTrig::SinQ},
    {390, -617, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::SinQ},
    {165, -204, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::SinQ},
    {26599, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::SinQ},
    {-4687, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::SinQ},
    {-1870, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::SinQ},
    {-821, 0, 0, JupiterSaturnTrig::Cos4Zeta, JupiterSaturnTrig::SinQ},
    {-377, 0, 0, JupiterSaturnTrig::Cos5Zeta, JupiterSaturnTrig::SinQ},
    {497, 0, 0, JupiterSaturnTrig::Cos2Psi, JupiterSaturnTrig::SinQ},
    {163, -611, 0, JupiterSaturnTrig::CosQ},
    {-12696, 0, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::CosQ},
    {-4200, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::CosQ},
    {-1503, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::CosQ},
    {-619, 0, 0, JupiterSaturnTrig::Sin4Zeta, JupiterSaturnTrig::CosQ},
    {-268, 0, 0, JupiterSaturnTrig::Sin5Zeta, JupiterSaturnTrig::CosQ},
    {-282, -1306, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::CosQ},
    {-86, 230, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::CosQ},
    {461, 0, 0, JupiterSaturnTrig::Sin2Psi, JupiterSaturnTrig::CosQ},
    {-350, 0, 0, JupiterSaturnTrig::Sin2Q},
    {2211, -286, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::Sin2Q},
    {-2208, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::Sin2Q},
    {-568, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::Sin2Q},
    {-346, 0, 0, JupiterSaturnTrig::Sin4Zeta, JupiterSaturnTrig::Sin2Q},
    {-2780, -222, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::Sin2Q},
    {2022, 263, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::Sin2Q},
    {248, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::Sin2Q},
    {242, 0, 0, JupiterSaturnTrig::Sin3Psi, JupiterSaturnTrig::Sin2Q},
    {467, 0, 0, JupiterSaturnTrig::Cos3Psi, JupiterSaturnTrig::Sin2Q},
    {-490, 0, 0, JupiterSaturnTrig::Cos2Q},
    {-2842, -279, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::Cos2Q},
    {128, 226, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::Cos2Q},
    {224, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::Cos2Q},
    {-1594, 282, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::Cos2Q},
    {2162, -207, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::Cos2Q},
    {561, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::Cos2Q},
    {343, 0, 0, JupiterSaturnTrig::Cos4Zeta, JupiterSaturnTrig::Cos2Q},
    {469, 0, 0, JupiterSaturnTrig::Sin3Psi, JupiterSaturnTrig::Cos2Q},
    {-242, 0, 0, JupiterSaturnTrig::Cos3Psi, JupiterSaturnTrig::Cos2Q},
    {-205, 0, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::Sin3Q},
    {262, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::Sin3Q},
    {208, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::Cos3Q},
    {-271, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::Cos3Q},
    {-382, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::Sin4Q},
    {-376, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::Cos4Q},
}};

// B, perihelion, degrees times e.
inline constexpr std::array<JupiterSaturnTerm, 17> SaturnPerihelionTerms{{
    {0.077108, 0.007186, -0.001533, JupiterSaturnTrig::SinV},
    {0.045803, -0.014766, -0.000536, JupiterSaturnTrig::CosV},
    {-0.007075, 0, 0, JupiterSaturnTrig::SinZeta},
    {-0.075825, 0, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::SinQ},
    {-0.024839, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::SinQ},
    {-0.008631, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::SinQ},
    {-0.072586, 0, 0, JupiterSaturnTrig::CosQ},
    {-0.150383, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::CosQ},
    {0.026897, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::CosQ},
    {0.010053, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::CosQ},
    {-0.013597, -0.001719, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::Sin2Q},
    {-0.007742, 0.001517, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::Sin2Q},
    {0.013586, -0.001375, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::Sin2Q},
    {-0.013667, 0.001239, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::Cos2Q},
    {0.011981, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::Cos2Q},
    {0.014861, 0.001136, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::Cos2Q},
    {-0.013064, -0.001628, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::Cos2Q},
}};

// da, semi-axis, units of 0.000001 AU.
inline constexpr std::array<JupiterSaturnTerm, 36> SaturnSemiAxisTerms{{
    {0, 572, 0, JupiterSaturnTrig::SinV},
    {2933, 0, 0, JupiterSaturnTrig::CosV},
    {33629, 0, 0, JupiterSaturnTrig::CosZeta},
    {-3081, 0, 0, JupiterSaturnTrig::Cos2Zeta},
    {-1423, 0, 0, JupiterSaturnTrig::Cos3Zeta},
    {-671, 0, 0, JupiterSaturnTrig::Cos4Zeta},
    {-320, 0, 0, JupiterSaturnTrig::Cos5Zeta},
    {1098, 0, 0, JupiterSaturnTrig::SinQ},
    {-2812, 0, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::SinQ},
    {688, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::SinQ},
    {-393, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::SinQ},
    {-228, 0, 0, JupiterSaturnTrig::Sin4Zeta, JupiterSaturnTrig::SinQ},
    {2138, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::SinQ},
    {-999, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::SinQ},
    {-642, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::SinQ},
    {-325, 0, 0, JupiterSaturnTrig::Cos4Zeta, JupiterSaturnTrig::SinQ},
    {-890, 0, 0, JupiterSaturnTrig::CosQ},
    {2206, 0, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::CosQ},
    {-1590, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::CosQ},
    {-647, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::CosQ},
    {-344, 0, 0, JupiterSaturnTrig::Sin4Zeta, JupiterSaturnTrig::CosQ},
    {2885, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::CosQ},
    {2172, 102, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::CosQ},
    {296, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::CosQ},
    {-267, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::Sin2Q},
    {-778, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::Sin2Q},
    {495, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::Sin2Q},
    {250, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::Sin2Q},
    {-856, 0, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::Cos2Q},
    {441, 0, 0, JupiterSaturnTrig::Sin2Zeta, JupiterSaturnTrig::Cos2Q},
    {296, 0, 0, JupiterSaturnTrig::Cos2Zeta, JupiterSaturnTrig::Cos2Q},
    {211, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::Cos2Q},
    {-427, 0, 0, JupiterSaturnTrig::SinZeta, JupiterSaturnTrig::Sin3Q},
    {398, 0, 0, JupiterSaturnTrig::Sin3Zeta, JupiterSaturnTrig::Sin3Q},
    {344, 0, 0, JupiterSaturnTrig::CosZeta, JupiterSaturnTrig::Cos3Q},
    {-427, 0, 0, JupiterSaturnTrig::Cos3Zeta, JupiterSaturnTrig::Cos3Q},
}};

// Corrects M, w, e and a of Saturn's orbit for the moment.
void PerturbSaturn(const PerturbationMoment& moment, PlanetOrbit& orbit);
void PerturbSaturn(double T, PlanetOrbit& orbit);

}  // namespace halcyra
