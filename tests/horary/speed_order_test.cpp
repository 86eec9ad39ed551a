// The speed order against hand-sorted daily motions.
#include <gtest/gtest.h>

#include "horary/speed_order.h"

namespace halcyra {
namespace {

TEST(SpeedOrder, FastestFirstThenTheOtherPointsInIndexOrder) {
  PointArray speed{};
  // Sun .. Moon: a retrograde Mercury counts by its size
  const double motion[] = {0.98, -1.40, 1.20, 0.60, 0.08, 0.03, 0.01, 0.02, 0.01, 13.2};
  for (int p = 1; p <= 10; ++p) speed[p] = motion[p - 1];
  const SpeedOrderList order = SpeedOrder(speed);
  // Uranus and Pluto tie at 0.01: the exchanges that carry Neptune forward
  // leave Pluto ahead of Uranus, as the exchange sort does (a stable sort would not).
  const SpeedOrderList expected = {0, Moon, Mercury, Venus, Sun, Mars, Jupiter, Saturn, Neptune,
                                   Pluto, Uranus, NorthNode, PartOfFortune, Chiron, Ascendant, Midheaven};
  EXPECT_EQ(order, expected);
}

TEST(SpeedOrder, EqualKeysAreNotExchangedWithEachOther) {
  // Every planet at the same speed but the Moon: the exchanges that bring
  // the Moon to the front leave the others as the sort's swaps arranged them.
  PointArray speed{};
  for (int p = 1; p <= 9; ++p) speed[p] = 0.5;
  speed[Moon] = 12;
  const SpeedOrderList order = SpeedOrder(speed);
  EXPECT_EQ(order[1], Moon);
  // Position 1 gives its Sun to position 10 when the Moon arrives there.
  const SpeedOrderList expected = {0, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune,
                                   Pluto, Sun, NorthNode, PartOfFortune, Chiron, Ascendant, Midheaven};
  EXPECT_EQ(order, expected);
}

}  // namespace
}  // namespace halcyra
