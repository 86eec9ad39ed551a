#include "horary/strictures.h"

#include "horary/zodiac.h"

namespace halcyra {

std::vector<std::string> StricturesOf(const ChartSet& natal) {
  std::vector<std::string> found;
  const double ascendant = DegreeInSign(natal.Cusp[CuspEntryOfHouse(1)]);
  const double seventhCusp = natal.Cusp[CuspEntryOfHouse(7)];
  const double moon = natal.Long[Moon];
  const int saturnHouse = natal.HouseOf(Saturn);
  const struct {
    bool holds;
    const char* text;
  } kTests[] = {
      {ascendant < 3, "ASCENDANT is early."},
      {ascendant >= 27 && ascendant < 30, "ASCENDANT is late."},
      {saturnHouse == 1, "SATURN is in the 1st house."},
      {saturnHouse == 7, "SATURN is in the 7th house."},
      {seventhCusp >= 270 && seventhCusp < 330, "SATURN is the ruler of the 7th house."},
      {DegreeInSign(moon) >= 27, "MOON is in later degree."},
      {InViaCombusta(moon), "MOON is in Via Combusta."},
      {InViaCombusta(natal.Long[Ascendant]), "ASCENDANT is in Via Combusta."},
  };
  for (const auto& test : kTests)
    if (test.holds) found.push_back(test.text);
  return found;
}

}  // namespace halcyra
