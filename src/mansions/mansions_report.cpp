#include "mansions/mansions_report.h"

#include "mansions/mansion_slots.h"
#include "mansions/mansion_table.h"
#include "reports/aspect_grid.h"

namespace halcyra {

namespace {

// A slot goes out as one entry holding its lines; an empty one not at all.
void WriteSlot(LineSink& sink, const MansionSlots& slots, MansionSlot slot) {
  if (!slots[slot].empty()) sink.WriteLine(slots[slot]);
}

}  // namespace

void WriteNatalAspectGrid(LineSink& sink, const ChartSet& natal, const OptionTables& options) {
  ChartSet grid = natal;
  for (int house = 1; house <= 6; ++house)
    grid.Long[FirstHousePoint + house - 1] = natal.Cusp[CuspEntryOfHouse(house)];
  WriteSelfAspectGrid(sink, "NATAL PLANET ASPECTS TO NATAL PLANETS", grid, options);
}

void WriteMansionsReport(LineSink& sink, const HoraryBasicsInput& input, const MansionEntries& entries) {
  const HoraryBasics basics = HoraryBasicsOf(input);
  const MansionSlots slots = BuildHoraryBasicsSlots(basics);
  sink.WriteBlankLine();
  for (MansionSlot slot : {DayHourSlot, CombustSlot, UnderSunsBeamSlot, HouseOfJoySlot, MoonPhaseSlot,
                           PeregrineSlot, DetrimentSlot, FallSlot, ReceptionBySignSlot, ReceptionByExaltationSlot,
                           MixedReceptionSlot, ViaCombustaSlot, CazimiSlot, FatefulDegreeSlot, BesiegedSlot})
    WriteSlot(sink, slots, slot);
  sink.WriteLine(OutOfBoundsLine(basics.standing.outOfBounds));
  sink.WriteBlankLine();
  WriteSlot(sink, slots, StricturesSlot);
  sink.WriteBlankLine();
  WriteMoonAspectsShort(sink, MoonAspectsSectionOf(input, basics.positions.moonIncreasing));
  sink.WriteBlankLine();
  WriteSlot(sink, slots, PositionsSlot);
  WriteSlot(sink, slots, FixedStarsSlot);
  WriteNatalAspectGrid(sink, input.natal, input.options);
  sink.WriteBlankLine();
  sink.WriteBlankLine();
  WriteMansionTable(sink, entries);
}

}  // namespace halcyra
