#include "platform/text_files.h"

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <system_error>

namespace halcyra {

namespace {

FileRefusal SystemRefusal(int error) {
  const bool missing = error == ENOENT || error == ENOTDIR;
  return {missing ? FileRefusal::Kind::Missing : FileRefusal::Kind::Unreadable,
          std::generic_category().message(error)};
}

FileRefusal NotAFile(mode_t mode) {
  const char* what = S_ISDIR(mode)                    ? "a folder"
                     : S_ISFIFO(mode)                 ? "a named pipe"
                     : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                     : S_ISSOCK(mode)                 ? "a socket"
                                                      : "something else";
  return {FileRefusal::Kind::NotAFile, std::string("not a file but ") + what};
}

FileRefusal TooLarge(size_t maxBytes) {
  constexpr size_t MB = size_t{1} << 20;
  return {FileRefusal::Kind::TooLarge, "too large (over " + (maxBytes % MB == 0 ? std::to_string(maxBytes / MB) + " MB"
                                                                                : std::to_string(maxBytes) + " bytes") +
                                           ")"};
}

// Closes the descriptor it holds when it goes.
struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

// Opens a plain file for reading, or says why not. The name is
// looked at before it is opened, since opening a named pipe waits for a
// writer and opening a device may set it going; the open does not wait
// either, in case a pipe took the name in between, and what was opened is
// looked at again.
std::optional<FileRefusal> OpenPlainFile(const std::string& path, Descriptor& file, struct stat& info) {
  // the name as Qt's writers encode it, so that a file is read where it was written
  const QByteArray name = QFile::encodeName(QString::fromStdString(path));
  if (::stat(name.constData(), &info) != 0) return SystemRefusal(errno);
  if (!S_ISREG(info.st_mode)) return NotAFile(info.st_mode);
  file.fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (file.fd < 0) return SystemRefusal(errno);
  if (::fstat(file.fd, &info) != 0) return SystemRefusal(errno);
  if (!S_ISREG(info.st_mode)) return NotAFile(info.st_mode);
  return std::nullopt;
}

// Reads up to `size` bytes, fewer only at the file's end, into `into`; the
// reason when a read fails.
std::optional<FileRefusal> ReadUpTo(int fd, char* into, size_t size, size_t& got) {
  got = 0;
  while (got < size) {
    const ssize_t part = ::read(fd, into + got, size - got);
    if (part < 0 && errno == EINTR) continue;
    if (part < 0) return SystemRefusal(errno);
    if (part == 0) break;
    got += static_cast<size_t>(part);
  }
  return std::nullopt;
}

// Reads the whole of a plain file of at most `maxBytes` into `bytes`; the
// reason when it does not.
std::optional<FileRefusal> ReadPlainFile(const std::string& path, size_t maxBytes, std::string& bytes) {
  Descriptor file;
  struct stat info {};
  if (auto why = OpenPlainFile(path, file, info)) return why;
  const auto size = static_cast<size_t>(std::max<off_t>(info.st_size, 0));
  if (size > maxBytes) return TooLarge(maxBytes);
  // straight into the string: a long file is not held twice
  bytes.assign(size, '\0');
  size_t got = 0;
  if (auto why = ReadUpTo(file.fd, bytes.data(), size, got)) return why;
  bytes.resize(got);
  // what the size did not show: a file that grew meanwhile, or one whose
  // size is not known in advance (the system's own files read as empty)
  char block[16384];
  do {
    if (auto why = ReadUpTo(file.fd, block, sizeof block, got)) return why;
    if (bytes.size() + got > maxBytes) return TooLarge(maxBytes);
    bytes.append(block, got);
  } while (got > 0);
  return std::nullopt;
}

// Every write goes straight to the system, so that one cut short says so.
// Through Qt's buffer, the last part reaches the disk only in commit(),
// which puts a file cut short there (a full disk) in place as if whole.
bool OpenUnbuffered(QSaveFile& file) { return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

// What stands under the name, when it is something a file may not replace:
// a device, a pipe or a folder, which the writer would put a file in place
// of (a link is followed). A file comes where nothing is yet.
std::optional<std::string> NotToBeReplaced(const std::string& path) {
  struct stat info {};
  if (::stat(QFile::encodeName(QString::fromStdString(path)).constData(), &info) != 0 || S_ISREG(info.st_mode))
    return std::nullopt;
  return NotAFile(info.st_mode).reason;
}

// Writes the bytes whole, straight to the system; the reason when it
// stops. A write cut short (a full disk, a file-size limit) gives no
// reason; the next one does.
std::optional<std::string> PutWhole(QSaveFile& file, std::string_view bytes, qint64& written) {
  for (size_t done = 0; done < bytes.size();) {
    const qint64 part = file.write(bytes.data() + done, static_cast<qint64>(bytes.size() - done));
    if (part <= 0)
      return file.error() != QFileDevice::NoError ? file.errorString().toStdString()
                                                  : "only " + std::to_string(written) + " of " +
                                                        std::to_string(written + qint64(bytes.size() - done)) +
                                                        " bytes could be written";
    done += static_cast<size_t>(part);
    written += part;
  }
  return std::nullopt;
}

// Hands bytes to the file being written; the reason when they are not written.
using BytePut = std::function<std::optional<std::string>(std::string_view)>;

// Puts a new file in place of the one at `path` once `fill` has handed it
// every byte; the reason when not, with the older file left as it was.
std::optional<std::string> WriteNewFile(const std::string& path,
                                        const std::function<std::optional<std::string>(const BytePut&)>& fill) {
  if (auto refused = NotToBeReplaced(path)) return refused;
  QSaveFile file(QString::fromStdString(path));
  if (!OpenUnbuffered(file)) return file.errorString().toStdString();
  qint64 written = 0;
  if (auto reason = fill([&file, &written](std::string_view bytes) { return PutWhole(file, bytes, written); })) {
    file.cancelWriting();
    return reason;
  }
  if (!file.commit()) return file.errorString().toStdString();
  return std::nullopt;
}

std::optional<std::string> WriteLinesInBlocks(const std::string& path, size_t count,
                                              const std::function<std::string_view(size_t)>& line, bool endLast) {
  return WriteNewFile(path, [&](const BytePut& put) -> std::optional<std::string> {
    // The lines go out in blocks of about a megabyte.
    constexpr size_t Block = 1 << 20;
    std::string block;
    block.reserve(Block + 256);
    for (size_t i = 0; i < count; ++i) {
      block += line(i);
      if (endLast || i + 1 < count) block += "\r\n";
      if (block.size() < Block) continue;
      if (auto reason = put(block)) return reason;
      block.clear();
    }
    return put(block);
  });
}

}  // namespace

std::optional<std::string> ReadWholeFileUpTo(const std::string& path, size_t maxBytes, FileRefusal* refusal) {
  std::string bytes;
  std::optional<FileRefusal> why;
  try {
    why = ReadPlainFile(path, maxBytes, bytes);
  } catch (const std::bad_alloc&) {
    why = OutOfMemoryRefusal;
  }
  if (!why) return bytes;
  if (refusal) *refusal = std::move(*why);
  return std::nullopt;
}

std::optional<std::string> ReadWholeFile(const std::string& path, FileRefusal* refusal) {
  return ReadWholeFileUpTo(path, MaxReadBytes, refusal);
}

std::optional<FileRefusal> WhyNotReadable(const std::string& path) {
  Descriptor file;
  struct stat info {};
  if (auto why = OpenPlainFile(path, file, info)) return why;
  if (static_cast<size_t>(std::max<off_t>(info.st_size, 0)) > MaxReadBytes) return TooLarge(MaxReadBytes);
  return std::nullopt;
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

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path, FileRefusal* refusal) {
  auto bytes = ReadWholeFile(path, refusal);
  if (!bytes) return std::nullopt;
  try {
    return SplitTextLines(*bytes);
  } catch (const std::bad_alloc&) {
    if (refusal) *refusal = OutOfMemoryRefusal;
    return std::nullopt;
  }
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) { return !WriteWholeFileOrReason(path, bytes); }

std::optional<std::string> WriteWholeFileOrReason(const std::string& path, std::string_view bytes) {
  try {
    return WriteWholeFileOrReason(path, std::vector<std::string_view>{bytes});
  } catch (const std::bad_alloc&) {
    return OutOfMemoryRefusal.reason;
  }
}

std::optional<std::string> WriteWholeFileOrReason(const std::string& path, const std::vector<std::string_view>& parts) {
  try {
    return WriteNewFile(path, [&parts](const BytePut& put) -> std::optional<std::string> {
      for (const std::string_view bytes : parts)
        if (auto reason = put(bytes)) return reason;
      return std::nullopt;
    });
  } catch (const std::bad_alloc&) {
    // the unfinished file goes with its writer
    return OutOfMemoryRefusal.reason;
  }
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
  return !WriteTextLinesOrReason(path, lines);
}

bool WriteTextLines(const std::string& path, size_t count, const std::function<std::string_view(size_t)>& line,
                    bool endLast) {
  return !WriteTextLinesOrReason(path, count, line, endLast);
}

std::optional<std::string> WriteTextLinesOrReason(const std::string& path, const std::vector<std::string>& lines) {
  return WriteTextLinesOrReason(path, lines.size(), [&lines](size_t i) { return std::string_view(lines[i]); });
}

std::optional<std::string> WriteTextLinesOrReason(const std::string& path, size_t count,
                                                  const std::function<std::string_view(size_t)>& line, bool endLast) {
  // A save that cannot get its memory fails as one the disk refuses: the
  // unfinished file goes with its writer, and an older one stays.
  try {
    return WriteLinesInBlocks(path, count, line, endLast);
  } catch (const std::bad_alloc&) {
    return OutOfMemoryRefusal.reason;
  }
}

}  // namespace halcyra
