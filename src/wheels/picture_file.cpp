#include "wheels/picture_file.h"

namespace halcyra {

namespace {

// C0, DEL and the C1 block of Latin-1: none belongs in a file name.
bool IsControl(unsigned char c) { return c < 32 || (c >= 127 && c < 160); }

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
  return appPath + "/" + FileNameSafe(name);
}

std::string ConverterFailedText(const std::string& basePath, bool started, bool olderGifKept) {
  const std::string why = started ? "The picture converter could not make " + basePath + ".gif."
                                  : std::string("The picture converter (") + PictureConverter +
                                        ", from ImageMagick) could not be started.";
  const std::string older = olderGifKept ? " The older " + basePath + ".gif is left as it was." : "";
  return why + "\r\n\r\n" + BitmapKeptText(basePath) + older;
}

std::string BitmapKeptText(const std::string& basePath) { return "The picture is kept as " + basePath + ".bmp."; }

std::string PictureNotWrittenText(const std::string& path, const std::string& reason, const std::string& afterwards) {
  return "The picture could not be written to " + path + ": " + reason + ".\r\n\r\n" + afterwards;
}

}  // namespace halcyra
