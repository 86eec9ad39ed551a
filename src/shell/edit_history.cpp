#include "shell/edit_history.h"

#include <algorithm>

namespace halcyra {

TextPos PosAfter(TextPos at, std::string_view text) {
  const size_t lastEnd = text.rfind('\n');
  if (lastEnd == std::string_view::npos) return {at.row, at.col + text.size()};
  return {at.row + static_cast<size_t>(std::count(text.begin(), text.end(), '\n')), text.size() - lastEnd - 1};
}

void EditHistory::Record(EditStep step, bool typed) {
  steps_.resize(done_);
  typed = typed && step.inserted.find('\n') == std::string::npos;
  if (typed && typing_ && !steps_.empty() && step.removed.empty()) {
    EditStep& last = steps_.back();
    if (PosAfter(last.at, last.inserted) == step.at) {
      last.inserted += step.inserted;
      return;
    }
  }
  steps_.push_back(std::move(step));
  done_ = steps_.size();
  typing_ = typed;
}

const EditStep* EditHistory::Undo() {
  typing_ = false;
  return done_ > 0 ? &steps_[--done_] : nullptr;
}

const EditStep* EditHistory::Redo() {
  typing_ = false;
  return done_ < steps_.size() ? &steps_[done_++] : nullptr;
}

}  // namespace halcyra
