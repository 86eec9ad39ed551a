#pragma once
// Latin-1 byte strings of the computation library to and from the text
// views, whose line ends are "\n" while files hold CR LF.
#include <QString>
#include <optional>
#include <string>

namespace halcyra {

inline QString FromLatin1(const std::string& s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// Characters outside Latin-1 become '?': for texts that hold none, or that
// are judged afterwards (a number). Typed text bound for a file is looked
// over with FirstBeyondLatin1 first, so that nothing turns silently into '?'.
inline std::string ToLatin1(const QString& s) { return s.toLatin1().toStdString(); }

// The first character of a text that Latin-1 cannot hold: where it stands
// and how many places it takes (two beyond U+FFFF), counted as Qt's text
// boxes count, and the character with its code for a message, "– (U+2013)",
// in UTF-8 as every message.
struct BeyondLatin1 {
  qsizetype at = 0, length = 1;
  std::string named;
};
std::optional<BeyondLatin1> FirstBeyondLatin1(const QString& text);

// File text with CR LF line ends as a view shows it.
inline QString ViewTextFromFileText(const std::string& fileText) {
  QString text = FromLatin1(fileText);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

// A view's text with CR LF line ends, as the files hold it.
inline std::string FileTextFromViewText(const QString& viewText) {
  QString text = viewText;
  text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
  return ToLatin1(text);
}

}  // namespace halcyra
