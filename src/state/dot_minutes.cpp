#include "state/dot_minutes.h"

#include <cmath>
#include <cstdlib>

namespace halcyra {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::optional<DotMinutes> DotMinutes::FromText(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  DotMinutes value;
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    value.Negative = text[i] == '-';
    ++i;
  }
  size_t digits = 0;
  long whole = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) {
    whole = whole * 10 + (text[i] - '0');
    if (whole > 100000) return std::nullopt;
  }
  if (digits == 0) return std::nullopt;
  value.Whole = static_cast<int>(whole);
  if (i < text.size() && text[i] == '.') {
    ++i;
    size_t places = 0;
    int minutes = 0;
    for (; i < text.size() && IsDigit(text[i]) && places < 2; ++i, ++places) minutes = minutes * 10 + (text[i] - '0');
    if (places == 0) return std::nullopt;
    if (places == 1) minutes *= 10;
    // Two places up to 99, as a typed box takes them: 5.75 is 5 hours and
    // 75 minutes, which the chart reads as 6.25 hours.
    value.Minutes = minutes;
  }
  if (i != text.size()) return std::nullopt;
  if (value.Whole == 0 && value.Minutes == 0) value.Negative = false;
  return value;
}

DotMinutes DotMinutes::FromValue(double dotValue) {
  DotMinutes value;
  value.Negative = dotValue < 0;
  // Hundredths are counted whole so that 5.3, held as 5.29999..., keeps its
  // 30 minutes. Magnitudes beyond what the whole part holds stop at its end.
  constexpr double Largest = 2147483647.0 * 100;
  const double magnitude = std::fabs(dotValue) * 100;
  const long hundredths = std::lround(magnitude < Largest ? magnitude : Largest);
  value.Whole = static_cast<int>(hundredths / 100);
  value.Minutes = static_cast<int>(hundredths % 100);
  if (value.Whole == 0 && value.Minutes == 0) value.Negative = false;
  return value;
}

std::string DotMinutes::Text() const {
  std::string text = Negative ? "-" : "";
  text += std::to_string(Whole);
  if (Minutes != 0) {
    text += '.';
    if (Minutes < 10) text += '0';
    text += std::to_string(Minutes);
  }
  return text;
}

double DotMinutes::Decimal() const {
  const double magnitude = Whole + Minutes / 60.0;
  return Negative ? -magnitude : magnitude;
}

}  // namespace halcyra
