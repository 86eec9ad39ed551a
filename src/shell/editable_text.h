#pragma once
// A text the user edits in the print window, kept as the file's bytes and
// an index of its rows: an edited row goes into a second buffer and its
// entry in the index points there, so a print file of a million lines is
// held once and an edit costs no more than the rows it touches.
#include <cstdint>
#include <string>
#include <vector>

#include "shell/text_rows.h"

namespace halcyra {

class EditableText : public TextRows {
 public:
  // The text's rows are cut at its line ends: CR LF, LF or CR alone.
  explicit EditableText(std::string text = {});

  size_t RowCount() const override { return rows_.size(); }
  std::string_view Row(size_t row) const override;
  // Characters of the longest row the text has held since it was loaded.
  size_t WidestRow() const override { return widest_; }

  // Replaces the text between two positions (either order) with `text`,
  // cut into rows at its line ends. Returns the position after the new text.
  TextPos Replace(TextPos a, TextPos b, std::string_view text);

 private:
  struct RowRef {
    size_t offset;
    uint32_t length;
    bool edited;  // in edited_, else in original_
  };
  std::string original_, edited_;
  std::vector<RowRef> rows_;
  size_t widest_ = 0;
};

// A text's rows as offset and length pairs: cut at CR LF, LF or CR alone,
// with the row after the last line end.
std::vector<std::pair<size_t, size_t>> RowSpans(std::string_view text);

}  // namespace halcyra
