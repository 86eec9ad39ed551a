#pragma once
// The text box of the plain-text editors. Qt's text document ends the
// program when an allocation fails while it is built, and so did Qt's copy
// of a selection, a second document: the box asks for their room first,
// and without it a load or a copy is not done (std::bad_alloc, which the
// command that asked for it reports).
#include <QPlainTextEdit>
#include <string>

namespace halcyra {

class EditorTextBox : public QPlainTextEdit {
 public:
  explicit EditorTextBox(QWidget* parent);
  // Shows a file's text, its lines ended by CR LF.
  void ShowFileText(const std::string& fileText);
  // The text as it stands, lines ended by "\n": toPlainText would also make
  // each no-break space, which Latin-1 holds, a blank.
  QString TypedText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // The selection as plain text, as the Data window copies it.
  QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace halcyra
