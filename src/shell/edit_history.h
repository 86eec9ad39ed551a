#pragma once
// The undo and redo steps of an editable text. A step keeps only the text
// an edit replaced and the text it put there, never a copy of the whole
// text, so a long print file costs no more than what the user changed.
#include <string>
#include <vector>

#include "shell/text_rows.h"

namespace halcyra {

// One edit: at `at`, `removed` gave way to `inserted` (rows joined by "\n").
struct EditStep {
  TextPos at;
  std::string removed, inserted;
};

// The place after `text` (rows joined by "\n") put in at `at`.
TextPos PosAfter(TextPos at, std::string_view text);

class EditHistory {
 public:
  // Adds an edit as the newest step and drops the steps undone before it.
  // A typed character right after the text typed by the newest step joins
  // that step, as long as no line end and no cursor move came between.
  void Record(EditStep step, bool typed);
  // The next typed character starts a step of its own.
  void CloseTyping() { typing_ = false; }

  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }
  // The step to take back or to make again; null when there is none.
  const EditStep* Undo();
  const EditStep* Redo();

 private:
  std::vector<EditStep> steps_;
  size_t done_ = 0;      // steps_[0, done_) are in the text
  bool typing_ = false;  // the newest step may take the next typed character
};

}  // namespace halcyra
