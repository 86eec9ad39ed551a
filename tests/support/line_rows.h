#pragma once
// A list of lines as the rows of a text, read where they lie.
#include <algorithm>
#include <string>
#include <vector>

#include "shell/text_rows.h"

namespace halcyra::testing {

class LineRows : public TextRows {
 public:
  explicit LineRows(const std::vector<std::string>& lines) : lines_(lines) {}
  size_t RowCount() const override { return std::max<size_t>(lines_.size(), 1); }
  std::string_view Row(size_t row) const override { return row < lines_.size() ? lines_[row] : std::string_view(); }
  size_t WidestRow() const override {
    size_t widest = 0;
    for (const auto& line : lines_) widest = std::max(widest, line.size());
    return widest;
  }

 private:
  const std::vector<std::string>& lines_;
};

}  // namespace halcyra::testing
