#pragma once
// Series summed row by row with every table row known to the compiler: a
// row's constants fold (a coefficient over 3600, a factor's slot, the
// multiples of its argument) and zero entries drop out, while the terms are
// still added one at a time in the table's order.
#include <cstddef>
#include <type_traits>
#include <utility>

namespace halcyra {

// Calls f(std::integral_constant<std::size_t, k>{}) for k = 0 to N - 1 in
// that order.
template <std::size_t N, class F>
inline void ForEachRow(F&& f) {
  [&]<std::size_t... k>(std::index_sequence<k...>) {
    (f(std::integral_constant<std::size_t, k>{}), ...);
  }(std::make_index_sequence<N>{});
}

}  // namespace halcyra
