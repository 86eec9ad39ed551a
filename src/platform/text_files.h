#pragma once
// Plain text files: Latin-1, lines ended by CR LF, LF or CR alone on
// reading and by CR LF on writing. Strings hold Latin-1 bytes as they are.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace halcyra {

// The file's lines without their ends; nullopt when it cannot be opened.
// A last line without an end still counts; a final line end adds no empty line.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// File text cut into its lines the way ReadTextLines reads them.
std::vector<std::string> SplitTextLines(const std::string& text);

// A text's parts as offset and length pairs: cut at CR LF, LF or CR alone,
// with the part after the last line end (empty when the text ends with one).
std::vector<std::pair<size_t, size_t>> LineSpans(std::string_view text);

// The whole file as bytes; nullopt when it cannot be opened.
std::optional<std::string> ReadWholeFile(const std::string& path);

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

// The same, saying why: nullopt once the file holds every byte, otherwise
// the system's reason ("No space left on device"), with an earlier file of
// that name left as it was and nothing half-written beside it.
std::optional<std::string> WriteWholeFileOrReason(const std::string& path, std::string_view bytes);

}  // namespace halcyra
