#include "wheels/ui/keywords_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/gui/twips.h"
#include "platform/utf8_text.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/messages.h"
#include "shell/ui/window_frames.h"
#include "shell/ui/window_placement.h"
#include "wheels/keywords.h"

namespace halcyra {

namespace {

QPointer<KeywordsWindow> g_window;

constexpr int RowTwips = 250, ColumnTwips = 1200;

// The card's faces, or the installed families closest to them.
QFont CardFont(const QStringList& families, QFont::StyleHint hint, bool bold) {
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(hint);
  font.setPointSize(9);
  font.setBold(bold);
  return font;
}

}  // namespace

KeywordsWindow::KeywordsWindow(QWidget* parent) : QWidget(parent) {
  setObjectName("Keywords");
  setWindowTitle("Keywords");
  setAttribute(Qt::WA_DeleteOnClose);
  QPalette grey = palette();
  grey.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(grey);
  setAutoFillBackground(true);

  const QFont labelFont = CardFont({"Verdana", "DejaVu Sans"}, QFont::SansSerif, false);
  auto* note = new QLabel("NOTE: Click on a topic for information", this);
  note->setObjectName("Label1");
  note->setFont(labelFont);
  note->setStyleSheet("color: red");
  auto* headings = new QLabel("    Planet          Sign             House         Quality", this);
  headings->setObjectName("Label2");
  headings->setFont(CardFont({"Verdana", "DejaVu Sans"}, QFont::SansSerif, true));

  grid_ = new QTableWidget(KeywordRows, KeywordColumns, this);
  grid_->setObjectName("grdOutput");
  grid_->setFont(CardFont({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}, QFont::TypeWriter, false));
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->verticalHeader()->setMinimumSectionSize(1);
  for (int column = 0; column < KeywordColumns; ++column)
    for (int row = 0; row < KeywordRows; ++row) {
      const std::string_view topic = KeywordGrid[row][column];
      grid_->setItem(row, column, new QTableWidgetItem(QString::fromLatin1(topic.data(), topic.size())));
    }
  // The card's cells, widened where a stand-in face would cut "Sagittarius" short.
  grid_->resizeColumnsToContents();
  int columnWidth = PixelsFromTwipsX(ColumnTwips);
  for (int column = 0; column < KeywordColumns; ++column) columnWidth = std::max(columnWidth, grid_->columnWidth(column));
  const int rowHeight = PixelsFromTwipsY(RowTwips);
  for (int row = 0; row < KeywordRows; ++row) grid_->setRowHeight(row, rowHeight);
  for (int column = 0; column < KeywordColumns; ++column) grid_->setColumnWidth(column, columnWidth);
  const int frame = 2 * grid_->frameWidth();
  grid_->setFixedSize(KeywordColumns * columnWidth + frame, KeywordRows * rowHeight + frame);
  connect(grid_, &QTableWidget::cellClicked, this, &KeywordsWindow::grdOutput_Click);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note);
  layout->addWidget(headings);
  layout->addWidget(grid_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void KeywordsWindow::grdOutput_Click(int row, int column) {
  const QTableWidgetItem* cell = grid_->item(row, column);
  if (!cell) return;
  const std::string topic = ToLatin1(cell->text());
  const std::optional<std::string> text = halcyra::KeywordText(topic);
  if (!text) return;
  keywordText_ = *text;
  ShowMessage(Latin1ToUtf8(keywordText_), Latin1ToUtf8(topic), MessageIcon::Information, this);
}

KeywordsWindow* ShowKeywords(QWidget* beside) {
  CloseKeywords();
  g_window = new KeywordsWindow;
  if (beside) {
    const QRect frame = ExpectedFrame(*beside);
    MoveFrameTo(*g_window, QPoint(frame.right() + 1 + WindowGap, frame.top()));
  }
  g_window->show();
  return g_window;
}

void CloseKeywords() {
  if (g_window) g_window->close();
}

KeywordsWindow* TheKeywordsWindow() { return g_window; }

}  // namespace halcyra
