#include "platform/gui/messages.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QString>

namespace halcyra {

namespace {
MessageSink* g_sink = nullptr;

QString Latin1(const std::string& s) { return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

void SetMessageSink(MessageSink* sink) { g_sink = sink; }

void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon, QWidget* parent) {
  if (g_sink) {
    g_sink->Message(text, title, icon);
    return;
  }
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

bool AskYesNo(const std::string& text, const std::string& title, QWidget* parent) {
  if (g_sink) return g_sink->YesNo(text, title);
  return QMessageBox::question(parent, Latin1(title), Latin1(text),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText, QWidget* parent) {
  if (g_sink) return g_sink->Input(prompt, title, defaultText);
  bool ok = false;
  QString answer = QInputDialog::getText(parent, Latin1(title), Latin1(prompt), QLineEdit::Normal,
                                         Latin1(defaultText), &ok);
  if (!ok) return "";
  return answer.toLatin1().toStdString();
}

}  // namespace halcyra
