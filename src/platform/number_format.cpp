#include "platform/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace halcyra {

namespace {

struct Pattern {
  int minIntegerDigits = 0;
  int decimals = 0;
};

Pattern ParsePattern(std::string_view pattern) {
  Pattern p;
  const size_t point = pattern.find('.');
  const std::string_view integerPart = pattern.substr(0, point);
  for (char c : integerPart)
    if (c == '0') ++p.minIntegerDigits;
  if (point != std::string_view::npos)
    for (char c : pattern.substr(point + 1))
      if (c == '0' || c == '#') ++p.decimals;
  return p;
}

// The magnitude of `value` rounded half away from zero to `decimals` places,
// as the digits of value * 10^decimals (no leading zeros, "0" for zero).
std::string RoundedDigits(double magnitude, int decimals) {
  if (magnitude == 0 || !std::isfinite(magnitude)) return "0";
  char buffer[40];
  // Fifteen significant digits: the precision a double carries reliably.
  std::snprintf(buffer, sizeof buffer, "%.14e", magnitude);
  std::string digits;
  const char* p = buffer;
  for (; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') digits.push_back(*p);
  const int exponent = std::atoi(p + 1);
  // Digits of the integer part plus the decimals kept.
  const long keep = static_cast<long>(exponent) + 1 + decimals;
  if (keep < 0) return "0";
  if (keep >= static_cast<long>(digits.size())) {
    digits.append(static_cast<size_t>(keep) - digits.size(), '0');
    return digits;
  }
  const bool roundUp = digits[static_cast<size_t>(keep)] >= '5';
  digits.resize(static_cast<size_t>(keep));
  if (roundUp) {
    long i = keep - 1;
    for (; i >= 0; --i) {
      if (digits[static_cast<size_t>(i)] == '9') {
        digits[static_cast<size_t>(i)] = '0';
      } else {
        ++digits[static_cast<size_t>(i)];
        break;
      }
    }
    if (i < 0) digits.insert(digits.begin(), '1');
  }
  const size_t firstNonZero = digits.find_first_not_of('0');
  if (firstNonZero == std::string::npos) return "0";
  return digits.substr(firstNonZero);
}

}  // namespace

std::string FormatNumber(double value, std::string_view pattern) {
  const Pattern p = ParsePattern(pattern);
  std::string digits = RoundedDigits(std::fabs(value), p.decimals);
  const bool isZero = digits == "0";
  // Split into integer and decimal digits.
  if (static_cast<int>(digits.size()) <= p.decimals)
    digits.insert(0, static_cast<size_t>(p.decimals) + 1 - digits.size(), '0');
  std::string integerPart = digits.substr(0, digits.size() - static_cast<size_t>(p.decimals));
  const std::string decimalPart = digits.substr(integerPart.size());
  // Leading zeros of the integer part stay only as far as the pattern asks.
  size_t strip = 0;
  while (strip < integerPart.size() && integerPart[strip] == '0' &&
         static_cast<int>(integerPart.size() - strip) > p.minIntegerDigits)
    ++strip;
  integerPart.erase(0, strip);
  if (static_cast<int>(integerPart.size()) < p.minIntegerDigits)
    integerPart.insert(0, static_cast<size_t>(p.minIntegerDigits) - integerPart.size(), '0');
  std::string out = (value < 0 && !isZero) ? "-" : "";
  out += integerPart;
  if (p.decimals > 0) out += "." + decimalPart;
  return out;
}

std::string FormatDateDdMmmYyyy(int day, int month, int year) {
  static constexpr const char* kMonths[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%02d %s %d", day,
                (month >= 1 && month <= 12) ? kMonths[month - 1] : "???", year);
  return buffer;
}

}  // namespace halcyra
