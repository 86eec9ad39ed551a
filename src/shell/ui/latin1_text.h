#pragma once
// Latin-1 byte strings of the computation library to and from the text
// views, whose line ends are "\n" while files hold CR LF.
#include <QString>
#include <string>

namespace halcyra {

inline QString FromLatin1(const std::string& s) {
  return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

// Characters outside Latin-1 become '?'.
inline std::string ToLatin1(const QString& s) { return s.toLatin1().toStdString(); }

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
