// The RidurIziva's firing rule: the seconds of a minute at which an interval
// of option 46 recomputes the chart. Which item fires, and not while the
// program is busy, is tried in the live wheels' window test.
#include <gtest/gtest.h>

#include <vector>

#include "shell/ridur_iziva.h"

namespace halcyra {
namespace {

std::vector<int> Every(int step) {
  std::vector<int> seconds;
  for (int s = 0; s < 60; s += step) seconds.push_back(s);
  return seconds;
}

TEST(RidurIziva, SecondsOfAMinuteThatFire) {
  struct Row {
    double interval;
    std::vector<int> seconds;
  };
  const Row rows[] = {
      {15, Every(15)},
      {7, Every(7)},  // the last gap of the minute is 4 seconds
      {1, Every(1)},
      {60, {0}},
      {59.6, {0}},      // rounds to 60
      {75, {0}},        // above 60: second 0 alone
      {7.5, Every(8)},  // halves go to the even neighbour
      // never: no division by zero
      {0, {}},
      {0.4, {}},
      {-5, {}},
  };
  for (const Row& row : rows) {
    std::vector<int> seconds;
    for (int s = 0; s < 60; ++s)
      if (RidurIzivaSecondMatches(s, row.interval)) seconds.push_back(s);
    EXPECT_EQ(seconds, row.seconds) << "interval " << row.interval;
  }
}

}  // namespace
}  // namespace halcyra
