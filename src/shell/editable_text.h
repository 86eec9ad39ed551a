#pragma once
// A text the user edits in the print window, kept as the file's bytes and
// an index of its rows: an edited row goes into a second buffer and its
// entry in the index points there, so a print file of a million lines is
// held once and an edit costs no more than the rows it touches.
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "shell/edit_history.h"
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
  // cut into rows at its line ends, as a step that can be undone; `typed`
  // characters in a row make one step. Returns the position after the new text.
  TextPos Replace(TextPos a, TextPos b, std::string_view text, bool typed = false);

  // Takes the newest edit back: the text it replaced comes back, and the
  // result is that text's start and end, to select. Nothing when no edit is left.
  std::optional<std::pair<TextPos, TextPos>> Undo();
  // Makes the newest undone edit again; the result is the place after its
  // text, twice (no selection).
  std::optional<std::pair<TextPos, TextPos>> Redo();
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }
  // The cursor moved: the next typed character starts a new step.
  void CloseTyping() { history_.CloseTyping(); }

 private:
  TextPos Apply(TextPos a, TextPos b, std::string_view text);

  struct RowRef {
    size_t offset;
    uint32_t length;
    bool edited;  // in edited_, else in original_
  };
  std::string original_, edited_;
  std::vector<RowRef> rows_;
  size_t widest_ = 0;
  EditHistory history_;
};

}  // namespace halcyra
