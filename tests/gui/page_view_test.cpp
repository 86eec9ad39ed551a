// The text view of the Data window and the print window as a user works
// it: selecting with the mouse and the keys, copying, the selection as it
// is painted, the font steps, a long page that stays on view until the next
// is shown, and editing the text to be printed, with undo and redo.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>

#include "gui_test_support.h"
#include "shell/data_file.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/print_window.h"
#include "shell/ui/text_page_view.h"

namespace halcyra {

void PrintTo(const TextPos& pos, std::ostream* out) { *out << "(" << pos.row << ", " << pos.col << ")"; }

namespace {

class PageViewTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    AppState& s = App();
    s.AppPath = testing::ScratchProgramFolder("page_view", {".HLP"});
    ClearReportBuffers(s);
    s.flags.DataFontName = "COURIER NEW";
    s.ini.FontSize = 10;
    s.flags.screen.DataFontScale = 1.5;
    s.options.OptionValues[30] = 60, s.options.OptionValues[117] = 80, s.options.OptionValues[118] = 96;
    InstallDataWindowDisplay(s);
  }
  static void ShowLines(const std::vector<std::string>& lines) {
    StartNewPage(App());
    for (const std::string& line : lines) WriteLine(App(), line);
    ShowReport(App());
  }
  static TextPageView* DataView() { return CurrentDataWindow()->findChild<TextPageView*>("RichText1"); }
  // The page sent to the print window, and that window's text.
  static QWidget* OpenPrintWindow() {
    CurrentDataWindow()->findChild<QAction*>("mnuPrint")->trigger();
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == "PrntFile" && w->isVisible()) return w;
    return nullptr;
  }

  // The middle of the left edge of a place's character cell.
  static QPoint At(TextPageView* view, TextPos pos) {
    const QPoint corner = view->PointOf(pos);
    return {corner.x(), corner.y() + view->fontMetrics().height() / 2};
  }
  static void Mouse(TextPageView* view, QEvent::Type type, QPoint at, Qt::MouseButtons buttons = Qt::LeftButton,
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent event(type, at, view->viewport()->mapToGlobal(at), Qt::LeftButton, buttons, modifiers);
    QApplication::sendEvent(view->viewport(), &event);
  }
  static void Drag(TextPageView* view, TextPos from, TextPos to) {
    Mouse(view, QEvent::MouseButtonPress, At(view, from));
    Mouse(view, QEvent::MouseMove, At(view, to));
    Mouse(view, QEvent::MouseButtonRelease, At(view, to), Qt::NoButton);
  }
  static void Key(TextPageView* view, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                  const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(view, &press);
  }
  static void Type(TextPageView* view, const QString& text) {
    for (QChar c : text) Key(view, c.toUpper().unicode(), Qt::NoModifier, QString(c));
  }
  static std::string Clipboard() { return ToLatin1(QGuiApplication::clipboard()->text()); }
  // The width in points of `word` where poppler's pdftotext first places it; -1 when it is not found.
  static double PrintedWidth(const std::string& pdf, const QString& word) {
    QProcess process;
    process.start("pdftotext", {"-bbox", QString::fromStdString(pdf), "-"});
    if (!process.waitForFinished(60000)) return -1;
    const QRegularExpression box(R"re(<word xMin="([0-9.]+)" yMin="[0-9.]+" xMax="([0-9.]+)" yMax="[0-9.]+">)re" + word +
                                 "</word>");
    const auto match = box.match(QString::fromUtf8(process.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(2).toDouble() - match.captured(1).toDouble() : -1;
  }

  // The rows' cells as the view paints them in the selection colour: each
  // character, then '|' and the row's line end; '#' painted over the
  // cell's whole width, '.' nowhere in it, '?' in part of it. Read from
  // the view's own picture, cell by cell, a pixel inside each cell edge.
  static std::vector<std::string> PaintedCells(TextPageView* view, size_t rows) {
    QImage picture(view->viewport()->size(), QImage::Format_RGB32);
    view->viewport()->render(&picture);
    const QRgb selection = view->palette().color(QPalette::Highlight).rgb();
    const int lineHeight = view->PointOf({1, 0}).y() - view->PointOf({0, 0}).y();
    const int halfChar = static_cast<int>(QFontMetricsF(view->font()).horizontalAdvance('M') / 2);
    std::vector<std::string> painted;
    for (size_t row = 0; row < rows; ++row) {
      const int top = view->PointOf({row, 0}).y();
      auto columnPainted = [&](int x) {
        for (int y = top; y < top + lineHeight; ++y)
          if (picture.pixel(x, y) == selection) return true;
        return false;
      };
      auto cell = [&](int left, int right) {
        int count = 0, any = 0;
        for (int x = left + 1; x < right - 1; ++x, ++count) any += columnPainted(x);
        return any == 0 ? '.' : any == count ? '#' : '?';
      };
      std::string cells;
      const size_t length = view->Rows().Row(row).size();
      for (size_t col = 0; col < length; ++col)
        cells += cell(view->PointOf({row, col}).x(), view->PointOf({row, col + 1}).x());
      const int end = view->PointOf({row, length}).x();
      painted.push_back(cells + '|' + cell(end, end + halfChar));
    }
    return painted;
  }

  testing::RecordingSink sink;
};

TEST_F(PageViewTest, SelectWithMouseAndKeysThenCopy) {
  ShowLines({"alpha beta", "gamma", "delta epsilon"});
  TextPageView* view = DataView();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->toPlainText().toStdString(), "alpha beta\ngamma\ndelta epsilon\n\n\n");
  const struct { const char* what; std::function<void()> act; std::string selected; } steps[] = {
      {"a drag from one row to another", [&] { Drag(view, {0, 6}, {2, 5}); }, "beta\ngamma\ndelta"},
      {"Shift+End to the row's end", [&] { Key(view, Qt::Key_End, Qt::ShiftModifier); }, "beta\ngamma\ndelta epsilon"},
      {"Shift+Up a row back", [&] { Key(view, Qt::Key_Up, Qt::ShiftModifier); }, "beta\ngamma"},
      {"Shift+click extends from the anchor",
       [&] { Mouse(view, QEvent::MouseButtonPress, At(view, {0, 8}), Qt::LeftButton, Qt::ShiftModifier); }, "be"},
      {"a plain arrow drops the selection at its end", [&] { Key(view, Qt::Key_Right); }, ""},
      {"Shift+Right twice", [&] { Key(view, Qt::Key_Right, Qt::ShiftModifier), Key(view, Qt::Key_Right, Qt::ShiftModifier); },
       "ta"},
      {"Shift+Right over the row's end", [&] { Key(view, Qt::Key_Right, Qt::ShiftModifier); }, "ta\n"},
      {"a double click: the word", [&] { Mouse(view, QEvent::MouseButtonDblClick, At(view, {2, 8})); }, "epsilon"},
      {"Ctrl+A: everything", [&] { Key(view, Qt::Key_A, Qt::ControlModifier); },
       "alpha beta\ngamma\ndelta epsilon\n\n\n"},
  };
  for (const auto& step : steps) {
    step.act();
    EXPECT_EQ(view->SelectedText(), step.selected) << step.what;
    QGuiApplication::clipboard()->clear();
    Key(view, Qt::Key_C, Qt::ControlModifier);
    // Ctrl+C with nothing selected leaves the clipboard as it was
    EXPECT_EQ(Clipboard(), step.selected) << step.what;
  }
  EXPECT_TRUE(sink.shown.empty());
}

