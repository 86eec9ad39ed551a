#include "reports/listing_points.h"

#include "reports/report_names.h"

namespace halcyra {

int PointOfSlot(int slot) {
  if (slot >= 1 && slot <= 13) return slot;
  if (slot >= 14 && slot <= 23) return slot + 2;
  if (slot == SlotAscendant) return Ascendant;
  if (slot == SlotMidheaven) return Midheaven;
  return 0;
}

std::string SlotName10(int slot) {
  switch (slot) {
    case SlotVertex: return "Vertex    ";
    case SlotEquatorialAsc: return "Eq. ASC   ";
    case SlotCoAsc: return "Co-ASC    ";
    case SlotPolarAsc: return "Polar ASC ";
    default: return PointName10(PointOfSlot(slot));
  }
}

namespace {
bool CharacterTicked(const std::string& selection, int character) {
  return character >= 1 && character <= static_cast<int>(selection.size()) &&
         selection[character - 1] != '0';
}
}  // namespace

bool TransitSlotSelected(const std::string& selection, int slot) {
  return slot >= 1 && slot <= ListingSlots && CharacterTicked(selection, slot);
}

bool NatalSlotSelected(const std::string& selection, int slot) {
  return slot >= 1 && slot <= ListingSlots && CharacterTicked(selection, NatalSelectionOffset + slot);
}

std::string WithSlot(std::string selection, int character, bool ticked) {
  if (selection.size() < SelectionLength) selection.resize(SelectionLength, '0');
  if (character >= 1 && character <= static_cast<int>(selection.size()))
    selection[character - 1] = ticked ? '1' : '0';
  return selection;
}

double TransitSlotLongitude(const ChartSet& working, const ChartClock& clock, int slot) {
  switch (slot) {
    case SlotVertex: return clock.AngleVertex;
    case SlotEquatorialAsc: return clock.AngleEquatorialAsc;
    case SlotCoAsc: return clock.AngleCoAsc;
    case SlotPolarAsc: return clock.AnglePolarAsc;
    default: return working.Long[PointOfSlot(slot)];
  }
}

double NatalSlotLongitude(const ChartSet& natal, int slot) {
  switch (slot) {
    case SlotVertex: return natal.Vertex;
    case SlotEquatorialAsc: return natal.EquatorialAsc;
    case SlotCoAsc: return natal.CoAsc;
    case SlotPolarAsc: return natal.PolarAsc;
    default: return natal.Long[PointOfSlot(slot)];
  }
}

bool TransitSlotHasDeclination(int slot) {
  const int p = PointOfSlot(slot);
  return (p >= Sun && p <= Moon) || p == Chiron || (p >= TransPluto && p <= Poseidon);
}

bool NatalSlotHasDeclination(int slot) {
  const int p = PointOfSlot(slot);
  return p >= Sun && p <= Poseidon && p != Lilith;
}

bool SlotNoData(const ChartSet& set, int slot) {
  const int p = PointOfSlot(slot);
  return p != 0 && set.NoData[p];
}

}  // namespace halcyra
