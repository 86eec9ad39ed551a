// The date order and clock taken from the system's locale patterns.
#include <gtest/gtest.h>

#include "platform/date_settings.h"

namespace halcyra {
namespace {

TEST(DateSettings, OrderAndClockFromLocalePatterns) {
  const struct { const char* date; const char* time; int dateFormat; int use24Hour; const char* locale; } cases[] = {
      {"M/d/yy", "h:mm AP", 0, 0, "en_US"},
      {"dd/MM/yyyy", "HH:mm", 1, 1, "en_GB"},
      {"dd.MM.yy", "HH:mm", 1, 1, "de_DE"},
      {"yyyy-MM-dd", "HH:mm", 2, 1, "sv_SE"},
      {"y/M/d", "Ah:mm", 2, 0, "zh_CN"},
      {"d/M/yy", "h:mm ap", 1, 0, "en_AU"},
      {"d 'de' MMMM", "H'h'mm", 1, 1, "quoted literal letters are not pattern letters"},
  };
  for (const auto& c : cases) {
    const DateSettings s = DateSettingsFromFormats(c.date, c.time);
    EXPECT_EQ(s.DateFormat, c.dateFormat) << c.locale << " " << c.date;
    EXPECT_EQ(s.Use24Hour, c.use24Hour) << c.locale << " " << c.time;
  }
}

}  // namespace
}  // namespace halcyra
