#pragma once
// Message boxes and input boxes with the program's titles, as every window
// shows them: through the state's message sink when one is set (tests
// record the boxes there), else as real boxes.
//
// Their texts (and the report channel's notices) are UTF-8, as paths are
// throughout the program, so a message names a file as its folder is named.
// Latin-1 data of the files put into a message (a chart name, a value or a
// line quoted from a file) is turned into UTF-8 where it is put in
// (Latin1ToUtf8, platform/utf8_text.h); a chart name becomes part of a file
// name by that one conversion too. An input box gives back UTF-8.
#include <string>

#include "platform/gui/message_boxes.h"

class QWidget;

namespace halcyra {

// Shows text under a title with an OK button.
void ShowMessage(const std::string& text, const std::string& title,
                 MessageIcon icon = MessageIcon::Warning, QWidget* parent = nullptr);

// Yes/No question, No the default button; true for Yes.
bool AskYesNo(const std::string& text, const std::string& title, QWidget* parent = nullptr);

// Yes/No/Cancel question, Cancel the default button.
Answer AskYesNoCancel(const std::string& text, const std::string& title, QWidget* parent = nullptr);

// Input box: the typed text, or "" when cancelled.
std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText = "", QWidget* parent = nullptr);

// What takes the boxes in their place (App().services.messages). A
// question it does not answer itself gets the default button's answer.
struct MessageSink {
  virtual ~MessageSink() = default;
  virtual void Message(const std::string& text, const std::string& title, MessageIcon icon) = 0;
  virtual bool YesNo(const std::string& text, const std::string& title) { return false; }
  virtual Answer YesNoCancel(const std::string& text, const std::string& title) { return Answer::Cancel; }
  virtual std::string Input(const std::string& prompt, const std::string& title,
                            const std::string& defaultText) { return defaultText; }
};

}  // namespace halcyra
