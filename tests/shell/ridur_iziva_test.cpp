// The RidurIziva's firing rule: the seconds of a minute at which each
// interval of option 46 recomputes the chart, and the ticks it lets pass.
#include <gtest/gtest.h>

#include <vector>

#include "shell/ridur_iziva.h"

namespace halcyra {
namespace {

std::vector<int> FiringSeconds(double interval) {
  std::vector<int> seconds;
  for (int s = 0; s < 60; ++s)
    if (RidurIzivaSecondMatches(s, interval)) seconds.push_back(s);
  return seconds;
}

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
      {15, {0, 15, 30, 45}},
      {7, Every(7)},  // the last gap of the minute is 4 seconds
      {30, {0, 30}},
      {1, Every(1)},
      {60, {0}},
      {59.6, {0}},  // rounds to 60
      {75, {0}},    // above 60: second 0 alone
      {7.5, Every(8)},  // halves go to the even neighbour
      // never: no division by zero
      {0, {}},
      {0.4, {}},
      {-5, {}},
  };
  for (const Row& row : rows) EXPECT_EQ(FiringSeconds(row.interval), row.seconds) << "interval " << row.interval;
}

TEST(RidurIziva, OnlyACheckedItemFiresAndNeverWhileBusy) {
  using M = RidurIzivaMode;
  struct Row {
    M checked;
    int second;
    bool busy;
    M fires;
  };
  const Row rows[] = {
      {M::Single, 30, false, M::Single}, {M::Dual, 45, false, M::Dual},  {M::Off, 30, false, M::Off},
      {M::Single, 31, false, M::Off},    {M::Single, 30, true, M::Off}, {M::Dual, 0, true, M::Off},
  };
  for (const Row& row : rows)
    EXPECT_EQ(RidurIzivaFiring(row.checked, row.second, 15, row.busy), row.fires)
        << "second " << row.second << (row.busy ? ", busy" : "");
}

}  // namespace
}  // namespace halcyra
