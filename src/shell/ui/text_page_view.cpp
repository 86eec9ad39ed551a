#include "shell/ui/text_page_view.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <cmath>

#include "shell/ui/latin1_text.h"
#include "shell/ui/messages.h"

namespace halcyra {

namespace {

constexpr int Margin = 4;             // blank pixels left of and above the text
constexpr int AutoScrollMs = 50;      // while the mouse selects beyond the edge

// A text with nothing in it: one empty row.
class EmptyRows : public TextRows {
 public:
  size_t RowCount() const override { return 1; }
  std::string_view Row(size_t) const override { return {}; }
  size_t WidestRow() const override { return 0; }
};

int ClampedInt(size_t value) { return static_cast<int>(std::min<size_t>(value, INT_MAX)); }

// Redo answers to both keys people know, whichever the desktop's own is.
bool IsRedoKey(const QKeyEvent* key) {
  const QKeyCombination pressed = key->keyCombination();
  return key->matches(QKeySequence::Redo) || pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
         pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

}  // namespace

TextPageView::TextPageView(QWidget* parent) : QAbstractScrollArea(parent), rows_(std::make_unique<EmptyRows>()) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  UpdateMetrics();
}

TextPageView::~TextPageView() = default;

void TextPageView::SetRows(std::unique_ptr<TextRows> rows) {
  rows_ = rows ? std::move(rows) : std::make_unique<EmptyRows>();
  editable_ = dynamic_cast<EditableText*>(rows_.get());
  anchor_ = cursor_ = {};
  goalColumn_ = 0;
  selecting_ = false;
  autoScroll_.stop();
  UpdateScrollBars();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
  viewport()->update();
}

void TextPageView::clear() { SetRows(nullptr); }

void TextPageView::setReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  viewport()->update();
}

QString TextPageView::toPlainText() const { return FromLatin1(AllText(*rows_)); }

std::string TextPageView::SelectedText() const { return TextBetween(*rows_, anchor_, cursor_); }

void TextPageView::SetSelection(TextPos anchor, TextPos cursor) {
  anchor_ = ClampedPos(*rows_, anchor);
  MoveCursorTo(cursor, true);
}

void TextPageView::selectAll() {
  anchor_ = {0, 0};
  cursor_ = TextEnd(*rows_);
  viewport()->update();
}

void TextPageView::copy() {
  if (anchor_ == cursor_) return;
  QGuiApplication::clipboard()->setText(FromLatin1(SelectedText()));
}

void TextPageView::cut() {
  if (!Editable() || anchor_ == cursor_) return;
  copy();
  ReplaceSelection({});
}

void TextPageView::paste() {
  if (Editable()) ReplaceSelectionWithTyped(QGuiApplication::clipboard()->text(), false);
}

void TextPageView::undo() {
  if (Editable()) ShowEdited(editable_->Undo());
}

void TextPageView::redo() {
  if (Editable()) ShowEdited(editable_->Redo());
}

// The text after an undo or redo, with the selection it left.
void TextPageView::ShowEdited(std::optional<std::pair<TextPos, TextPos>> selection) {
  if (!selection) return;
  UpdateScrollBars();
  SetSelection(selection->first, selection->second);
}

size_t TextPageView::FirstVisibleRow() const { return static_cast<size_t>(verticalScrollBar()->value()); }

size_t TextPageView::RowsInSight() const {
  return static_cast<size_t>(std::max(1, (viewport()->height() - Margin) / lineHeight_));
}

void TextPageView::UpdateMetrics() {
  const QFontMetricsF metrics(font());
  charWidth_ = metrics.horizontalAdvance(QLatin1Char('M'));
  lineHeight_ = std::max(1, static_cast<int>(std::ceil(metrics.lineSpacing())));
  ascent_ = static_cast<int>(std::ceil(metrics.ascent()));
  fixedPitch_ = QFontInfo(font()).fixedPitch();
  UpdateScrollBars();
}

