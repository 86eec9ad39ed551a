#pragma once
// The program's application object (the window tests make theirs of it
// too). Every command runs from its event dispatch: a menu item, a button,
// a shortcut, a timer's tick. A command that cannot get its memory, or a
// thread, ends there: no hourglass or progress window is left behind, a box
// says "Out of memory." and which command was not done, and the program
// goes on.
#include <QApplication>
#include <string>

namespace halcyra {

class HalcyraApplication : public QApplication {
 public:
  HalcyraApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// "Out of memory. "<command>" was not done.", with the command's name as its
// menu item or button shows it; an empty name (a timer's tick, a double
// click in a list) is "the last action".
std::string CommandOutOfMemoryText(const std::string& command);

}  // namespace halcyra
