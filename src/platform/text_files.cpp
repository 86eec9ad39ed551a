#include "platform/text_files.h"

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <algorithm>
#include <cstring>

namespace halcyra {

namespace {

// Every write goes straight to the system, so that one cut short says so.
// Through Qt's buffer, the last part reaches the disk only in commit(),
// which puts a file cut short there (a full disk) in place as if whole.
bool OpenUnbuffered(QSaveFile& file) { return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  // straight into the string: a long file is not held twice
  std::string bytes(static_cast<size_t>(std::max<qint64>(file.size(), 0)), '\0');
  const qint64 read = file.read(bytes.data(), static_cast<qint64>(bytes.size()));
  bytes.resize(static_cast<size_t>(std::max<qint64>(read, 0)));
  // a file that grew meanwhile, or one whose size is not known in advance
  const QByteArray rest = file.readAll();
  bytes.append(rest.constData(), static_cast<size_t>(rest.size()));
  return bytes;
}

std::vector<std::pair<size_t, size_t>> LineSpans(std::string_view text) {
  // An empty view may have no data at all, and memchr takes no null pointer
  // even for no bytes.
  if (text.empty()) return {{0, 0}};
  std::vector<std::pair<size_t, size_t>> spans;
  spans.reserve(text.size() / 48 + 1);
  const char* data = text.data();
  size_t start = 0;
  // Line feeds are found a block at a time; a CR is looked for only
  // between them, where it is nearly always the one before the LF.
  for (;;) {
    const void* found = std::memchr(data + start, '\n', text.size() - start);
    const size_t lf = found ? static_cast<size_t>(static_cast<const char*>(found) - data) : text.size();
    size_t from = start;
    while (const void* cr = std::memchr(data + from, '\r', lf - from)) {
      const size_t at = static_cast<size_t>(static_cast<const char*>(cr) - data);
      spans.emplace_back(start, at - start);
      start = from = at + 1;
      if (at + 1 == lf) {  // CR LF: one line end
        start = lf;
        break;
      }
    }
    if (!found) {
      spans.emplace_back(start, text.size() - start);
      return spans;
    }
    if (start != lf) spans.emplace_back(start, lf - start);
    else if (lf == 0 || data[lf - 1] != '\r') spans.emplace_back(start, 0);
    start = lf + 1;
  }
}

std::vector<std::string> SplitTextLines(const std::string& text) {
  auto spans = LineSpans(text);
  // A final line end adds no empty line, nor does an empty text.
  if (spans.back().second == 0) spans.pop_back();
  std::vector<std::string> lines;
  lines.reserve(spans.size());
  for (const auto& [offset, length] : spans) lines.emplace_back(text, offset, length);
  return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  auto bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return SplitTextLines(*bytes);
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) { return !WriteWholeFileOrReason(path, bytes); }

std::optional<std::string> WriteWholeFileOrReason(const std::string& path, std::string_view bytes) {
  QSaveFile file(QString::fromStdString(path));
  if (!OpenUnbuffered(file)) return file.errorString().toLatin1().toStdString();
  const auto size = static_cast<qint64>(bytes.size());
  // A write cut short (a full disk, a file-size limit) gives no reason; the next one does.
  qint64 written = 0;
  while (written < size) {
    const qint64 part = file.write(bytes.data() + written, size - written);
    if (part <= 0) break;
    written += part;
  }
  if (written != size) {
    const std::string reason = file.error() != QFileDevice::NoError
                                   ? file.errorString().toLatin1().toStdString()
                                   : "only " + std::to_string(written) + " of " + std::to_string(size) +
                                         " bytes could be written";
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString().toLatin1().toStdString();
  return std::nullopt;
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
  return WriteTextLines(path, lines.size(), [&lines](size_t i) { return std::string_view(lines[i]); });
}

bool WriteTextLines(const std::string& path, size_t count, const std::function<std::string_view(size_t)>& line,
                    bool endLast) {
  QSaveFile file(QString::fromStdString(path));
  if (!OpenUnbuffered(file)) return false;
  // The lines go out in blocks of about a megabyte.
  constexpr size_t Block = 1 << 20;
  std::string block;
  block.reserve(Block + 256);
  auto flush = [&file, &block] {
    const bool ok = file.write(block.data(), static_cast<qint64>(block.size())) == static_cast<qint64>(block.size());
    block.clear();
    return ok;
  };
  for (size_t i = 0; i < count; ++i) {
    block += line(i);
    if (endLast || i + 1 < count) block += "\r\n";
    if (block.size() >= Block && !flush()) {
      file.cancelWriting();
      return false;
    }
  }
  if (!flush()) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace halcyra
