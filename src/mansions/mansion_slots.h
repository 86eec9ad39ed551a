#pragma once
// The horary sections of the mansions report as texts in numbered slots,
// which the report prints in an order of its own. Every line of a slot ends
// in CR LF, so a printed slot shows its lines and one empty line after them;
// a slot without lines is empty and prints nothing.
#include <array>
#include <string>

#include "horary/horary_basics_lines.h"

namespace halcyra {

enum MansionSlot {
  DayHourSlot = 0,           // the planetary day and hour, or the latitude refusal
  CombustSlot = 1,
  UnderSunsBeamSlot = 2,
  HouseOfJoySlot = 3,
  MoonPhaseSlot = 4,         // "  Moon is increasing in light."
  PeregrineSlot = 5,         // peregrine, detriment and fall: always a line
  DetrimentSlot = 6,
  FallSlot = 7,
  StricturesSlot = 9,        // the heading, then a line per warning
  PositionsSlot = 12,        // the banner, an empty line and the positions table
  FixedStarsSlot = 13,       // the heading, its underline and a line per point on a star
  ReceptionBySignSlot = 16,  // the classical rulers' line, then the outer planets'
  ReceptionByExaltationSlot = 17,
  MixedReceptionSlot = 18,
  ViaCombustaSlot = 19,
  CazimiSlot = 20,
  FatefulDegreeSlot = 21,
  BesiegedSlot = 22,
  MansionSlotCount = 23      // slots 8, 10, 11, 14 and 15 stay empty
};
using MansionSlots = std::array<std::string, MansionSlotCount>;

// The slots of the computed horary basics. The lists that show only what
// they find leave their slots empty when they find nothing.
MansionSlots BuildHoraryBasicsSlots(const HoraryBasics& basics);

}  // namespace halcyra
