#include "shell/ui/messages.h"

#include "state/app_state.h"

namespace halcyra {

void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon, QWidget* parent) {
  if (MessageSink* sink = App().services.messages) {
    sink->Message(text, title, icon);
    return;
  }
  ShowMessageBox(text, title, icon, parent);
}

bool AskYesNo(const std::string& text, const std::string& title, QWidget* parent) {
  if (MessageSink* sink = App().services.messages) return sink->YesNo(text, title);
  return AskYesNoBox(text, title, parent);
}

Answer AskYesNoCancel(const std::string& text, const std::string& title, QWidget* parent) {
  if (MessageSink* sink = App().services.messages) return sink->YesNoCancel(text, title);
  return AskYesNoCancelBox(text, title, parent);
}

std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                     QWidget* parent) {
  if (MessageSink* sink = App().services.messages) return sink->Input(prompt, title, defaultText);
  return AskInputBox(prompt, title, defaultText, parent);
}

}  // namespace halcyra
