#include "shell/ui/halcyra_application.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <iostream>
#include <new>
#include <system_error>

#include "platform/gui/busy_pointer.h"
#include "shell/ui/messages.h"
#include "shell/ui/progress_window.h"

namespace halcyra {

namespace {

// The item of a menu or the menu bar whose underlined letter is `key`,
// when only one item has it (a letter two items share moves between them).
QAction* ItemOfLetter(const QWidget& menu, int key) {
  QAction* found = nullptr;
  for (QAction* item : menu.actions()) {
    const QKeySequence letter = QKeySequence::mnemonic(item->text());
    if (item->isVisible() && !letter.isEmpty() && letter[0].key() == key) {
      if (found) return nullptr;
      found = item;
    }
  }
  return found;
}

// What an event would run as a command: the menu item a click or a key
// chooses (known only until the menu closes for it, before the item's
// command runs), the item of a shortcut or of an Alt+letter on the menu bar,
// or the button clicked, by the mouse, the space bar or (on its timer, just
// after the key) its Alt+letter; null for every other event.
QPointer<QObject> CommandSource(QObject* receiver, const QEvent* event) {
  auto* menu = qobject_cast<QMenu*>(receiver);
  auto* bar = qobject_cast<QMenuBar*>(receiver);
  switch (event->type()) {
    case QEvent::KeyPress:
      if (menu || bar)
        if (QAction* item = ItemOfLetter(*static_cast<QWidget*>(receiver), static_cast<const QKeyEvent*>(event)->key()))
          return item;
      [[fallthrough]];
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
      if (menu) return menu->activeAction();
      if (bar) return bar->activeAction();
      return qobject_cast<QAbstractButton*>(receiver);
    case QEvent::Timer:
      return qobject_cast<QAbstractButton*>(receiver);
    case QEvent::Shortcut:
      if (bar) return ItemOfLetter(*bar, static_cast<const QShortcutEvent*>(event)->key()[0].key());
      return qobject_cast<QAction*>(receiver);
    default:
      return nullptr;
  }
}

// A caption as it reads: "Save &As" is "Save As", "&&" an ampersand, "Cities..." "Cities".
std::string Caption(QString text) {
  for (qsizetype i = 0; i < text.size(); ++i)
    if (text[i] == '&') text.remove(i, 1);
  if (text.endsWith("...")) text.chop(3);
  return text.trimmed().toStdString();  // messages are UTF-8
}

std::string CommandName(const QObject* source) {
  if (const auto* item = qobject_cast<const QAction*>(source)) return Caption(item->text());
  if (const auto* button = qobject_cast<const QAbstractButton*>(source)) return Caption(button->text());
  return "";
}

// A command cut short leaves no hourglass and no progress window behind.
void TidyAfterCommand() {
  SetBusyPointer(false);
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  UnloadStatusDlg();
}

void SayOutOfMemory(const std::string& command) {
  const std::string text = CommandOutOfMemoryText(command);
  // A command that fails while the box waits (a timer's tick) is not given
  // a box of its own on top.
  static bool saying = false;
  if (saying) {
    std::cerr << text << '\n';
    return;
  }
  saying = true;
  try {
    ShowMessage(text, "Warning!", MessageIcon::Critical);
  } catch (const std::bad_alloc&) {
    std::cerr << text << '\n';  // not even the box could be had
  }
  saying = false;
}

}  // namespace

HalcyraApplication::HalcyraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool HalcyraApplication::notify(QObject* receiver, QEvent* event) {
  const QPointer<QObject> source = CommandSource(receiver, event);
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::bad_array_new_length&) {
    throw;  // a size computed wrong, not memory running out
  } catch (const std::bad_alloc&) {
  } catch (const std::system_error& error) {
    if (error.code() != std::errc::resource_unavailable_try_again) throw;  // no thread could be had
  }
  TidyAfterCommand();
  SayOutOfMemory(CommandName(source));
  return true;
}

std::string CommandOutOfMemoryText(const std::string& command) {
  if (command.empty()) return "Out of memory. The last action was not done.";
  return "Out of memory. \"" + command + "\" was not done.";
}

}  // namespace halcyra
