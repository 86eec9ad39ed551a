#include "shell/ui/editor_text_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <new>

#include "platform/gui/address_room.h"
#include "shell/ui/latin1_text.h"

namespace halcyra {

namespace {

// Address space Qt's text document takes, measured under ulimit -v: 450 to
// 500 bytes a line whatever its length (a file of empty lines takes 250
// times its size), 5 to 8 a byte of text, and a few megabytes for the window.
constexpr size_t DocumentRoom = size_t{16} << 20, DocumentRoomPerLine = 640, DocumentRoomPerByte = 8;
// Qt's own copy of a selection was a second text document; the plain text
// takes 4 to 5 bytes a character as it is gathered.
constexpr size_t CopyRoomPerCharacter = 8;

void RequireRoom(size_t bytes) {
  if (!AddressRoomFor(bytes)) throw std::bad_alloc();
}

// The line ends the text box holds, and one typed with Shift, as "\n".
QString WithPlainLineEnds(QString text) {
  return text.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
}

}  // namespace

EditorTextBox::EditorTextBox(QWidget* parent) : QPlainTextEdit(parent) {}

void EditorTextBox::ShowFileText(const std::string& fileText) {
  const auto lines = static_cast<size_t>(std::ranges::count(fileText, '\n'));
  RequireRoom(DocumentRoom + DocumentRoomPerByte * fileText.size() + DocumentRoomPerLine * lines);
  setPlainText(ViewTextFromFileText(fileText));
}

QString EditorTextBox::TypedText() const { return WithPlainLineEnds(document()->toRawText()); }

void EditorTextBox::keyPressEvent(QKeyEvent* event) {
  // Where the desktop keeps a selection, Select All copies the text there:
  // without the room for it, nothing is selected.
  if (event->matches(QKeySequence::SelectAll) && QGuiApplication::clipboard()->supportsSelection())
    RequireRoom(CopyRoomPerCharacter * static_cast<size_t>(document()->characterCount()));
  QPlainTextEdit::keyPressEvent(event);
}

QMimeData* EditorTextBox::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  RequireRoom(CopyRoomPerCharacter * static_cast<size_t>(cursor.selectionEnd() - cursor.selectionStart()));
  auto* data = new QMimeData;
  data->setText(WithPlainLineEnds(cursor.selectedText()));
  return data;
}

}  // namespace halcyra
