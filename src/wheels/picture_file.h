#pragma once
// Save picture: the file the wheel's picture is written to, named after
// the charts of the last paint, and the picture converter that turns the
// bitmap into a GIF of the same name.
#include <string>

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
// a person.
std::string PictureBasePath(const std::string& appPath, const PictureNames& names);

// The converter writes the GIF under a hidden name of its own in the
// program folder, which QTemporaryFile makes from this template with six
// ASCII letters in place of the X's, before it takes the picture's name.
inline constexpr const char* ConvertedFileTemplate = ".picture-XXXXXX.gif";

// Whether a file name is one the template gives, and so the program's own.
bool IsConvertedFileName(const std::string& name);

// Removes what a run that ended while the converter worked left in the
// folder: the plain files whose names the template gives, nothing else.
void RemoveConvertedLeftOvers(const std::string& folder);

// The warning when the converter could not be started or did not make the
// GIF: the bitmap is kept, and the message says where; an older GIF of the
// same name is left as it was, and the message says so too.
std::string ConverterFailedText(const std::string& basePath, bool started, bool olderGifKept);

// The warning when a picture file cannot be written: the file, the reason
// the system gave, and what became of the picture (`afterwards`).
std::string PictureNotWrittenText(const std::string& path, const std::string& reason, const std::string& afterwards);
inline constexpr const char* PictureStillOnClipboard = "Nothing was saved; the picture is still on the clipboard.";
// Where the picture stays when no GIF was made of it.
std::string BitmapKeptText(const std::string& basePath);

}  // namespace halcyra
