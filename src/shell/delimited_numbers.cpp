#include "shell/delimited_numbers.h"

#include <charconv>
#include <cmath>

#include "platform/number_text.h"
#include "shell/startup_data.h"

namespace halcyra {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == ','; }

}  // namespace

DelimitedNumbers::DelimitedNumbers(std::string_view text, std::string fileName)
    : text_(text), fileName_(std::move(fileName)) {}

void DelimitedNumbers::SkipBlanksAndLineEnds() {
  while (pos_ < text_.size()) {
    const char c = text_[pos_];
    if (c == '\n') {
      ++line_;
    } else if (!IsBlank(c) && c != '\r') {
      break;
    }
    ++pos_;
  }
}

bool DelimitedNumbers::AtEnd() {
  SkipBlanksAndLineEnds();
  return pos_ >= text_.size();
}

void DelimitedNumbers::Fail(const std::string& problem) const {
  throw StartupFileError(fileName_, line_, fileName_ + ", line " + std::to_string(line_) + ": " + problem);
}

double DelimitedNumbers::Next() {
  SkipBlanksAndLineEnds();
  if (pos_ >= text_.size()) Fail("the file ends where a number is expected");
  if (text_[pos_] == ',') Fail("an empty field where a number is expected");

  size_t start = pos_;
  // from_chars takes no plus sign and would accept "inf" and "nan", which
  // no data file of ours holds.
  if (text_[start] == '+') ++start;
  const char* first = text_.data() + start;
  const char* last = text_.data() + text_.size();
  const bool startsNumber = first < last && ((*first >= '0' && *first <= '9') || *first == '.' ||
                                             (*first == '-' && start == pos_));
  double value = 0;
  const auto result = startsNumber ? std::from_chars(first, last, value) : std::from_chars_result{first, std::errc::invalid_argument};
  const size_t stop = static_cast<size_t>(result.ptr - text_.data());
  if (result.ec != std::errc() || (stop < text_.size() && !IsSeparator(text_[stop])) || !std::isfinite(value)) {
    size_t end = pos_;
    while (end < text_.size() && !IsSeparator(text_[end]) && end - pos_ < 40) ++end;
    Fail("\"" + std::string(text_.substr(pos_, end - pos_)) + "\" is not a number");
  }
  pos_ = stop;
  // One comma may close the field, with blanks before it.
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  if (pos_ < text_.size() && text_[pos_] == ',') ++pos_;
  return value;
}

int DelimitedNumbers::NextInteger() {
  SkipBlanksAndLineEnds();
  const long fieldLine = line_;
  const double value = Next();
  const long whole = std::fabs(value) < 1e9 ? RoundHalfEven(value) : 1L << 40;
  if (whole < -32768 || whole > 32767) {
    throw StartupFileError(fileName_, fieldLine,
                           fileName_ + ", line " + std::to_string(fieldLine) +
                               ": a whole number outside -32768 to 32767");
  }
  return static_cast<int>(whole);
}

}  // namespace halcyra
