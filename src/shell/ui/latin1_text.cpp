#include "shell/ui/latin1_text.h"

namespace halcyra {

std::optional<BeyondLatin1> FirstBeyondLatin1(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c.unicode() <= 0xFF) continue;
    const bool pair = c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
    const char32_t code = pair ? QChar::surrogateToUcs4(c, text[i + 1]) : c.unicode();
    const qsizetype length = pair ? 2 : 1;
    const QString hex = QString::number(static_cast<uint>(code), 16).toUpper().rightJustified(4, '0');
    const QString named = QStringLiteral("%1 (U+%2)").arg(text.mid(i, length), hex);
    return BeyondLatin1{i, length, named.toStdString()};
  }
  return std::nullopt;
}

}  // namespace halcyra
