#include "shell/ui/editor_text_box.h"

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

void RequireRoom(size_t bytes) {
  if (!AddressRoomFor(bytes)) throw std::bad_alloc();
}

}  // namespace

EditorTextBox::EditorTextBox(QWidget* parent) : QPlainTextEdit(parent) {}

void EditorTextBox::ShowFileText(const std::string& fileText) {
  const auto lines = static_cast<size_t>(std::ranges::count(fileText, '\n'));
  RequireRoom(DocumentRoom + DocumentRoomPerByte * fileText.size() + DocumentRoomPerLine * lines);
  setPlainText(ViewTextFromFileText(fileText));
}

}  // namespace halcyra
