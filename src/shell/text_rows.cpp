#include "shell/text_rows.h"

#include <algorithm>

#include "platform/text_files.h"

namespace halcyra {

TextPos ClampedPos(const TextRows& rows, TextPos pos) {
  pos.row = std::min(pos.row, rows.RowCount() - 1);
  pos.col = std::min(pos.col, rows.Row(pos.row).size());
  return pos;
}

TextPos TextEnd(const TextRows& rows) {
  const size_t last = rows.RowCount() - 1;
  return {last, rows.Row(last).size()};
}

std::string TextBetween(const TextRows& rows, TextPos a, TextPos b) {
  a = ClampedPos(rows, a);
  b = ClampedPos(rows, b);
  if (b < a) std::swap(a, b);
  if (a.row == b.row) return std::string(rows.Row(a.row).substr(a.col, b.col - a.col));
  size_t size = rows.Row(a.row).size() - a.col + b.col;
  for (size_t row = a.row + 1; row < b.row; ++row) size += rows.Row(row).size() + 1;
  std::string text;
  text.reserve(size + 1);
  text += rows.Row(a.row).substr(a.col);
  for (size_t row = a.row + 1; row < b.row; ++row) {
    text += '\n';
    text += rows.Row(row);
  }
  text += '\n';
  text += rows.Row(b.row).substr(0, b.col);
  return text;
}

std::string AllText(const TextRows& rows) { return TextBetween(rows, {0, 0}, TextEnd(rows)); }

bool WriteTextRows(const std::string& path, const TextRows& rows, std::string* reason) {
  return WrittenElseWhy(
      WriteTextLinesOrReason(path, rows.RowCount(), [&rows](size_t row) { return rows.Row(row); }, false), reason);
}

}  // namespace halcyra
