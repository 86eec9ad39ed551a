#pragma once
// The questions of the main window's return and ingress wheel commands:
// the year of a solar or lunar return and the season of an ingress, with
// the rules that take the typed answer or ask again.
#include <string>

namespace halcyra {

inline constexpr const char* SolarYearPrompt =
    "Enter the year for the solar return. Just hit ENTER if you want last birthday.";
inline constexpr const char* SolarYearTitle = "Enter year of solar return";
inline constexpr const char* LunarYearPrompt =
    "Enter the year for the lunar return. Just hit ENTER if you want last birthday.";
inline constexpr const char* LunarYearTitle = "Enter year of lunar return";

inline constexpr const char* SeasonPrompt =
    "Enter:  1 = Aries ingress, Spring\r\n"
    "           2 = Cancer ingress, Summer\r\n"
    "           3 = Libra ingress, Fall\r\n"
    "           4 = Capricorn ingress, Winter\r\n";
inline constexpr const char* SeasonTitle = "Ingress Calculations";
inline constexpr const char* SeasonDefault = " 1";

// The year prompts offer the last birthday's year, as numbers are written
// into default answers (a leading blank).
std::string YearPromptDefault(int lastBirthdayYear);

// A typed answer taken by its leading number, rounded (no number, an empty
// box and Cancel read as 0). `askAgain` when the box must be shown again;
// otherwise `value`, where 0 means: keep the year stored before, or for a
// season, do nothing.
struct PromptAnswer {
  bool askAgain = false;
  int value = 0;
};
// Years from 0 up to the last year the input accepts.
PromptAnswer YearPromptAnswer(const std::string& typed);
// Seasons 0 to 4.
PromptAnswer SeasonPromptAnswer(const std::string& typed);

// "Spring", "Summer", "Fall", "Winter" for ingresses 1 to 4.
std::string SeasonWord(int ingressNumber);

}  // namespace halcyra
