#include "platform/date_settings.h"

#include <QLocale>
#include <QString>

namespace halcyra {

namespace {

// The pattern without its quoted literal text ('de', 'o''clock').
std::string Unquoted(std::string_view pattern) {
  std::string out;
  bool quoted = false;
  for (char c : pattern) {
    if (c == '\'') {
      quoted = !quoted;
      continue;
    }
    if (!quoted) out.push_back(c);
  }
  return out;
}

}  // namespace

DateSettings DateSettingsFromFormats(std::string_view shortDate, std::string_view shortTime) {
  DateSettings settings;
  const std::string date = Unquoted(shortDate);
  const size_t day = date.find('d');
  const size_t month = date.find('M');
  const size_t year = date.find('y');
  if (year != std::string::npos && (day == std::string::npos || year < day) &&
      (month == std::string::npos || year < month))
    settings.DateFormat = 2;
  else if (day != std::string::npos && month != std::string::npos && day < month)
    settings.DateFormat = 1;
  else
    settings.DateFormat = 0;
  const std::string time = Unquoted(shortTime);
  settings.Use24Hour = time.find_first_of("aA") == std::string::npos ? 1 : 0;
  return settings;
}

DateSettings SystemDateSettings() {
  const QLocale locale = QLocale::system();
  return DateSettingsFromFormats(locale.dateFormat(QLocale::ShortFormat).toStdString(),
                                 locale.timeFormat(QLocale::ShortFormat).toStdString());
}

}  // namespace halcyra
