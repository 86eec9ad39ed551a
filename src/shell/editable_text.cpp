#include "shell/editable_text.h"

#include <algorithm>
#include <limits>

#include "platform/text_files.h"

namespace halcyra {

EditableText::EditableText(std::string text) : original_(std::move(text)) {
  const auto spans = LineSpans(original_);
  rows_.reserve(spans.size());
  for (const auto& [offset, length] : spans) {
    rows_.push_back({offset, static_cast<uint32_t>(std::min<size_t>(length, std::numeric_limits<uint32_t>::max())),
                     false});
    widest_ = std::max(widest_, length);
  }
}

std::string_view EditableText::Row(size_t row) const {
  if (row >= rows_.size()) return {};
  const RowRef& ref = rows_[row];
  return std::string_view(ref.edited ? edited_ : original_).substr(ref.offset, ref.length);
}

TextPos EditableText::Replace(TextPos a, TextPos b, std::string_view text, bool typed) {
  a = ClampedPos(*this, a);
  b = ClampedPos(*this, b);
  if (b < a) std::swap(a, b);
  if (a == b && text.empty()) return a;  // Backspace at the start, Delete at the end
  std::string removed = TextBetween(*this, a, b);
  const TextPos end = Apply(a, b, text);
  // as the rows hold it, line ends made "\n"
  history_.Record({a, std::move(removed), TextBetween(*this, a, end)}, typed);
  return end;
}

std::optional<std::pair<TextPos, TextPos>> EditableText::Undo() {
  const EditStep* step = history_.Undo();
  if (!step) return std::nullopt;
  return std::pair(step->at, Apply(step->at, PosAfter(step->at, step->inserted), step->removed));
}

std::optional<std::pair<TextPos, TextPos>> EditableText::Redo() {
  const EditStep* step = history_.Redo();
  if (!step) return std::nullopt;
  const TextPos end = Apply(step->at, PosAfter(step->at, step->removed), step->inserted);
  return std::pair(end, end);
}

// Expects a <= b, both inside the text.
TextPos EditableText::Apply(TextPos a, TextPos b, std::string_view text) {
  // copies: the rows may lie in the buffer the new rows are appended to
  const std::string prefix(Row(a.row).substr(0, a.col));
  const std::string suffix(Row(b.row).substr(b.col));
  std::vector<RowRef> added;
  TextPos end;
  const auto spans = LineSpans(text);
  for (size_t k = 0; k < spans.size(); ++k) {
    std::string row(text.substr(spans[k].first, spans[k].second));
    if (k == 0) row.insert(0, prefix);
    if (k + 1 == spans.size()) {
      end = {a.row + k, row.size()};
      row += suffix;
    }
    added.push_back({edited_.size(), static_cast<uint32_t>(row.size()), true});
    widest_ = std::max(widest_, row.size());
    edited_ += row;
  }
  const auto first = rows_.begin() + static_cast<long>(a.row);
  const size_t replaced = b.row - a.row + 1;
  // the rows in common are overwritten, the rest erased or inserted
  const size_t common = std::min(replaced, added.size());
  std::copy_n(added.begin(), common, first);
  if (replaced > common) rows_.erase(first + static_cast<long>(common), first + static_cast<long>(replaced));
  else rows_.insert(first + static_cast<long>(common), added.begin() + static_cast<long>(common), added.end());
  return end;
}

}  // namespace halcyra
