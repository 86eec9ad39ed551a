#include "state/chart_set.h"

namespace halcyra {

int HouseNumberOf(const std::string& houseTags, int point) {
  const size_t at = static_cast<size_t>(point - 1) * 10;
  if (point < 1 || at + 2 > houseTags.size()) return 0;
  int value = 0;
  bool digits = false;
  for (size_t i = at; i < at + 2; ++i) {
    const char c = houseTags[i];
    if (c == ' ' && !digits) continue;
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    digits = true;
  }
  return value;
}

int ChartSet::HouseOf(int point) const { return HouseNumberOf(HouseTags, point); }

void LoadListedSet(ChartSet& working, const ChartSet& set) {
  LoadPointPositions(working, set);
  working.Cusp = set.Cusp;
  working.RetroFlags = set.RetroFlags;
  working.HouseTags = set.HouseTags;
  working.SiderealText = set.SiderealText;
  working.Vertex = set.Vertex;
  working.EquatorialAsc = set.EquatorialAsc;
  working.CoAsc = set.CoAsc;
  working.PolarAsc = set.PolarAsc;
}

void LoadPointPositions(ChartSet& working, const ChartSet& set) {
  working.Long = set.Long;
  working.Decl = set.Decl;
  working.NoData = set.NoData;
}

}  // namespace halcyra
