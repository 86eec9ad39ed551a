#pragma once
// Tables loaded once at start-up from the program folder.
#include <array>
#include <string>
#include <vector>

namespace halcyra {

constexpr int DailyTableDays = 60000;     // element i is noon-based day 2415000 + i
constexpr double DailyTableFirstDay = 2415000;

struct DailyTable {
  std::vector<double> Long, Decl;
};

struct StartupTables {
  std::array<std::string, 75> StarText{};
  std::vector<double> HCData;                     // wheel cusp-label placement
  std::vector<int> AlmutenDay, CoAlmutenDay, AlmutenNight, CoAlmutenNight;  // 0..360
  std::vector<double> Radius;                     // 0..360
  DailyTable Chiron, TransPluto;
  std::array<DailyTable, 8> Uranian;              // Cupido .. Poseidon
  std::vector<double> LilithLong;                 // daily, expanded from the yearly file
};

}  // namespace halcyra