void TextPageView::UpdateScrollBars() {
  const size_t inSight = RowsInSight();
  const size_t rows = rows_->RowCount();
  verticalScrollBar()->setRange(0, ClampedInt(rows > inSight ? rows - inSight : 0));
  verticalScrollBar()->setPageStep(ClampedInt(inSight));
  verticalScrollBar()->setSingleStep(1);
  // room for the widest row and the cursor after it
  const qreal width = static_cast<qreal>(rows_->WidestRow() + 1) * charWidth_ + 2 * Margin;
  horizontalScrollBar()->setRange(0, std::max(0, static_cast<int>(std::ceil(width)) - viewport()->width()));
  horizontalScrollBar()->setPageStep(viewport()->width());
  horizontalScrollBar()->setSingleStep(std::max(1, static_cast<int>(charWidth_)));
}

qreal TextPageView::ColumnX(std::string_view row, size_t col) const {
  col = std::min(col, row.size());
  if (fixedPitch_) return static_cast<qreal>(col) * charWidth_;
  return QFontMetricsF(font()).horizontalAdvance(FromLatin1(std::string(row.substr(0, col))));
}

size_t TextPageView::ColumnAt(std::string_view row, qreal x) const {
  if (x <= 0) return 0;
  if (fixedPitch_) return std::min(row.size(), static_cast<size_t>(std::lround(x / charWidth_)));
  const QFontMetricsF metrics(font());
  qreal left = 0;
  for (size_t col = 0; col < row.size(); ++col) {
    const qreal width = metrics.horizontalAdvance(QChar(static_cast<unsigned char>(row[col])));
    if (x < left + width / 2) return col;
    left += width;
  }
  return row.size();
}

QPoint TextPageView::PointOf(TextPos pos) const {
  pos = ClampedPos(*rows_, pos);
  const long rowOffset = static_cast<long>(pos.row) - static_cast<long>(FirstVisibleRow());
  const qreal x = ColumnX(rows_->Row(pos.row), pos.col) + Margin - horizontalScrollBar()->value();
  return {static_cast<int>(std::lround(x)), static_cast<int>(Margin + rowOffset * lineHeight_)};
}

TextPos TextPageView::PosAt(QPoint point) const {
  const long offset = static_cast<long>(std::floor(static_cast<double>(point.y() - Margin) / lineHeight_));
  const long row = std::clamp(static_cast<long>(FirstVisibleRow()) + offset, 0L,
                              static_cast<long>(rows_->RowCount()) - 1);
  const std::string_view text = rows_->Row(static_cast<size_t>(row));
  return {static_cast<size_t>(row), ColumnAt(text, point.x() - Margin + horizontalScrollBar()->value())};
}

void TextPageView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QPalette& colours = palette();
  const QRect area = viewport()->rect();
  const qreal left = Margin - horizontalScrollBar()->value();
  const TextPos from = std::min(anchor_, cursor_), to = std::max(anchor_, cursor_);
  const size_t first = FirstVisibleRow();
  const size_t last = std::min(rows_->RowCount(), first + RowsInSight() + 2);
  for (size_t row = first; row < last; ++row) {
    const int top = Margin + static_cast<int>(row - first) * lineHeight_;
    if (top > area.bottom()) break;
    const std::string_view text = rows_->Row(row);
    const QString shown = FromLatin1(std::string(text));
    painter.setPen(colours.color(QPalette::Text));
    painter.drawText(QPointF(left, top + ascent_), shown);
    if (from == to || row < from.row || row > to.row) continue;
    // the selected part, with a little room for its line end when that is selected too
    const qreal x0 = left + ColumnX(text, row == from.row ? from.col : 0);
    qreal x1 = left + ColumnX(text, row == to.row ? to.col : text.size());
    if (row < to.row) x1 += charWidth_ / 2;
    const QRectF band(x0, top, x1 - x0, lineHeight_);
    painter.fillRect(band, colours.brush(QPalette::Highlight));
    painter.save();
    painter.setClipRect(band);
    painter.setPen(colours.color(QPalette::HighlightedText));
    painter.drawText(QPointF(left, top + ascent_), shown);
    painter.restore();
  }
  if (hasFocus()) {
    const QPoint at = PointOf(cursor_);
    painter.fillRect(QRect(at.x(), at.y(), 1, lineHeight_), colours.brush(QPalette::Text));
  }
}

