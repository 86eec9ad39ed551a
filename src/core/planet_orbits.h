#pragma once
// Geocentric ecliptic positions of Mercury to Neptune from mean orbital
// elements and Kepler's equation, and of Pluto from its series. Two element
// sets, each with its own Earth: the inner set (Earth, Mercury, Venus, Mars)
// linear in centuries from J2000.0, the outer set (Earth, Jupiter, Saturn,
// Uranus, Neptune) cubic in centuries from JD 2415020.0 and corrected by the
// perturbation series before Kepler's equation. No nutation, aberration,
// light time or precession is applied here.
#include <array>

#include "core/perturbation_args.h"
#include "core/planet_orbit.h"

namespace halcyra {

// Semi-axis in AU; every other element c0 + c1 T, T in centuries from J2000.0.
struct InnerElements {
  double a, e0, e1, i0, i1, Node0, Node1, Peri0, Peri1, M0, M1;
};

using CubicElement = std::array<double, 4>;

// Semi-axis in AU; every other element a cubic in centuries from JD 2415020.0.
struct OuterElements {
  CubicElement L;
  double a;
  CubicElement e, i, w, Node;
};

// Columns: a, then e, i, Node, Peri, M each as c0, c1 (times T).
inline constexpr std::array<InnerElements, 4> InnerElementTable{{
    {1.000000031, 0.016709, -0.000042, 0, 0, 0, 0, 102.94, 1.7192, 357.5256, 35999.0498},  // 1 Earth
    {0.387099, 0.205634, 0.00002, 7.0048, 0.0019, 48.331, 1.185, 77.4552, 1.5555, 174.7947, 149472.5153},  // 2 Mercury
    {0.723332, 0.006773, -0.000048, 3.3946, 0.001, 76.68, 0.9, 131.5718, 1.408, 50.4071, 58517.8039},  // 3 Venus
    {1.523692, 0.093405, 0.000092, 1.8496, -0.0007, 49.557, 0.771, 336.059, 1.8408, 19.3879, 19139.8585},  // 4 Mars
}};

// Columns: L, a, e, i, w, Node; each quadruple c0 + c1 T + c2 T^2 + c3 T^3.
// The Earth row holds the Sun's mean elements: its w is the Earth's
// perihelion and the element step adds 180 degrees to its mean anomaly.
inline constexpr std::array<OuterElements, 5> OuterElementTable{{
    {{279.696678, 36000.768925, 0.0003025, 0}, 1.0000002, {0.01675104, -0.0000418, -0.000000126, 0}, {0, 0, 0, 0}, {101.22085, 1.71917, 0.0004525, 0.0000033}, {0, 0, 0, 0}},  // 1 Earth
    {{238.049257, 3036.301986, 0.0003347, -0.00000165}, 5.202561, {0.04833475, 0.00016418, -0.0000004676, -0.0000000017}, {1.308736, -0.0056961, 0.0000039, 0}, {273.277558, 0.5994317, 0.00070405, 0.00000508}, {99.443414, 1.01053, 0.00035222, -0.00000851}},  // 5 Jupiter
    {{266.564377, 1223.509884, 0.0003245, -0.0000058}, 9.554747, {0.05589232, -0.0003455, -0.000000728, 0.00000000074}, {2.492519, -0.0039189, -0.00001549, 0.00000004}, {338.3078, 1.0852207, 0.00097854, 0.00000992}, {112.790414, 0.8731951, -0.00015218, -0.00000531}},  // 6 Saturn
    {{244.19747, 429.863546, 0.000316, -0.0000006}, 19.21814, {0.0463444, -0.00002658, 0.000000077, 0}, {0.772464, 0.0006253, 0.0000395, 0}, {98.071581, 0.985765, -0.0010745, -0.00000061}, {73.477111, 0.4986678, 0.0013117, 0}},  // 7 Uranus
    {{84.457994, 219.885914, 0.0003205, -0.0000006}, 30.10957, {0.00899704, 0.00000633, -0.000000002, 0}, {1.779242, -0.0095436, -0.0000091, 0}, {276.045975, 0.3256394, 0.00014095, 0.000004113}, {130.681389, 1.098935, 0.00024987, -0.000004718}},  // 8 Neptune
}};

// Bodies of OuterElementTable, row by row.
inline constexpr std::array<int, 5> OuterElementBodies{1, 5, 6, 7, 8};

// Mean orbits before any perturbation: body 1 to 4 at T2000, body 1 or 5 to
// 8 at T1900.
PlanetOrbit InnerPlanetOrbit(int body, double T2000);
PlanetOrbit OuterPlanetOrbit(int body, double T1900);

// Mercury to Pluto (element body - Mercury) seen from the Earth of their
// element set, for one moment: Kepler's equation for the two Earths and
// seven planets, the outer orbits corrected by the perturbation series,
// and Pluto from its series. The nine orbits are worked side by side, so
// that the processor overlaps their chains of dependent steps.
struct PlanetsSeenFromEarth {
  std::array<GeoPosition, 8> geo{};
  double uranusCorrection = 0, neptuneCorrection = 0;  // degrees, added by the driver
};
PlanetsSeenFromEarth CalcPlanetsSideBySide(double T2000, const PerturbationMoment& moment);

}  // namespace halcyra
