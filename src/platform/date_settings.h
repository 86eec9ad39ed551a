#pragma once
// The user's date order and clock: taken from the system locale, since there
// is no Windows settings file here.
#include <string_view>

namespace halcyra {

struct DateSettings {
  int DateFormat = 0;  // 0 M/D/Y, 1 D/M/Y, 2 Y/M/D
  int Use24Hour = 0;   // 1 for a 24-hour clock, 0 for A.M./P.M.
};

// Reads the order of day, month and year from a short date pattern
// ("M/d/yy", "dd.MM.yyyy", "yyyy-MM-dd") and the clock from a short time
// pattern: 24-hour unless the pattern shows an A.M./P.M. marker ("h:mm AP").
DateSettings DateSettingsFromFormats(std::string_view shortDate, std::string_view shortTime);

// The settings of QLocale::system().
DateSettings SystemDateSettings();

}  // namespace halcyra
