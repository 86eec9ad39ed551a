#pragma once
// Tables loaded once at start-up from the program folder and only read
// afterwards: star notes, wheel drawing tables, almutens and the daily
// tables of the bodies the program has no theory for.
#include <array>
#include <string>
#include <vector>

namespace halcyra {

constexpr int DailyTableDays = 60000;        // element i is noon-based day 2415000 + i
constexpr long DailyTableFirstDay = 2415000;  // 11 December 1899; element 21 is 1 January 1900
constexpr int StarTextLines = 75;
constexpr int GlyphStrokeValues = 121;
constexpr int DegreeTableValues = 361;        // one per whole degree, entry 360 repeats entry 0
constexpr int UranianCount = 8;               // Cupido .. Poseidon, points 18 .. 25

// One body's daily longitude and declination (degrees), single precision
// as the files carry them. Always DailyTableDays long; unread days stay 0.
struct DailyTable {
  std::vector<float> Long = std::vector<float>(DailyTableDays);
  std::vector<float> Decl = std::vector<float>(DailyTableDays);
};

using DegreeTable = std::array<int, DegreeTableValues>;

struct StartupTables {
  std::array<std::string, StarTextLines> StarText{};            // STARS.TXT, one note per star
  std::array<int, GlyphStrokeValues> GlyphStrokeData{};         // HCDATA.DAT: cusp-label places
  DegreeTable AlmutenDay{}, CoAlmutenDay{};                     // ALMUTD1/2.DAT; 0 = none
  DegreeTable AlmutenNight{}, CoAlmutenNight{};                 // ALMUTN1/2.DAT; 0 = none
  DegreeTable GlyphRadius{};                                    // RADIUS.DAT, by screen angle

  DailyTable Chiron;                                            // ChironTable(), ChironDeclTable()
  DailyTable TransPluto;                                        // TransPlutoLongTable(), ...DeclTable()
  std::array<DailyTable, UranianCount> Uranian;                 // point FirstUranianPoint + i: Cupido .. Poseidon
  DailyTable Lilith;                                            // expanded from the yearly file; Decl all 0
};

}  // namespace halcyra