// The selection is painted from its first place to its last, each line end
// inside it as a half cell, in the Data window and in the print window.
TEST_F(PageViewTest, TheSelectionIsPaintedFromItsStartToItsEnd) {
  const std::vector<std::string> lines = {"alpha beta", "gamma", "", "delta epsilon", "zeta"};
  const struct { const char* what; TextPos anchor, cursor; std::vector<std::string> painted; } cases[] = {
      {"a part of the first row, the middle rows whole, a part of the last", {0, 6}, {3, 5},
       {"......####|#", "#####|#", "|#", "#####........|.", "....|."}},
      {"from within a row to the last row's end, which leaves its line end out", {1, 2}, {3, 13},
       {"..........|.", "..###|#", "|#", "#############|.", "....|."}},
      {"made backwards: from the cursor to the anchor", {4, 2}, {0, 10},
       {"..........|#", "#####|#", "|#", "#############|#", "##..|."}},
      {"one row", {3, 2}, {3, 7}, {"..........|.", ".....|.", "|.", "..#####......|.", "....|."}},
      {"to column 0 of the next row: the line end only", {0, 6}, {1, 0},
       {"......####|#", ".....|.", "|.", ".............|.", "....|."}},
      {"a row's first character", {4, 0}, {4, 1}, {"..........|.", ".....|.", "|.", ".............|.", "#...|."}},
      {"nothing", {1, 2}, {1, 2}, {"..........|.", ".....|.", "|.", ".............|.", "....|."}},
  };
  ShowLines(lines);
  QWidget* print = OpenPrintWindow();
  ASSERT_NE(print, nullptr);
  for (TextPageView* view : {DataView(), print->findChild<TextPageView*>("RichtxtContent")}) {
    ASSERT_NE(view, nullptr);
    for (size_t row = 0; row < lines.size(); ++row) ASSERT_EQ(view->Rows().Row(row), lines[row]);
    for (const auto& c : cases) {
      view->SetSelection(c.anchor, c.cursor);
      ASSERT_EQ(std::pair(view->FirstVisibleRow(), view->horizontalScrollBar()->value()), std::pair(size_t{0}, 0));
      EXPECT_EQ(PaintedCells(view, lines.size()), c.painted) << view->objectName().toStdString() << ": " << c.what;
    }
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(PageViewTest, FontStepsAndBoldReachTheView) {
  ShowLines({"one", "two"});
  TextPageView* view = DataView();
  const int rowHeight = view->PointOf({1, 0}).y() - view->PointOf({0, 0}).y();
  CurrentDataWindow()->findChild<QAction*>("mnuFontsIncrease")->trigger();
  EXPECT_DOUBLE_EQ(view->font().pointSizeF(), 10.75);
  EXPECT_GT(view->PointOf({1, 0}).y() - view->PointOf({0, 0}).y(), rowHeight) << "rows follow the font";
  CurrentDataWindow()->findChild<QAction*>("mnuFontsBold")->trigger();
  EXPECT_TRUE(view->font().bold());
  EXPECT_EQ(view->toPlainText().toStdString(), "one\ntwo\n\n\n\n\n") << "each refresh adds its blank line";
}

// A long listing's page: the keys reach its end at once; a new page written
// behind it leaves it on view until the new page is shown.
TEST_F(PageViewTest, ALongPageStaysOnViewUntilTheNextIsShown) {
  std::vector<std::string> lines;
  for (int i = 0; i < 200000; ++i) lines.push_back("listed line " + std::to_string(i));
  StartNewPage(App());
  ReportBufferSink(App()).WriteLines(std::vector<std::string>(lines));
  ShowReport(App());
  TextPageView* view = DataView();
  EXPECT_EQ(view->FirstVisibleRow(), 0u);
  Key(view, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(view->CursorPos(), (TextPos{200002, 0}));
  EXPECT_GT(view->FirstVisibleRow(), 199900u);
  EXPECT_EQ(view->Rows().Row(199999), "listed line 199999");
  Drag(view, {199999, 7}, {200000, 0});
  EXPECT_EQ(view->SelectedText(), "line 199999\n");

  StartNewPage(App());
  WriteLine(App(), "the next page");
  EXPECT_EQ(view->Rows().Row(5), "listed line 5") << "the old page stays until the next is shown";
  EXPECT_EQ(view->Rows().RowCount(), 200003u);
  ShowReport(App());
  EXPECT_EQ(view->toPlainText().toStdString(), "the next page\n\n\n");
  EXPECT_EQ(std::pair(view->FirstVisibleRow(), view->CursorPos()), std::pair(size_t{0}, TextPos{}));
}

// The print window's text is the user's to change: typing, Enter,
// Backspace, Delete, cut and paste; the printout and the print file hold
// the changed text.
TEST_F(PageViewTest, ThePrintedTextIsTheEditedText) {
  ShowLines({"first line", "second line"});
  QWidget* print = OpenPrintWindow();
  ASSERT_NE(print, nullptr);
  auto* text = print->findChild<TextPageView*>("RichtxtContent");
  ASSERT_NE(text, nullptr);
  const struct { const char* what; std::function<void()> act; const char* after; } steps[] = {
      {"typed at a clicked place",
       [&] { Mouse(text, QEvent::MouseButtonPress, At(text, {0, 5})), Type(text, " Xy"); },
       "first Xy line\nsecond line\n\n\n"},
      {"Enter cuts the row", [&] { Key(text, Qt::Key_Return, Qt::NoModifier, "\r"); }, "first Xy\n line\nsecond line\n\n\n"},
      {"Backspace joins it again", [&] { Key(text, Qt::Key_Backspace); }, "first Xy line\nsecond line\n\n\n"},
      {"Delete takes the blank after", [&] { Key(text, Qt::Key_Delete); }, "first Xyline\nsecond line\n\n\n"},
      {"Ctrl+X cuts a selection", [&] { Drag(text, {1, 0}, {1, 7}), Key(text, Qt::Key_X, Qt::ControlModifier); },
       "first Xyline\nline\n\n\n"},
      {"Ctrl+V pastes it at the start", [&] { Key(text, Qt::Key_Home, Qt::ControlModifier), Key(text, Qt::Key_V, Qt::ControlModifier); },
       "second first Xyline\nline\n\n\n"},
      // the print file holds Latin-1 alone
      {"typing replaces a selection; \u0100 is refused", [&] { Drag(text, {1, 0}, {1, 4}), Type(text, "end\u00FF\u0100"); },
       "second first Xyline\nend\u00FF\n\n\n"},
      {"a paste of \u2013 is refused",
       [&] { QGuiApplication::clipboard()->setText("\u2013"), Key(text, Qt::Key_V, Qt::ControlModifier); },
       "second first Xyline\nend\u00FF\n\n\n"},
  };
  for (const auto& step : steps) {
    step.act();
    EXPECT_EQ(text->toPlainText().toStdString(), step.after) << step.what;
  }
  const std::string pdf = App().AppPath + "/edited.pdf";
  App().services.PrintToPdfFile = pdf;
  print->findChild<QPushButton*>("btnPrint")->click();
  EXPECT_EQ(ReadWholeFile(PrintFilePath(App())).value_or(""), "second first Xyline\r\nend\xFF\r\n\r\n\r\n\r\n");
  const std::string printed = testing::PdfText(pdf);
  EXPECT_NE(printed.find("second first Xyline"), std::string::npos) << printed;
  EXPECT_NE(printed.find("end\u00FF"), std::string::npos) << printed;
  const std::string refused = " cannot be put into the print file, which holds Latin-1 characters only. Nothing was ";
  EXPECT_EQ(sink.Boxes(), (std::vector<std::string>{"Warning!: The character \u0100 (U+0100)" + refused + "typed.",
                                                    "Warning!: The character \u2013 (U+2013)" + refused + "pasted."}));
}

// The font is fitted to the lines as they stand when printed: a line too
// wide for the sheet, deleted in the print window, no longer shrinks it.
TEST_F(PageViewTest, ADeletedWideLineNoLongerShrinksThePrint) {
  App().services.PrintToPdfPaper = "A4";
  std::vector<double> widths;
  // Both long lines set 8 points on loading; only 150 columns are wider than the sheet.
  for (size_t columns : {100, 150}) {
    ShowLines({"marker", std::string(columns, 'x')});
    QWidget* print = OpenPrintWindow();
    ASSERT_NE(print, nullptr);
    auto* text = print->findChild<TextPageView*>("RichtxtContent");
    text->SetSelection({1, 0}, {2, 0});
    Key(text, Qt::Key_Delete);
    ASSERT_EQ(text->toPlainText().toStdString(), "marker\n\n\n");
    const std::string pdf = App().AppPath + "/wide" + std::to_string(columns) + ".pdf";
    App().services.PrintToPdfFile = pdf;
    print->findChild<QPushButton*>("btnPrint")->click();
    widths.push_back(PrintedWidth(pdf, "marker"));
  }
  EXPECT_GT(widths[0], 0);
  EXPECT_NEAR(widths[1], widths[0], 0.01) << "the deleted 150 columns shrank the font";
  EXPECT_TRUE(sink.shown.empty());
}

// Ctrl+Z takes the edits back one by one to the loaded text, Ctrl+Y and
// Ctrl+Shift+Z make them again, and a new edit drops what could be redone;
// the context menu's Undo and Redo follow.
TEST_F(PageViewTest, UndoAndRedoTheEditsInThePrintWindow) {
  ShowLines({"first line", "second line"});
  QWidget* print = OpenPrintWindow();
  ASSERT_NE(print, nullptr);
  auto* text = print->findChild<TextPageView*>("RichtxtContent");
  ASSERT_NE(text, nullptr);
  // Undo and Redo as the context menu offers them: enabled or not.
  auto menuOffers = [&] {
    std::pair<bool, bool> offered{false, false};
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* action : menu->actions()) {
        if (action->text() == "&Undo") offered.first = action->isEnabled();
        if (action->text() == "&Redo") offered.second = action->isEnabled();
      }
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, At(text, {0, 0}), text->mapToGlobal(At(text, {0, 0})));
    testing::LoopWatchdog watchdog("the context menu");
    QApplication::sendEvent(text->viewport(), &event);
    return offered;
  };
  const auto loaded = text->toPlainText().toStdString();
  EXPECT_EQ(menuOffers(), std::pair(false, false)) << "nothing to undo in the loaded text";
  const auto ctrl = Qt::ControlModifier;
  const struct {
    const char* what;
    std::function<void()> act;
    const char *after, *selected;
    TextPos cursor;
  } steps[] = {
      {"typed at a clicked place", [&] { Mouse(text, QEvent::MouseButtonPress, At(text, {0, 5})), Type(text, " Xy"); },
       "first Xy line\nsecond line\n\n\n", "", {0, 8}},
      {"Enter", [&] { Key(text, Qt::Key_Return, Qt::NoModifier, "\r"); },
       "first Xy\n line\nsecond line\n\n\n", "", {1, 0}},
      {"Ctrl+X cuts a selection", [&] { Drag(text, {1, 0}, {1, 5}), Key(text, Qt::Key_X, ctrl); },
       "first Xy\n\nsecond line\n\n\n", "", {1, 0}},
      {"Ctrl+Z: the cut text is back, selected", [&] { Key(text, Qt::Key_Z, ctrl); },
       "first Xy\n line\nsecond line\n\n\n", " line", {1, 5}},
      {"Ctrl+Z: the line end goes", [&] { Key(text, Qt::Key_Z, ctrl); },
       "first Xy line\nsecond line\n\n\n", "", {0, 8}},
      {"Ctrl+Z: the typed characters go in one step", [&] { Key(text, Qt::Key_Z, ctrl); }, loaded.c_str(), "", {0, 5}},
      {"Ctrl+Z again: the loaded text stays", [&] { Key(text, Qt::Key_Z, ctrl); }, loaded.c_str(), "", {0, 5}},
      {"Ctrl+Y types them again", [&] { Key(text, Qt::Key_Y, ctrl); },
       "first Xy line\nsecond line\n\n\n", "", {0, 8}},
      {"Ctrl+Shift+Z makes the line end again", [&] { Key(text, Qt::Key_Z, ctrl | Qt::ShiftModifier); },
       "first Xy\n line\nsecond line\n\n\n", "", {1, 0}},
      {"a new edit after undo", [&] { Type(text, "Q"); }, "first Xy\nQ line\nsecond line\n\n\n", "", {1, 1}},
      {"leaves nothing to redo", [&] { Key(text, Qt::Key_Y, ctrl); },
       "first Xy\nQ line\nsecond line\n\n\n", "", {1, 1}},
  };
  for (const auto& step : steps) {
    step.act();
    EXPECT_EQ(text->toPlainText().toStdString(), step.after) << step.what;
    EXPECT_EQ(text->SelectedText(), step.selected) << step.what;
    EXPECT_EQ(text->CursorPos(), step.cursor) << step.what;
  }
  EXPECT_EQ(menuOffers(), std::pair(true, false)) << "after a new edit";
  Key(text, Qt::Key_Z, ctrl);
  EXPECT_EQ(menuOffers(), std::pair(true, true)) << "after an undo";
  EXPECT_TRUE(sink.shown.empty());
}

}  // namespace
}  // namespace halcyra
