#include "shell/text_cursor.h"

#include <algorithm>

namespace halcyra {

namespace {

// 0 blank, 1 letter or digit (Latin-1 letters included), 2 any other sign.
int KindOf(unsigned char c) {
  if (c == ' ' || c == '\t') return 0;
  const bool letter = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
                      (c >= 0xC0 && c != 0xD7 && c != 0xF7);
  return letter ? 1 : 2;
}

TextPos WordRight(const TextRows& rows, TextPos at) {
  const std::string_view row = rows.Row(at.row);
  if (at.col >= row.size()) return at.row + 1 < rows.RowCount() ? TextPos{at.row + 1, 0} : at;
  const int kind = KindOf(row[at.col]);
  while (at.col < row.size() && KindOf(row[at.col]) == kind) ++at.col;
  while (at.col < row.size() && KindOf(row[at.col]) == 0) ++at.col;
  return at;
}

TextPos WordLeft(const TextRows& rows, TextPos at) {
  if (at.col == 0) return at.row > 0 ? TextPos{at.row - 1, rows.Row(at.row - 1).size()} : at;
  const std::string_view row = rows.Row(at.row);
  while (at.col > 0 && KindOf(row[at.col - 1]) == 0) --at.col;
  if (at.col == 0) return at;
  const int kind = KindOf(row[at.col - 1]);
  while (at.col > 0 && KindOf(row[at.col - 1]) == kind) --at.col;
  return at;
}

TextPos RowAt(const TextRows& rows, size_t row, size_t goalColumn) {
  return {row, std::min(goalColumn, rows.Row(row).size())};
}

}  // namespace

TextPos MoveCursor(const TextRows& rows, TextPos from, CursorMove move, size_t pageRows, size_t goalColumn) {
  from = ClampedPos(rows, from);
  const size_t last = rows.RowCount() - 1;
  pageRows = std::max<size_t>(pageRows, 1);
  switch (move) {
    case CursorMove::Left:
      if (from.col > 0) return {from.row, from.col - 1};
      return from.row > 0 ? TextPos{from.row - 1, rows.Row(from.row - 1).size()} : from;
    case CursorMove::Right:
      if (from.col < rows.Row(from.row).size()) return {from.row, from.col + 1};
      return from.row < last ? TextPos{from.row + 1, 0} : from;
    case CursorMove::Up: return from.row > 0 ? RowAt(rows, from.row - 1, goalColumn) : TextPos{0, 0};
    case CursorMove::Down: return from.row < last ? RowAt(rows, from.row + 1, goalColumn) : TextEnd(rows);
    case CursorMove::PageUp: return RowAt(rows, from.row > pageRows ? from.row - pageRows : 0, goalColumn);
    case CursorMove::PageDown: return RowAt(rows, std::min(from.row + pageRows, last), goalColumn);
    case CursorMove::RowStart: return {from.row, 0};
    case CursorMove::RowEnd: return {from.row, rows.Row(from.row).size()};
    case CursorMove::TextStart: return {0, 0};
    case CursorMove::TextEnd: return TextEnd(rows);
    case CursorMove::WordLeft: return WordLeft(rows, from);
    case CursorMove::WordRight: return WordRight(rows, from);
  }
  return from;
}

std::pair<TextPos, TextPos> WordAround(const TextRows& rows, TextPos pos) {
  pos = ClampedPos(rows, pos);
  const std::string_view row = rows.Row(pos.row);
  if (row.empty()) return {pos, pos};
  size_t at = std::min(pos.col, row.size() - 1);
  const int kind = KindOf(row[at]);
  size_t start = at, end = at + 1;
  while (start > 0 && KindOf(row[start - 1]) == kind) --start;
  while (end < row.size() && KindOf(row[end]) == kind) ++end;
  return {{pos.row, start}, {pos.row, end}};
}

}  // namespace halcyra
