#pragma once
// Numeric options and orb tables read from value list files.
#include <array>
#include <string>

namespace halcyra {

constexpr int OptionCount = 244;
constexpr int OrbCount = 17;
constexpr int DiurnalOrbCount = 10;

struct OptionTables {
  std::array<float, OptionCount + 1> OptionValues{};  // element k from line k
  std::array<float, OrbCount + 1> AspectOrb{};        // line k = orb of aspect code k + 1
  std::array<float, DiurnalOrbCount + 1> DiurnalOrb{};
  std::string OrbFileName;                            // full path of the wheel's orb file
  std::string HouseSystem = "P";
};

}  // namespace halcyra
