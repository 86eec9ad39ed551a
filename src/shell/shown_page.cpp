#include "shell/shown_page.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "platform/parallel_runs.h"
#include "platform/text_files.h"
#include "shell/report_output.h"

namespace halcyra {

namespace {

// Entries one thread scans at least: below this one thread is faster.
constexpr size_t EntriesPerThread = 50000;

}  // namespace

ShownPage::ShownPage(const std::vector<std::string>& entries, size_t count)
    : entries_(&entries), count_(std::min(count, entries.size())) {
  struct Run {
    size_t first = 0;
    std::vector<Split> splits;
    size_t widest = 0;
  };
  std::vector<Run> runs;
  std::mutex gathering;
  ForEachRun(count_, EntriesPerThread, 0, [&](size_t first, size_t end) {
    Run run{first, {}, 0};
    for (size_t i = first; i < end; ++i) {
      const std::string& entry = entries[i];
      // Only an entry holding a line feed is cut, as the page always was.
      if (std::memchr(entry.data(), '\n', entry.size()) == nullptr) {
        run.widest = std::max(run.widest, entry.size());
        continue;
      }
      Split split{i, 0, LineSpans(entry)};
      for (const auto& part : split.parts) run.widest = std::max(run.widest, part.second);
      run.splits.push_back(std::move(split));
    }
    const std::lock_guard lock(gathering);
    runs.push_back(std::move(run));
  });
  // The runs end in any order; the rows follow the entries.
  std::ranges::sort(runs, {}, &Run::first);
  size_t extraRows = 0;
  for (Run& run : runs) {
    widest_ = std::max(widest_, run.widest);
    for (Split& split : run.splits) {
      split.firstRow = split.entry + extraRows;
      extraRows += split.parts.size() - 1;
      splits_.push_back(std::move(split));
    }
  }
  rows_ = count_ + extraRows + 2;  // the spare entry and the row after the final line end
}

ShownPage& ShownPage::operator=(ShownPage&& other) noexcept {
  if (this != &other) {
    Release();
    entries_ = std::exchange(other.entries_, nullptr);
    kept_ = std::move(other.kept_);
    count_ = std::exchange(other.count_, 0);
    rows_ = std::exchange(other.rows_, 1);
    widest_ = std::exchange(other.widest_, 0);
    splits_ = std::move(other.splits_);
  }
  return *this;
}

ShownPage::~ShownPage() { Release(); }

void ShownPage::Release() {
  // A long page's lines are freed on several threads.
  if (kept_) FreeLines(*kept_);
  kept_.reset();
  entries_ = nullptr;
}

void ShownPage::TakeOver(std::vector<std::string>& entries) {
  if (entries_ != &entries) return;
  // The moved vector keeps its storage: every line stays where it lies.
  kept_ = std::make_unique<std::vector<std::string>>(std::move(entries));
  entries.clear();
  entries_ = kept_.get();
}

std::string_view ShownPage::Row(size_t row) const {
  if (!entries_) return {};
  size_t entry = row;
  // the last split that starts at or before the row
  auto after = std::upper_bound(splits_.begin(), splits_.end(), row,
                                [](size_t r, const Split& split) { return r < split.firstRow; });
  if (after != splits_.begin()) {
    const Split& split = *std::prev(after);
    const size_t partRows = split.parts.size();
    if (row < split.firstRow + partRows) {
      if (split.entry >= entries_->size()) return {};
      const std::string& text = (*entries_)[split.entry];
      const auto [offset, length] = split.parts[row - split.firstRow];
      return std::string_view(text).substr(std::min(offset, text.size()), length);
    }
    entry = split.entry + 1 + (row - split.firstRow - partRows);
  }
  if (entry >= count_ || entry >= entries_->size()) return {};
  return (*entries_)[entry];
}

}  // namespace halcyra