void TextPageView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void TextPageView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    UpdateMetrics();
    viewport()->update();
  }
}

void TextPageView::scrollContentsBy(int, int) { viewport()->update(); }

void TextPageView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void TextPageView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

void TextPageView::EnsureCursorVisible() {
  const size_t first = FirstVisibleRow(), inSight = RowsInSight();
  if (cursor_.row < first) verticalScrollBar()->setValue(ClampedInt(cursor_.row));
  else if (cursor_.row >= first + inSight) verticalScrollBar()->setValue(ClampedInt(cursor_.row - inSight + 1));
  const int x = static_cast<int>(ColumnX(rows_->Row(cursor_.row), cursor_.col)) + Margin;
  QScrollBar* across = horizontalScrollBar();
  if (x < across->value() + Margin) across->setValue(x - Margin);
  else if (x + Margin > across->value() + viewport()->width()) across->setValue(x + Margin - viewport()->width());
}

void TextPageView::MoveCursorTo(TextPos pos, bool keepAnchor, bool keepGoal) {
  cursor_ = ClampedPos(*rows_, pos);
  if (!keepAnchor) anchor_ = cursor_;
  if (!keepGoal) goalColumn_ = cursor_.col;
  EnsureCursorVisible();
  viewport()->update();
}

void TextPageView::ReplaceSelectionWithTyped(const QString& text, bool typed) {
  // The editable text is the print file's, which holds Latin-1 alone: a
  // character beyond it would be kept as '?', so nothing is put in.
  if (const std::optional<BeyondLatin1> beyond = FirstBeyondLatin1(text)) {
    ShowMessage("The character " + beyond->named +
                    " cannot be put into the print file, which holds Latin-1 characters only. Nothing was " +
                    (typed ? "typed." : "pasted."),
                "Warning!", MessageIcon::Warning, this);
    return;
  }
  ReplaceSelection(ToLatin1(text), typed);
}

void TextPageView::ReplaceSelection(std::string_view text, bool typed) {
  if (!Editable()) return;
  const TextPos end = editable_->Replace(anchor_, cursor_, text, typed);
  UpdateScrollBars();
  MoveCursorTo(end, false);
}

bool TextPageView::HandleMoveKey(QKeyEvent* event) {
  struct KeyMove {
    QKeySequence::StandardKey move, select;
    CursorMove to;
    bool keepGoal;
  };
  static const KeyMove moves[] = {
      {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, CursorMove::Right, false},
      {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, CursorMove::Left, false},
      {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, CursorMove::Down, true},
      {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, CursorMove::Up, true},
      {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, CursorMove::PageDown, true},
      {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, CursorMove::PageUp, true},
      {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, CursorMove::RowStart, false},
      {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, CursorMove::RowEnd, false},
      {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, CursorMove::TextStart, false},
      {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, CursorMove::TextEnd, false},
      {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, CursorMove::WordRight, false},
      {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, CursorMove::WordLeft, false},
  };
  for (const KeyMove& m : moves) {
    const bool select = event->matches(m.select);
    if (!select && !event->matches(m.move)) continue;
    if (editable_) editable_->CloseTyping();
    // Left or Right alone ends a selection at its edge on that side.
    if (!select && anchor_ != cursor_ && (m.to == CursorMove::Left || m.to == CursorMove::Right)) {
      MoveCursorTo(m.to == CursorMove::Left ? std::min(anchor_, cursor_) : std::max(anchor_, cursor_), false);
      return true;
    }
    const TextPos to = MoveCursor(*rows_, cursor_, m.to, RowsInSight(), goalColumn_);
    MoveCursorTo(to, select, m.keepGoal);
    return true;
  }
  return false;
}

