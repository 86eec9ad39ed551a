#include "platform/gui/glyph_font.h"

#include <QFontDatabase>

namespace halcyra {

namespace {
int g_fontId = -1;
}

bool InstallGlyphFont(const std::string& fontFile) {
  RemoveGlyphFont();
  g_fontId = QFontDatabase::addApplicationFont(QString::fromStdString(fontFile));
  return g_fontId >= 0;
}

void RemoveGlyphFont() {
  if (g_fontId >= 0) QFontDatabase::removeApplicationFont(g_fontId);
  g_fontId = -1;
}

QString GlyphText(int code) { return QString(QChar(static_cast<char16_t>(0xF000 + code))); }

}  // namespace halcyra
