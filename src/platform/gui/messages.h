#pragma once
// Message boxes and input boxes with the program's titles.
#include <string>

class QWidget;

namespace halcyra {

enum class MessageIcon { None, Information, Warning, Critical, Question };

// Shows text under a title with an OK button (tests may replace the sink).
void ShowMessage(const std::string& text, const std::string& title,
                 MessageIcon icon = MessageIcon::Warning, QWidget* parent = nullptr);

// Yes/No question; true for Yes.
bool AskYesNo(const std::string& text, const std::string& title, QWidget* parent = nullptr);

// Input box: the typed text, or "" when cancelled.
std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText = "", QWidget* parent = nullptr);

// Tests route message and input boxes here instead of showing them.
struct MessageSink {
  virtual ~MessageSink() = default;
  virtual void Message(const std::string& text, const std::string& title, MessageIcon icon) = 0;
  virtual bool YesNo(const std::string& text, const std::string& title) { return true; }
  virtual std::string Input(const std::string& prompt, const std::string& title,
                            const std::string& defaultText) { return defaultText; }
};
void SetMessageSink(MessageSink* sink);  // nullptr restores real boxes

}  // namespace halcyra