bool TextPageView::HandleEditKey(QKeyEvent* event) {
  if (!Editable()) return false;
  if (event->matches(QKeySequence::Cut)) return cut(), true;
  if (event->matches(QKeySequence::Paste)) return paste(), true;
  if (event->matches(QKeySequence::Undo)) return undo(), true;
  if (IsRedoKey(event)) return redo(), true;
  const bool none = anchor_ == cursor_;
  switch (event->key()) {
    case Qt::Key_Backspace:
      if (none) anchor_ = MoveCursor(*rows_, cursor_, CursorMove::Left, 1, 0);
      ReplaceSelection({});
      return true;
    case Qt::Key_Delete:
      if (none) anchor_ = MoveCursor(*rows_, cursor_, CursorMove::Right, 1, 0);
      ReplaceSelection({});
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: ReplaceSelection("\n"); return true;
    default: break;
  }
  const QString typed = event->text();
  if (typed.isEmpty() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
    return false;
  for (QChar c : typed)
    if (c.category() == QChar::Other_Control) return false;
  ReplaceSelectionWithTyped(typed, true);
  return true;
}

bool TextPageView::event(QEvent* event) {
  // The view's own keys go to it before any shortcut of its window.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    const bool typed = Editable() && !key->text().isEmpty() && key->text().at(0).isPrint() &&
                       !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (typed || key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll) ||
        (Editable() && (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Paste) ||
                        key->matches(QKeySequence::Undo) || IsRedoKey(key)))) {
      event->accept();
      return true;
    }
  }
  return QAbstractScrollArea::event(event);
}

void TextPageView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) return copy();
  if (event->matches(QKeySequence::SelectAll)) return selectAll();
  if (HandleMoveKey(event) || HandleEditKey(event)) return;
  QAbstractScrollArea::keyPressEvent(event);
}

void TextPageView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
  mouse_ = event->position().toPoint();
  if (editable_) editable_->CloseTyping();
  MoveCursorTo(PosAt(mouse_), event->modifiers() & Qt::ShiftModifier);
  selecting_ = true;
}

void TextPageView::mouseMoveEvent(QMouseEvent* event) {
  if (!selecting_ || !(event->buttons() & Qt::LeftButton)) return QAbstractScrollArea::mouseMoveEvent(event);
  mouse_ = event->position().toPoint();
  MoveCursorTo(PosAt(mouse_), true);
  // Beyond the top or bottom the view keeps scrolling while the mouse stays there.
  const bool outside = mouse_.y() < 0 || mouse_.y() > viewport()->height();
  if (outside && !autoScroll_.isActive()) autoScroll_.start(AutoScrollMs, this);
  else if (!outside) autoScroll_.stop();
}

void TextPageView::timerEvent(QTimerEvent* event) {
  if (event->timerId() != autoScroll_.timerId()) return QAbstractScrollArea::timerEvent(event);
  if (!selecting_) return autoScroll_.stop();
  MoveCursorTo(PosAt(mouse_), true);
}

void TextPageView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !selecting_) return QAbstractScrollArea::mouseReleaseEvent(event);
  selecting_ = false;
  autoScroll_.stop();
  // what the mouse selected goes to the X selection, as in any text view there
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (anchor_ != cursor_ && clipboard->supportsSelection())
    clipboard->setText(FromLatin1(SelectedText()), QClipboard::Selection);
}

void TextPageView::contextMenuEvent(QContextMenuEvent* event) {
  // the commands of the keys, for the mouse
  QMenu menu(this);
  const bool selected = anchor_ != cursor_;
  if (Editable()) {
    menu.addAction("&Undo", QKeySequence::Undo, this, &TextPageView::undo)->setEnabled(editable_->CanUndo());
    menu.addAction("&Redo", QKeySequence(Qt::CTRL | Qt::Key_Y), this, &TextPageView::redo)
        ->setEnabled(editable_->CanRedo());
    menu.addSeparator();
  }
  if (Editable()) menu.addAction("Cu&t", QKeySequence::Cut, this, &TextPageView::cut)->setEnabled(selected);
  menu.addAction("&Copy", QKeySequence::Copy, this, &TextPageView::copy)->setEnabled(selected);
  if (Editable()) menu.addAction("&Paste", QKeySequence::Paste, this, &TextPageView::paste);
  menu.addSeparator();
  menu.addAction("Select &All", QKeySequence::SelectAll, this, &TextPageView::selectAll);
  menu.exec(event->globalPos());
}

void TextPageView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mouseDoubleClickEvent(event);
  const auto [start, end] = WordAround(*rows_, PosAt(event->position().toPoint()));
  SetSelection(start, end);
}

}  // namespace halcyra
