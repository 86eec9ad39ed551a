#pragma once
// Entry boxes of numbers: the characters they take, whichever way text
// reaches them, and the focus on a box whose text is refused.
class QLineEdit;
class QString;

namespace halcyra {

// The keys 0 to 9 and nothing else, as the boxes of whole numbers take them.
inline constexpr const char* DigitsPattern = R"(\d*)";  // \d is 0 to 9 alone, as Qt reads it

// Holds `box` to texts that `pattern` matches whole. Typed keys, Paste
// (Ctrl+V, Shift+Insert, the context menu), a drop and an input method all
// change the text through the box's validator, which turns away a change
// whose result the pattern refuses and leaves the text and its selection as
// they were. The pattern must take every beginning of a text it takes, so
// that the text can be typed key by key.
void HoldToPattern(QLineEdit& box, const QString& pattern);

// The box at fault after a refusal takes the focus with its text selected,
// so that typing replaces it.
void FocusRefusedBox(QLineEdit& box);

}  // namespace halcyra
