#include "platform/number_text.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace halcyra {

namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The text with every skipped character removed.
std::string Squeezed(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (!IsSkipped(c)) out.push_back(c);
  return out;
}

double RadixPrefix(const std::string& s, size_t pos, int radix) {
  double value = 0;
  for (; pos < s.size(); ++pos) {
    char c = s[pos];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (radix == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (radix == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else break;
    if (digit >= radix) break;
    value = value * radix + digit;
  }
  // Too many digits for a double give 0, as a decimal number beyond range does.
  return std::isfinite(value) ? value : 0;
}

}  // namespace

double Val(std::string_view text) {
  const std::string s = Squeezed(text);
  if (s.size() >= 2 && s[0] == '&') {
    char kind = s[1];
    if (kind == 'H' || kind == 'h') return RadixPrefix(s, 2, 16);
    if (kind == 'O' || kind == 'o') return RadixPrefix(s, 2, 8);
  }
  size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digitsStart = i;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i;
  }
  size_t mantissaEnd = i;
  bool hasDigits = false;
  for (size_t k = digitsStart; k < mantissaEnd; ++k)
    if (std::isdigit(static_cast<unsigned char>(s[k]))) hasDigits = true;
  if (!hasDigits) return 0;
  // An exponent counts only when at least one digit follows it.
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    size_t expDigits = j;
    while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
    if (j > expDigits) mantissaEnd = j;
  }
  std::string number = s.substr(0, mantissaEnd);
  for (char& c : number)
    if (c == 'd' || c == 'D') c = 'e';
  double value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0;
}

long RoundHalfEven(double value) {
  // Beyond the range of a long the nearest end is the nearest whole number
  // there is; NaN has none and gives 0.
  constexpr double LongEnd = 9223372036854775808.0;  // 2^63
  if (std::isnan(value)) return 0;
  if (value >= LongEnd) return std::numeric_limits<long>::max();
  if (value < -LongEnd) return std::numeric_limits<long>::min();
  double floorValue = std::floor(value);
  double diff = value - floorValue;
  if (diff > 0.5) return static_cast<long>(floorValue) + 1;
  if (diff < 0.5) return static_cast<long>(floorValue);
  long f = static_cast<long>(floorValue);
  return (f % 2 == 0) ? f : f + 1;
}

long ValInt(std::string_view text) { return RoundHalfEven(Val(text)); }

std::optional<long> WholeBoxNumber(std::string_view box) {
  const size_t first = box.find_first_not_of(" \t");
  if (first == std::string_view::npos) return std::nullopt;
  const size_t last = box.find_last_not_of(" \t");
  if (last - first + 1 > 9) return std::nullopt;
  long value = 0;
  for (size_t i = first; i <= last; ++i) {
    if (box[i] < '0' || box[i] > '9') return std::nullopt;
    value = value * 10 + (box[i] - '0');
  }
  return value;
}

std::string StrNumber(double value, int significant) {
  if (value == 0) return " 0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*g", significant, value);
  // The largest doubles round up past the range at 15 digits and would read
  // back as nothing; they keep all their digits instead.
  if (std::isinf(std::strtod(buffer, nullptr))) std::snprintf(buffer, sizeof buffer, "%.17g", value);
  std::string s = buffer;
  // Exponent forms keep the C library's spelling; plain forms lose nothing.
  if (s[0] == '-') return s;
  return " " + s;
}

}  // namespace halcyra
