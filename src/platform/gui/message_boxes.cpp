#include "platform/gui/message_boxes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QSpacerItem>
#include <QString>
#include <QStyle>
#include <algorithm>

#include "platform/gui/address_room.h"

namespace halcyra {

namespace {

// texts in UTF-8 (shell/ui/messages.h)
QString Text(const std::string& s) { return QString::fromStdString(s); }

// Title bars carry the window's icon and three buttons, each about as wide
// as the bar is high, with some room between them.
constexpr int TitleBarButtonRoom = 6;

// Room for a box said when memory has run out (a command's "Out of
// memory.", the notice of a full report buffer), handed back while a box is
// up and set aside again after.
AddressRoom g_boxRoom(size_t{16} << 20);

struct BoxRoomHandedBack {
  BoxRoomHandedBack() { g_boxRoom.HandBack(); }
  ~BoxRoomHandedBack() { g_boxRoom.Take(); }
  BoxRoomHandedBack(const BoxRoomHandedBack&) = delete;
  BoxRoomHandedBack& operator=(const BoxRoomHandedBack&) = delete;
};

QMessageBox::Icon QtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// A message box lays itself out anew when shown; a spacer across its grid
// is the width it keeps.
QMessageBox::StandardButton Run(QMessageBox& box) {
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(TitleBarFitWidth(box.windowTitle(), box), 0, QSizePolicy::Minimum,
                                  QSizePolicy::Expanding),
                  grid->rowCount(), 0, 1, grid->columnCount());
  box.exec();
  return box.standardButton(box.clickedButton());
}

}  // namespace

int TitleBarFitWidth(const QString& title, const QWidget& window) {
  // Window managers set titles in a bold face of about the program's size.
  QFont font = window.font();
  font.setBold(true);
  const QFontMetrics metrics(font);
  const int bar = std::max(window.style()->pixelMetric(QStyle::PM_TitleBarHeight), metrics.height() + 8);
  return metrics.horizontalAdvance(title) + TitleBarButtonRoom * bar;
}

void ShowMessageBox(const std::string& text, const std::string& title, MessageIcon icon, QWidget* parent) {
  const BoxRoomHandedBack room;
  QMessageBox box(QtIcon(icon), Text(title), Text(text), QMessageBox::Ok, parent);
  Run(box);
}

bool AskYesNoBox(const std::string& text, const std::string& title, QWidget* parent) {
  QMessageBox box(QMessageBox::Question, Text(title), Text(text), QMessageBox::Yes | QMessageBox::No, parent);
  // Yes is the answer that writes over something: Enter and Escape say No.
  box.setDefaultButton(QMessageBox::No);
  box.setEscapeButton(QMessageBox::No);
  return Run(box) == QMessageBox::Yes;
}

Answer AskYesNoCancelBox(const std::string& text, const std::string& title, QWidget* parent) {
  QMessageBox box(QMessageBox::Question, Text(title), Text(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Cancel);
  const auto button = Run(box);
  if (button == QMessageBox::Yes) return Answer::Yes;
  if (button == QMessageBox::No) return Answer::No;
  return Answer::Cancel;
}

std::string AskInputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                        QWidget* parent) {
  QInputDialog box(parent);
  box.setInputMode(QInputDialog::TextInput);
  box.setWindowTitle(Text(title));
  box.setLabelText(Text(prompt));
  box.setTextValue(Text(defaultText));
  // The box sets its own minimum from its layout; a size given before it
  // shows is kept.
  const QSize hint = box.sizeHint();
  box.resize(std::max(hint.width(), TitleBarFitWidth(box.windowTitle(), box)), hint.height());
  if (box.exec() != QDialog::Accepted) return "";
  return box.textValue().toStdString();
}

}  // namespace halcyra
