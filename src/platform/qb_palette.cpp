#include "platform/qb_palette.h"

#include <array>
#include <cstddef>

namespace halcyra {

namespace {
// 0 black, 1 blue, 2 green, 3 cyan, 4 red, 5 magenta, 6 brown, 7 light grey,
// 8 dark grey, then the bright forms of 1 to 6 and 15 bright white.
constexpr std::array<unsigned, 16> kPalette = {
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
    0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
}  // namespace

unsigned QBColorRgb(int index) {
  return (index >= 0 && index < 16) ? kPalette[static_cast<std::size_t>(index)] : 0x000000;
}

}  // namespace halcyra
