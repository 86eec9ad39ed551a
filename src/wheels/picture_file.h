#pragma once
// Save picture: the file the wheel's picture is written to, named after
// the charts of the last paint, and the picture converter that turns the
// bitmap into a GIF of the same name.
#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace halcyra {

inline constexpr const char* NoPictureTitle = "No picture found";
inline constexpr const char* NoPictureText =
    "There is no picture saved.\r\n\r\nPlease hit ALT-PrintScreen to save your chartwheel.";
inline constexpr const char* PictureWarningTitle = "Warning!";

// ImageMagick's converter, found on the PATH.
inline constexpr const char* PictureConverter = "convert";

// What names the picture: the first caption lines of the last paint, line 1
// of the outer (or only) ring's block and lines 1 and 2 of the inner ring's.
struct PictureNames {
  int wheelKind = 1;
  std::string title1;        // ChartTitle(1)
  std::string innerTitle1;   // ChartTitle2(1)
  std::string innerTitle2;   // ChartTitle2(2), the inner chart's date
  bool secondPerson = false;  // the second chart is a person, not a moment
};

// A name made fit to be one file name: "/", "\" and the control characters
// (NUL to 31, 127 and Latin-1's 128 to 159) become "-" and ".." becomes "_",
// so the picture always lands in the folder it is meant for under a name
// the file system takes.
std::string FileNameSafe(const std::string& name);

// The program folder and the picture's name, without extension: the single
// chart's title; for a dual wheel the two titles joined by " and ",
// followed by " on " and the inner chart's date unless the second chart is
// a person. The titles are Latin-1, the path UTF-8 like the folder's.
std::string PictureBasePath(const std::string& appPath, const PictureNames& names);

// The converter never sees the chart's names, parts of which it would read
// as its own syntax (patterns, format prefixes, frame lists, file lists):
// it reads the bitmap and writes the GIF under hidden names of the program's
// own in the picture's folder, which QTemporaryFile makes from these
// templates with six ASCII letters in place of the X's, and the files take
// the picture's name only afterwards.
inline constexpr const char* BitmapFileTemplate = ".picture-XXXXXX.bmp";
inline constexpr const char* ConvertedFileTemplate = ".picture-XXXXXX.gif";

// Whether a file name is one the templates give, and so the program's own.
bool IsConvertedFileName(std::string_view name);

// A file of the program's own is left over from a run that ended during
// its save once it has not been written to for this long; a younger one may
// be in use by another copy of the program saving in the same folder. A
// conversion takes seconds, so ten minutes leaves a slow one ample room.
inline constexpr std::chrono::minutes LeftOverAge{10};
bool IsConvertedLeftOver(const std::string& name, std::filesystem::file_time_type::duration age);

// Removes the folder's left-overs: plain files with the templates' names
// that have not changed for LeftOverAge, nothing else. Without memory it
// leaves the rest for the next time, and never throws: start-up runs it on
// a thread of Qt's pool, which an exception would end the program from.
void RemoveConvertedLeftOvers(const std::string& folder);

// The converter's own account of a failure as the warning quotes it: its
// first ConverterLinesShown lines that hold more than blanks, trimmed, each
// cut to ConverterLineWidth characters, control characters shown as "?",
// joined by CR LF.
inline constexpr size_t ConverterLinesShown = 4;
inline constexpr size_t ConverterLineWidth = 200;
std::string ConverterLines(const std::string& output);

// The warning when the converter could not be started or did not make the
// GIF: what the converter wrote about it (Latin-1), then that the bitmap is
// kept, and where; an older GIF of the same name is left as it was, and the
// message says so too.
std::string ConverterFailedText(const std::string& basePath, bool started, bool olderGifKept,
                                const std::string& converterOutput);

// The warning when a picture file cannot be written: the file, the reason
// the system gave, and what became of the picture (`afterwards`).
std::string PictureNotWrittenText(const std::string& path, const std::string& reason, const std::string& afterwards);
inline constexpr const char* PictureStillOnClipboard = "Nothing was saved; the picture is still on the clipboard.";
// Where the picture stays when no GIF was made of it.
std::string BitmapKeptText(const std::string& basePath);

}  // namespace halcyra
