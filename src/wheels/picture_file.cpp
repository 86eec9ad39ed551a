#include "wheels/picture_file.h"

namespace halcyra {

std::string FileNameSafe(const std::string& name) {
  std::string safe;
  for (size_t i = 0; i < name.size(); ++i) {
    const char c = name[i];
    if (c == '/' || c == '\\') {
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

std::vector<std::string> ConverterArguments(const std::string& basePath) {
  return {basePath + ".bmp", basePath + ".gif"};
}

std::string ConverterFailedText(const std::string& basePath, bool started) {
  const std::string why = started ? "The picture converter could not make " + basePath + ".gif."
                                  : std::string("The picture converter (") + PictureConverter +
                                        ", from ImageMagick) could not be started.";
  return why + "\r\n\r\nThe picture is kept as " + basePath + ".bmp.";
}

}  // namespace halcyra
