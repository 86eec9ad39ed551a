#include "shell/ui/pdf_in_memory.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace halcyra {

PdfInMemory::PdfInMemory() { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

std::vector<std::string_view> PdfInMemory::Parts() const {
  std::vector<std::string_view> parts;
  for (size_t i = 0; i < blocks_.size(); ++i)
    parts.emplace_back(blocks_[i].get(), i + 1 < blocks_.size() ? BlockBytes : lastUsed_);
  return parts;
}

qint64 PdfInMemory::readData(char*, qint64) { return -1; }

qint64 PdfInMemory::writeData(const char* data, qint64 size) {
  if (outOfMemory_) return -1;
  try {
    for (auto left = static_cast<size_t>(size); left > 0;) {
      if (lastUsed_ == BlockBytes) {
        blocks_.push_back(std::unique_ptr<char[]>(new char[BlockBytes]));
        lastUsed_ = 0;
      }
      const size_t part = std::min(left, BlockBytes - lastUsed_);
      std::memcpy(blocks_.back().get() + lastUsed_, data, part);
      lastUsed_ += part;
      data += part;
      left -= part;
    }
    return size;
  } catch (const std::bad_alloc&) {
    HandBack();
    return -1;
  }
}

void PdfInMemory::HandBack() {
  outOfMemory_ = true;
  decltype(blocks_)().swap(blocks_);
}

}  // namespace halcyra
