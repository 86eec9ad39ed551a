#include "state/chart_set.h"

namespace halcyra {

int ChartSet::HouseOf(int point) const {
  const size_t at = static_cast<size_t>(point - 1) * 10;
  if (point < 1 || at + 2 > HouseTags.size()) return 0;
  int value = 0;
  bool digits = false;
  for (size_t i = at; i < at + 2; ++i) {
    const char c = HouseTags[i];
    if (c == ' ' && !digits) continue;
    if (c < '0' || c > '9') break;
    value = value * 10 + (c - '0');
    digits = true;
  }
  return value;
}

}  // namespace halcyra
