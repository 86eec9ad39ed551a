#include "mansions/mansion_slots.h"

namespace halcyra {

namespace {

// The positions table under a banner of 18 dashes a side.
void WritePositionsSlot(LineSink& sink, const PositionsAndSpeeds& positions) {
  sink.WriteLine("  ------------------ POSITIONS and SPEEDS ------------------");
  sink.WriteBlankLine();
  WritePositionsTable(sink, positions);
}

// "  Fixed Stars" underlined, then a line for each point on a star, each of
// its contacts after two blanks.
void WriteFixedStarsSlot(LineSink& sink, const std::vector<StarContact>& contacts) {
  sink.WriteLine("  Fixed Stars");
  sink.WriteLine("  -----------");
  for (size_t i = 0; i < contacts.size();) {
    std::string line;
    const int point = contacts[i].point;
    for (; i < contacts.size() && contacts[i].point == point; ++i) line += "  " + StarContactText(contacts[i]);
    sink.WriteLine(line);
  }
}

std::string SlotText(const LineCollector& slot) { return slot.lines.empty() ? std::string() : slot.Text() + "\r\n"; }

}  // namespace

MansionSlots BuildHoraryBasicsSlots(const HoraryBasics& basics) {
  std::array<LineCollector, MansionSlotCount> slot;
  slot[DayHourSlot].WriteLine(PlanetaryDayHourLine(basics.dayHour));
  slot[StricturesSlot].WriteLine("  STRICTURES and WARNINGS - ");
  for (const std::string& stricture : basics.strictures) slot[StricturesSlot].WriteLine("  " + stricture);
  WritePositionsSlot(slot[PositionsSlot], basics.positions);
  slot[MoonPhaseSlot].WriteLine("  Moon is " + MoonPhaseText(basics.positions.moonIncreasing) + ".");

  const PlanetaryStanding& s = basics.standing;
  slot[PeregrineSlot].WriteLine(PointListLine("Peregrine - ", s.peregrine));
  slot[DetrimentSlot].WriteLine(PointListLine("Detriment - ", s.detriment));
  slot[FallSlot].WriteLine(PointListLine("Fall - ", s.fall));
  WriteListIfFound(slot[ReceptionBySignSlot], "Mutual Reception (by sign) - ", s.receptions.bySign);
  WriteListIfFound(slot[ReceptionBySignSlot], "Mutual Reception (by sign) - ", s.receptions.byModernRuler);
  WriteListIfFound(slot[ReceptionByExaltationSlot], "Mutual Reception (by exaltation) - ", s.receptions.byExaltation);
  WriteListIfFound(slot[MixedReceptionSlot], "Mixed Reception (sign/exaltation) - ", s.receptions.mixed);
  WriteListIfFound(slot[ViaCombustaSlot], "Via Combusta - ", s.viaCombusta);
  WriteListIfFound(slot[CazimiSlot], "Cazimi - ", s.solarPhases.cazimi);
  WriteListIfFound(slot[CombustSlot], "Combust - ", s.solarPhases.combust);
  WriteListIfFound(slot[UnderSunsBeamSlot], "Under Sun's Beam - ", s.solarPhases.underSunsBeams);
  WriteListIfFound(slot[FatefulDegreeSlot], "Fateful Degree - ", s.fatefulDegree);
  WriteListIfFound(slot[HouseOfJoySlot], "House of Joy - ", s.houseOfJoy);
  WriteListIfFound(slot[BesiegedSlot], "Besieged Planets - ", s.besieged);
  WriteFixedStarsSlot(slot[FixedStarsSlot], basics.stars);

  MansionSlots texts;
  for (int i = 0; i < MansionSlotCount; ++i) texts[i] = SlotText(slot[i]);
  return texts;
}

}  // namespace halcyra
