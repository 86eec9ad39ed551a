#pragma once
// Plain text files: Latin-1, lines ended by CR LF, LF or CR alone on
// reading and by CR LF on writing. Strings hold Latin-1 bytes as they are;
// paths are UTF-8, as Qt gives them, and so are the reasons given.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace halcyra {

// Why a file was not read.
struct FileRefusal {
  enum class Kind { Missing, NotAFile, Unreadable, TooLarge, OutOfMemory };
  Kind kind = Kind::Missing;
  // What a message says after the file's name and a colon: "No such file or
  // directory", "not a file but a named pipe", "Permission denied",
  // "too large (over 1024 MB)", "Out of memory".
  std::string reason;
  bool Missing() const { return kind == Kind::Missing; }
  // ": <reason>" for a file that is there, "" for a missing one: what a
  // message that says a file "cannot be read" adds after its name.
  std::string ColonReason() const { return Missing() ? "" : ": " + reason; }
};

// A read that could not get its memory.
inline const FileRefusal OutOfMemoryRefusal{FileRefusal::Kind::OutOfMemory, "Out of memory"};

// The most a file read whole may hold. The largest file the program writes
// itself, a year's minute listing of every point, is a few hundred MB; a
// program file beyond this is refused rather than read until memory runs out.
inline constexpr size_t MaxReadBytes = size_t{1} << 30;

// Files are read only when they are plain files, a link to one included. A
// folder, a named pipe (which would wait for a writer), a device (which may
// never end), a socket, a link that loops, a file the user may not read or
// one larger than MaxReadBytes is refused without being read, and so is a
// read that cannot get its memory. The readers below give nullopt for such a
// file and, when `refusal` is given, say why there.

// The file's lines without their ends; nullopt when it is not read.
// A last line without an end still counts; a final line end adds no empty line.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path, FileRefusal* refusal = nullptr);

// File text cut into its lines the way ReadTextLines reads them.
std::vector<std::string> SplitTextLines(const std::string& text);

// A text's parts as offset and length pairs: cut at CR LF, LF or CR alone,
// with the part after the last line end (empty when the text ends with one).
std::vector<std::pair<size_t, size_t>> LineSpans(std::string_view text);

// The whole file as bytes; nullopt when it is not read.
std::optional<std::string> ReadWholeFile(const std::string& path, FileRefusal* refusal = nullptr);

// The same for a file of at most `maxBytes`.
std::optional<std::string> ReadWholeFileUpTo(const std::string& path, size_t maxBytes, FileRefusal* refusal);

// Why the file would not be read, without reading it; nullopt when it would.
std::optional<FileRefusal> WhyNotReadable(const std::string& path);

// The writers below put a whole new file in place of the old one, or fail
// and leave it untouched; a name that stands for anything but a plain file
// (a device, a named pipe, a folder, through a link too) is not written.

// Writes every line followed by CR LF, all or nothing: a failed write leaves
// any earlier file untouched. Returns false on failure.
bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

// Writes line(0) to line(count - 1) one after the other, each followed by
// CR LF, the last only when `endLast`; all or nothing. The lines are read
// as they are written, so a long text is never held twice.
bool WriteTextLines(const std::string& path, size_t count, const std::function<std::string_view(size_t)>& line,
                    bool endLast = true);

// Writes bytes as they are, all or nothing.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

// The writers above, saying why: nullopt once the file holds every byte,
// otherwise the system's reason ("No space left on device"), with an
// earlier file of that name left as it was and nothing half-written beside it.
std::optional<std::string> WriteTextLinesOrReason(const std::string& path, const std::vector<std::string>& lines);
std::optional<std::string> WriteTextLinesOrReason(const std::string& path, size_t count,
                                                  const std::function<std::string_view(size_t)>& line,
                                                  bool endLast = true);
std::optional<std::string> WriteWholeFileOrReason(const std::string& path, std::string_view bytes);

// The same for bytes held in parts, written one after the other.
std::optional<std::string> WriteWholeFileOrReason(const std::string& path, const std::vector<std::string_view>& parts);

// For writers that answer whether they wrote: true when `failure` holds no
// reason; otherwise false, and the reason goes to `reason` when one is given.
inline bool WrittenElseWhy(std::optional<std::string> failure, std::string* reason) {
  if (failure && reason) *reason = std::move(*failure);
  return !failure;
}

}  // namespace halcyra
