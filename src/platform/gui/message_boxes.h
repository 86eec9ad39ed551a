#pragma once
// Message boxes, Yes/No questions and input boxes as Qt shows them, their
// texts in UTF-8. The program's windows call them through
// shell/ui/messages.h, which lets tests answer in their place.
#include <string>

class QString;
class QWidget;

namespace halcyra {

enum class MessageIcon { None, Information, Warning, Critical, Question };

// Shows text under a title with an OK button and waits for it.
void ShowMessageBox(const std::string& text, const std::string& title, MessageIcon icon, QWidget* parent);

// Yes/No question, No the default button (Enter and Escape); true for Yes.
bool AskYesNoBox(const std::string& text, const std::string& title, QWidget* parent);

// Yes/No/Cancel question, Cancel the default button.
enum class Answer { Yes, No, Cancel };
Answer AskYesNoCancelBox(const std::string& text, const std::string& title, QWidget* parent);

// Input box: the typed text, or "" when cancelled.
std::string AskInputBox(const std::string& prompt, const std::string& title, const std::string& defaultText,
                        QWidget* parent);

// The width a window needs for the window manager to show `title` whole
// in its title bar beside the bar's icon and buttons. Every box is made at
// least this wide.
int TitleBarFitWidth(const QString& title, const QWidget& window);

}  // namespace halcyra
