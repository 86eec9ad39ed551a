// The answers of the return year question: what each typed text does, read
// by the leading number with halves to the even neighbour. The season
// question's answers are tried in the return wheels' window test.
#include <gtest/gtest.h>

#include "shell/return_prompts.h"

namespace halcyra {
namespace {

constexpr int Again = -1;  // the box is shown again

TEST(ReturnPrompts, YearAnswers) {
  struct Row {
    const char* typed;
    int outcome;  // the year taken, 0 to keep the stored year, or Again
  };
  const Row rows[] = {
      {" 1969", 1969},  // the default: the last birthday's year
      {"", 0},         {"next", 0},      {"0", 0},         {"-0.4", 0},   {"-1", Again},
      {"2099", 2099},  {"2100", Again},  // beyond the input's last year
      {"1e30", Again}, {"1999.5", 2000}, {"1998.5", 1998}, {"2024 please", 2024},
  };
  for (const Row& row : rows) {
    const PromptAnswer answer = YearPromptAnswer(row.typed);
    EXPECT_EQ(answer.askAgain ? Again : answer.value, row.outcome) << "\"" << row.typed << "\"";
  }
  EXPECT_EQ(YearPromptDefault(1969), " 1969");
}

}  // namespace
}  // namespace halcyra
