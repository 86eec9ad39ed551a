// The answers of the return and ingress questions: what each typed text
// does, read by the leading number with halves to the even neighbour.
#include <gtest/gtest.h>

#include "shell/return_prompts.h"

namespace halcyra {
namespace {

constexpr int Again = -1;  // the box is shown again

int Outcome(const PromptAnswer& a) { return a.askAgain ? Again : a.value; }

TEST(ReturnPrompts, YearAnswers) {
  struct Row {
    const char* typed;
    int outcome;  // the year taken, 0 to keep the stored year, or Again
  };
  const Row rows[] = {
      {" 1969", 1969},  // the default: the last birthday's year
      {"2024", 2024},  {"", 0},          // an empty box and Cancel keep the year
      {"next", 0},     {"0", 0},         {"-1", Again},
      {"-0.4", 0},     {"2099", 2099},   {"2100", Again},  // beyond the input's last year
      {"1e30", Again}, {"1999.5", 2000}, {"1998.5", 1998},  {"2024 please", 2024},
  };
  for (const Row& row : rows) EXPECT_EQ(Outcome(YearPromptAnswer(row.typed)), row.outcome) << "\"" << row.typed << "\"";
  EXPECT_EQ(YearPromptDefault(1969), " 1969");
}

TEST(ReturnPrompts, SeasonAnswers) {
  struct Row {
    const char* typed;
    int outcome;  // the ingress, 0 to do nothing, or Again
    const char* word;
  };
  const Row rows[] = {
      {SeasonDefault, 1, "Spring"}, {"2", 2, "Summer"}, {"2.6", 3, "Fall"}, {"4", 4, "Winter"},
      {"2.5", 2, "Summer"},         {"0", 0, ""},       {"", 0, ""},        {"5", Again, ""},
      {"-1", Again, ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Outcome(SeasonPromptAnswer(row.typed)), row.outcome) << "\"" << row.typed << "\"";
    EXPECT_EQ(SeasonWord(Outcome(SeasonPromptAnswer(row.typed))), row.word) << "\"" << row.typed << "\"";
  }
}

}  // namespace
}  // namespace halcyra
