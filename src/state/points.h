#pragma once
// Point and cusp numbering shared by every chart table.
#include <array>

namespace halcyra {

constexpr int NumPoints = 31;
constexpr int LastMainPoint = 15;
constexpr int TransPlutoIndex = 17;
constexpr int FirstUranianPoint = 18;
constexpr int LastUranianPoint = 25;
constexpr int FirstHousePoint = 26;
constexpr int LastHousePoint = 31;

// Point numbers (element 0 of every per-point table is unused).
enum Point : int {
  Sun = 1, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto,
  Moon, NorthNode, PartOfFortune, Chiron, Ascendant, Midheaven, Lilith,
  TransPluto, Cupido, Hades, Zeus, Kronos, Apollon, Admetos, Vulkanus, Poseidon
};

using PointArray = std::array<double, NumPoints + 1>;
using PointFlags = std::array<bool, NumPoints + 1>;

// Cusp tables hold entries 0..13; entry 1 is the MC (10th house), 4 the
// Ascendant, 12 the 9th house. Entries 0 and 13 are carried, never computed.
using CuspTable = std::array<double, 14>;

// Entry of house h (1..12) in a cusp table.
constexpr int CuspEntryOfHouse(int house) { return house < 10 ? house + 3 : house - 9; }
// House shown at cusp entry e (1..12).
constexpr int HouseOfCuspEntry(int entry) { return entry <= 3 ? entry + 9 : entry - 3; }
// The entry after e, wrapping from 12 to 1.
constexpr int NextCuspEntry(int entry) { return entry >= 12 ? 1 : entry + 1; }

}  // namespace halcyra
