#pragma once
// The horary speed order: the ten planets fastest first, then the node, the
// Part of Fortune, Chiron, the Ascendant and the Midheaven in index order.
#include <array>

#include "state/points.h"

namespace halcyra {

// Entry 0 unused; entries 1 to 15 hold point numbers. The planets are
// ordered by the absolute value of their daily motion with an exchange
// sort that never swaps equal keys, so planets of equal speed keep their
// index order among themselves as that sort leaves it.
using SpeedOrderList = std::array<int, LastMainPoint + 1>;
SpeedOrderList SpeedOrder(const PointArray& speed);

}  // namespace halcyra
