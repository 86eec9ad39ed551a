#include "wheels/picture_file.h"

#include <algorithm>
#include <filesystem>
#include <new>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/program_files.h"
#include "platform/utf8_text.h"

namespace halcyra {

namespace {

// C0, DEL and the C1 block of Latin-1: none belongs in a file name.
bool IsControl(unsigned char c) { return c < 32 || (c >= 127 && c < 160); }

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

std::string FileNameSafe(const std::string& name) {
  std::string safe;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (c == '/' || c == '\\' || IsControl(static_cast<unsigned char>(c))) {
      safe += '-';
    } else if (c == '.' && i + 1 < name.size() && name[i + 1] == '.') {
      safe += '_';
      ++i;
    } else {
      safe += c;
    }
  }
  return safe;
}

std::string PictureBasePath(const std::string& appPath, const PictureNames& names) {
  std::string name = names.title1;
  if (names.wheelKind == 2) {
    name += " and " + names.innerTitle1;
    if (!names.secondPerson) name += " on " + names.innerTitle2;
  }
  return appPath + "/" + Latin1ToUtf8(FileNameSafe(name));
}

std::string ConverterLines(const std::string& output) {
  std::string lines;
  size_t shown = 0;
  for (size_t start = 0; start < output.size() && shown < ConverterLinesShown;) {
    const size_t end = std::min(output.find_first_of("\r\n", start), output.size());
    const size_t first = output.find_first_not_of(" \t", start);
    size_t last = end;
    while (last > start && (output[last - 1] == ' ' || output[last - 1] == '\t')) --last;
    if (first < last) {
      std::string line = output.substr(first, last - first);
      if (line.size() > ConverterLineWidth) line = line.substr(0, ConverterLineWidth) + "...";
      for (char& c : line)
        if (IsControl(static_cast<unsigned char>(c))) c = '?';
      lines += (shown++ > 0 ? "\r\n" : "") + line;
    }
    start = end + 1;
  }
  return lines;
}

std::string ConverterFailedText(const std::string& basePath, bool started, bool olderGifKept,
                                const std::string& converterOutput) {
  const std::string why = started ? "The picture converter could not make " + basePath + ".gif."
                                  : std::string("The picture converter (") + PictureConverter +
                                        ", from ImageMagick) could not be started.";
  const std::string lines = Latin1ToUtf8(ConverterLines(converterOutput));
  const std::string quoted = lines.empty() ? "" : "\r\n\r\n" + lines;
  const std::string older = olderGifKept ? " The older " + basePath + ".gif is left as it was." : "";
  return why + quoted + "\r\n\r\n" + BitmapKeptText(basePath) + older;
}

bool IsConvertedFileName(std::string_view name) {
  const auto fits = [&name](std::string_view pattern) {
    if (name.size() != pattern.size()) return false;
    for (size_t i = 0; i < name.size(); ++i)
      if (pattern[i] == 'X' ? !IsAsciiLetter(name[i]) : name[i] != pattern[i]) return false;
    return true;
  };
  return fits(BitmapFileTemplate) || fits(ConvertedFileTemplate);
}

bool IsConvertedLeftOver(const std::string& name, std::filesystem::file_time_type::duration age) {
  return IsConvertedFileName(name) && age >= LeftOverAge;
}

void RemoveConvertedLeftOvers(const std::string& folder) {
  namespace fs = std::filesystem;
  const fs::file_time_type now = fs::file_time_type::clock::now();
  try {
    // By name first: only the few files that are named as ours are looked at further.
    const auto ours = [](std::string_view name) { return IsConvertedFileName(name); };
    for (const std::string& name : NamesInFolder(folder, ours)) {
      const fs::path file = fs::path(folder) / name;
      // a link or a folder of that name is not the program's
      std::error_code status, time, removed;
      if (fs::symlink_status(file, status).type() != fs::file_type::regular) continue;
      const fs::file_time_type changed = fs::last_write_time(file, time);
      if (!time && IsConvertedLeftOver(name, now - changed)) fs::remove(file, removed);
    }
  } catch (const std::bad_alloc&) {
    // the rest is left for the next time
  }
}

std::string BitmapKeptText(const std::string& basePath) { return "The picture is kept as " + basePath + ".bmp."; }

std::string PictureNotWrittenText(const std::string& path, const std::string& reason, const std::string& afterwards) {
  return "The picture could not be written to " + path + ": " + reason + ".\r\n\r\n" + afterwards;
}

}  // namespace halcyra
