#pragma once
// Series summed row by row with every table row known to the compiler: a
// row's constants fold (a coefficient over 3600, a factor's slot) and zero
// multiples drop out, while the terms are still added one at a time in the
// table's order, so each sum keeps the bits of a plain loop over the table.
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

template <int m>
inline void AddMultiple(double& sum, bool& started, double x) {
  if constexpr (m != 0) {
    const double product = m * x;
    sum = started ? sum + product : product;
    started = true;
  }
}

// m1 x1 + m2 x2 + ... added from the left, each product of a whole multiple
// in double, with the zero multiples left out: 0 * x adds a zero, which
// leaves every sum that is not itself zero as it was.
template <int... m, class... X>
inline double SumOfMultiples(X... x) {
  static_assert(sizeof...(m) == sizeof...(X));
  static_assert(((m != 0) || ...), "an argument needs a non-zero multiple");
  double sum = 0;
  bool started = false;
  (AddMultiple<m>(sum, started, x), ...);
  return sum;
}

}  // namespace halcyra
