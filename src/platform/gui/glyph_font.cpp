#include "platform/gui/glyph_font.h"

#include <QFontDatabase>

namespace halcyra {

namespace {
int g_fontId = -1;
}

bool InstallGlyphFont(const std::string& fontFile, FileRefusal* refusal) {
  RemoveGlyphFont();
  // read as every program file is, so that a named pipe in its place does not hold start-up
  const auto bytes = ReadWholeFile(fontFile, refusal);
  if (!bytes) return false;
  g_fontId = QFontDatabase::addApplicationFontFromData(QByteArray(bytes->data(), static_cast<qsizetype>(bytes->size())));
  return g_fontId >= 0;
}

void RemoveGlyphFont() {
  if (g_fontId >= 0) QFontDatabase::removeApplicationFont(g_fontId);
  g_fontId = -1;
}

QString GlyphText(int code) { return QString(QChar(static_cast<char16_t>(0xF000 + code))); }

}  // namespace halcyra
