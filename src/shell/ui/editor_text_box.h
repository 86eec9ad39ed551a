#pragma once
// The text box of the plain-text editors. Qt's text document ends the
// program when an allocation fails while it is built: the box asks for its
// room first, and without it a load is not done (std::bad_alloc, which the
// command that asked for it reports).
#include <QPlainTextEdit>
#include <string>

namespace halcyra {

class EditorTextBox : public QPlainTextEdit {
 public:
  explicit EditorTextBox(QWidget* parent);
  // Shows a file's text, its lines ended by CR LF.
  void ShowFileText(const std::string& fileText);
};

}  // namespace halcyra
