#include "platform/gui/message_boxes.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QString>

namespace halcyra {

namespace {
QString Latin1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

void ShowMessageBox(const std::string& text, const std::string& title, MessageIcon icon, QWidget* parent) {
  QMessageBox::Icon qicon = QMessageBox::NoIcon;
  switch (icon) {
    case MessageIcon::Information: qicon = QMessageBox::Information; break;
    case MessageIcon::Warning: qicon = QMessageBox::Warning; break;
    case MessageIcon::Critical: qicon = QMessageBox::Critical; break;
    case MessageIcon::Question: qicon = QMessageBox::Question; break;
    case MessageIcon::None: break;
  }
  QMessageBox box(qicon, Latin1(title), Latin1(text), QMessageBox::Ok, parent);
  box.exec();
}

bool AskYesNoBox(const std::string& text, const std::string& title, QWidget* parent) {
  return QMessageBox::question(parent, Latin1(title), Latin1(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer AskYesNoCancelBox(const std::string& text, const std::string& title, QWidget* parent) {
  const auto button = QMessageBox::question(parent, Latin1(title), Latin1(text),
                                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                            QMessageBox::Cancel);
  if (button == QMessageBox::Yes) return Answer::Yes;
  if (button == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

std::string AskInputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                        QWidget* parent) {
  bool ok = false;
  QString answer = QInputDialog::getText(parent, Latin1(title), Latin1(prompt), QLineEdit::Normal,
                                         Latin1(defaultText), &ok);
  if (!ok) return "";
  return answer.toLatin1().toStdString();
}

}  // namespace halcyra
