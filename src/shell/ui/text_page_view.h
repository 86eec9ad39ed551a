#pragma once
// A plain text view over rows that paints only the rows in sight, so a page
// of a million lines shows at once: the Data window's page and the print
// window's text. The user selects from one place in the text to another
// (mouse, Shift with the cursor keys, a double click for a word, Ctrl+A)
// and copies with Ctrl+C; an editable text (EditableText) also takes
// typing, Backspace, Delete, Enter, Ctrl+X and Ctrl+V (of Latin-1 text: a
// character beyond it is refused with a message), and undoes them with
// Ctrl+Z (Ctrl+Y or Ctrl+Shift+Z redo). The context menu offers the same
// commands.
#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "shell/editable_text.h"
#include "shell/text_cursor.h"
#include "shell/text_rows.h"

namespace halcyra {

class TextPageView : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit TextPageView(QWidget* parent = nullptr);
  ~TextPageView() override;

  // Puts a text on view, the cursor at its start and the view at its top.
  void SetRows(std::unique_ptr<TextRows> rows);
  const TextRows& Rows() const { return *rows_; }
  TextRows& Rows() { return *rows_; }
  void clear();

  // Read-only views take no edits; an editable text takes them otherwise.
  void setReadOnly(bool readOnly);
  bool isReadOnly() const { return readOnly_; }

  // The whole text, rows joined by "\n".
  QString toPlainText() const;
  // The selected text (Latin-1), rows joined by "\n".
  std::string SelectedText() const;
  TextPos CursorPos() const { return cursor_; }
  TextPos AnchorPos() const { return anchor_; }
  void SetSelection(TextPos anchor, TextPos cursor);

  void selectAll();
  void copy();
  void cut();
  void paste();
  void undo();
  void redo();

  // The first row in sight, and the place of a position in the viewport and back.
  size_t FirstVisibleRow() const;
  QPoint PointOf(TextPos pos) const;
  TextPos PosAt(QPoint point) const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  bool Editable() const { return editable_ && !readOnly_; }
  bool HandleMoveKey(QKeyEvent* event);
  bool HandleEditKey(QKeyEvent* event);
  void MoveCursorTo(TextPos pos, bool keepAnchor, bool keepGoal = false);
  void ReplaceSelection(std::string_view text, bool typed = false);
  // Typed or pasted text, refused with a message when the text cannot hold it.
  void ReplaceSelectionWithTyped(const QString& text, bool typed);
  void ShowEdited(std::optional<std::pair<TextPos, TextPos>> selection);
  void EnsureCursorVisible();
  void UpdateMetrics();
  void UpdateScrollBars();
  size_t RowsInSight() const;
  qreal ColumnX(std::string_view row, size_t col) const;
  size_t ColumnAt(std::string_view row, qreal x) const;

  std::unique_ptr<TextRows> rows_;
  EditableText* editable_ = nullptr;  // rows_ when they can be edited
  bool readOnly_ = false;
  TextPos anchor_, cursor_;
  size_t goalColumn_ = 0;
  qreal charWidth_ = 8;
  int lineHeight_ = 16, ascent_ = 12;
  bool fixedPitch_ = true;
  bool selecting_ = false;
  QPoint mouse_;
  QBasicTimer autoScroll_;
};

}  // namespace halcyra
