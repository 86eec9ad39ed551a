#include "platform/text_files.h"

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <algorithm>

namespace halcyra {

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

std::vector<std::string> SplitTextLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t stop = text.find_first_of("\r\n", start);
    if (stop == std::string::npos) stop = text.size();
    lines.emplace_back(text, start, stop - start);
    // CR LF is one line end; a CR or an LF alone is one too.
    size_t next = stop + 1;
    if (stop < text.size() && text[stop] == '\r' && next < text.size() && text[next] == '\n') ++next;
    start = next;
  }
  return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  auto bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return SplitTextLines(*bytes);
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size())) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
  return WriteTextLines(path, lines.size(), [&lines](size_t i) { return std::string_view(lines[i]); });
}

bool WriteTextLines(const std::string& path, size_t count, const std::function<std::string_view(size_t)>& line,
                    bool endLast) {
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return false;
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
