#pragma once
// A PDF as the PDF writer draws it, held in memory in blocks of a megabyte:
// no block is copied to make room for the next, so a long PDF needs little
// more memory than its own size. A block that cannot be had refuses that
// write and every later one, and hands back what it held, so that the
// program goes on; the drawing then only says that memory ran out.
#include <QIODevice>
#include <memory>
#include <string_view>
#include <vector>

namespace halcyra {

class PdfInMemory : public QIODevice {
 public:
  PdfInMemory();
  bool RanOutOfMemory() const { return outOfMemory_; }
  // Frees what was drawn and refuses every later write, as when a block
  // could not be had: the drawing ran out of memory elsewhere.
  void HandBack();
  // The bytes drawn so far, block by block.
  std::vector<std::string_view> Parts() const;

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char* data, qint64 size) override;

 private:
  static constexpr size_t BlockBytes = size_t{1} << 20;
  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t lastUsed_ = BlockBytes;  // bytes of the last block in use
  bool outOfMemory_ = false;
};

}  // namespace halcyra
