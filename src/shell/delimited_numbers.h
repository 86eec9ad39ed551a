#pragma once
// Free-format numeric data files: numbers separated by commas, blanks or
// line ends, so a record of two numbers may stand on one line or on two.
#include <string>
#include <string_view>

namespace halcyra {

class DelimitedNumbers {
 public:
  // `fileName` names the file in error messages; `text` is its whole content.
  DelimitedNumbers(std::string_view text, std::string fileName);

  // True when only separators remain. Skips them, counting line ends.
  bool AtEnd();

  // The next number. Throws StartupFileError naming the file and line when
  // the file has ended or the next field is not a number.
  double Next();

  // The next number as a 16-bit whole number, halves to the even neighbour.
  int NextInteger();

  // The next number as a single-precision value; one beyond its range
  // ("1e39") throws StartupFileError naming the file and line.
  float NextSingle();

  // 1-based line of the reading position.
  long Line() const { return line_; }

 private:
  void SkipBlanksAndLineEnds();
  [[noreturn]] void Fail(const std::string& problem) const;

  std::string_view text_;
  std::string fileName_;
  size_t pos_ = 0;
  long line_ = 1;
};

}  // namespace halcyra
