#include "shell/return_prompts.h"

#include "platform/number_text.h"
#include "state/chart_input.h"

namespace halcyra {

namespace {

PromptAnswer WholeAnswerWithin(const std::string& typed, long last) {
  const long value = ValInt(typed);
  if (value < 0 || value > last) return {true, 0};
  return {false, static_cast<int>(value)};
}

}  // namespace

std::string YearPromptDefault(int lastBirthdayYear) { return StrNumber(lastBirthdayYear); }

PromptAnswer YearPromptAnswer(const std::string& typed) { return WholeAnswerWithin(typed, LastInputYear); }

PromptAnswer SeasonPromptAnswer(const std::string& typed) { return WholeAnswerWithin(typed, 4); }

std::string SeasonWord(int ingressNumber) {
  static const char* const words[] = {"", "Spring", "Summer", "Fall", "Winter"};
  return ingressNumber >= 1 && ingressNumber <= 4 ? words[ingressNumber] : "";
}

}  // namespace halcyra
