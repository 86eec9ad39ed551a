#include "core/house_system_heading.h"

#include <array>
#include <string_view>
#include <utility>

namespace halcyra {

namespace {
// Columns: code, caption name.
constexpr std::array<std::pair<std::string_view, std::string_view>, 9> kHeadings{{
    {"P", "Placidus"},
    {"R", "Regiomontanus"},
    {"K", "Koch"},
    {"C", "Campanus"},
    {"O", "Porphyry"},
    {"EA", "Equal - Ascendant"},
    {"EM", "Equal - MC"},
    {"M", "Meridian"},
    {"I", "Morinus"},
}};
}  // namespace

std::string HouseSystemHeading(const std::string& code) {
  for (const auto& [c, name] : kHeadings)
    if (code == c) return std::string(name);
  return "";
}

void SetHouseSystemHeading(AppState& state) {
  const std::string name = HouseSystemHeading(state.options.HouseSystem);
  if (!name.empty()) state.wheel.WheelCaption1[7] = name;
}

}  // namespace halcyra
