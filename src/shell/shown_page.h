#pragma once
// The current page as the last-page file and the Data window show it: the
// page buffer's entries, an entry holding line breaks of its own shown as
// one row per part, then the empty spare entry and the empty row after the
// final line end. It reads the buffer where it lies instead of copying a
// long listing's page; when the buffer's page is emptied while it is on
// view, the shown page takes its lines over, so that they stay on view
// until the next page is shown.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "shell/text_rows.h"

namespace halcyra {

class ShownPage : public TextRows {
 public:
  ShownPage() = default;  // nothing on view: one empty row
  // Entries 0 to count - 1 of the page buffer, which must outlive the
  // shown page or be taken over (TakeOver) before it changes.
  ShownPage(const std::vector<std::string>& entries, size_t count);
  ShownPage(ShownPage&&) noexcept = default;
  ShownPage& operator=(ShownPage&&) noexcept;
  ~ShownPage() override;

  size_t RowCount() const override { return rows_; }
  std::string_view Row(size_t row) const override;
  size_t WidestRow() const override { return widest_; }

  bool Reads(const std::vector<std::string>& entries) const { return entries_ == &entries; }
  // Moves the entries it reads into itself; the list is left empty.
  void TakeOver(std::vector<std::string>& entries);

 private:
  // An entry holding line breaks: the row of its first part, and each
  // part's offset and length in the entry.
  struct Split {
    size_t entry = 0, firstRow = 0;
    std::vector<std::pair<size_t, size_t>> parts;
  };
  void Release();

  const std::vector<std::string>* entries_ = nullptr;
  std::unique_ptr<std::vector<std::string>> kept_;
  size_t count_ = 0, rows_ = 1, widest_ = 0;
  std::vector<Split> splits_;  // in the order of their entries
};

}  // namespace halcyra
