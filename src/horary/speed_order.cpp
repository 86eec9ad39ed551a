#include "horary/speed_order.h"

#include <cmath>
#include <utility>

namespace halcyra {

SpeedOrderList SpeedOrder(const PointArray& speed) {
  SpeedOrderList order{};
  std::array<double, LastMainPoint + 1> key{};
  for (int p = 1; p <= LastMainPoint; ++p) {
    order[p] = p;
    key[p] = p <= Moon ? std::fabs(speed[p]) : 0;
  }
  // An exchange sort, not std::sort: which of two equal keys comes first
  // is what the reports print.
  for (int j = 1; j <= 9; ++j)
    for (int i = j + 1; i <= 10; ++i)
      if (key[i] > key[j]) {
        std::swap(key[i], key[j]);
        std::swap(order[i], order[j]);
      }
  return order;
}

}  // namespace halcyra
