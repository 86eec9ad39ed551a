#pragma once
// A text as rows, the way the text views show it and the last-page and
// print files hold it: the rows joined by line ends are the text, so a text
// that ends with a line end has an empty last row.
#include <compare>
#include <cstddef>
#include <string>
#include <string_view>

namespace halcyra {

class TextRows {
 public:
  virtual ~TextRows() = default;
  virtual size_t RowCount() const = 0;  // at least 1
  // The row's characters (Latin-1), valid until the text changes; "" past the last row.
  virtual std::string_view Row(size_t row) const = 0;
  virtual size_t WidestRow() const = 0;  // characters of the longest row
};

// A place in the text: before character `col` of row `row`.
struct TextPos {
  size_t row = 0, col = 0;
  auto operator<=>(const TextPos&) const = default;
};

// The position nearest to `pos` inside the text.
TextPos ClampedPos(const TextRows& rows, TextPos pos);
// The place after the last character.
TextPos TextEnd(const TextRows& rows);
// The text between two positions, in either order, rows joined by "\n".
std::string TextBetween(const TextRows& rows, TextPos a, TextPos b);
// The whole text, rows joined by "\n".
std::string AllText(const TextRows& rows);

// Writes the rows joined by CR LF (the empty last row of a text that ends
// with a line end thus writes nothing after that line end); all or nothing,
// with the system's reason in `reason` when given.
bool WriteTextRows(const std::string& path, const TextRows& rows, std::string* reason = nullptr);

}  // namespace halcyra
