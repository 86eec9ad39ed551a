// The plain-text editors and the new-date window under the offscreen
// platform: round trips of the edited files, the option re-read, Restore
// Default Settings, and the failures that must not lose text or options.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QKeyEvent>
#include <filesystem>
#include <fstream>

#include "core/calendar.h"
#include "output_gui_support.h"
#include "platform/text_files.h"
#include "shell/new_date.h"
#include "shell/text_editor_files.h"
#include "shell/ui/new_date_window.h"
#include "shell/ui/text_editors.h"

namespace halcyra {
namespace {

namespace fs = std::filesystem;
using testing::RecordingSink;

TEST(EditorFiles, SaveBytesKeepEveryTypedCharacter) {
  struct Case {
    const char* text;
    const char* saved;
    const char* why;
  };
  const Case cases[] = {
      {"a\r\nb\r\n", "a\r\nb\r\n", "loaded text saves unchanged"},
      {"a\r\nb", "a\r\nb\r\n", "a last line without its end keeps its characters"},
      {"a", "a\r\n", "one character is not dropped"},
      {"", "", "clearing the text empties the file"},
      {"\r\n", "\r\n", "one empty line"},
      {"a\r\n\r\n", "a\r\n\r\n", "a trailing empty line stays"},
  };
  for (const Case& c : cases) EXPECT_EQ(EditorSaveBytes(c.text), c.saved) << c.why;
}

TEST(EditorFiles, LoadGivesEveryLineWithCrLf) {
  const std::string dir = testing::ScratchDir("editor_files");
  struct Case {
    const char* bytes;
    const char* text;
  };
  const Case cases[] = {
      {"one\r\ntwo\r\n", "one\r\ntwo\r\n"},
      {"one\r\ntwo", "one\r\ntwo\r\n"},  // the last line gains its end
      {"one\ntwo\n", "one\r\ntwo\r\n"},
      {"", ""},
  };
  for (const Case& c : cases) {
    std::ofstream(dir + "/f.txt", std::ios::binary | std::ios::trunc) << c.bytes;
    EXPECT_EQ(LoadEditorText(dir + "/f.txt").value(), c.text) << c.bytes;
  }
  EXPECT_FALSE(LoadEditorText(dir + "/missing.txt"));
}

class EditorWindowTest : public testing::GuiTest {
 protected:
  void SetUp() override {
    state.AppPath = testing::ScratchProgramFolder("editors", {".OPT", ".MAS", ".ORB", ".FIL", ".LL"});
    state.ini.NamesFileName = state.AppPath + "/NAMES.FIL";
    state.ini.CityFileName = state.AppPath + "/GA_MA.LL";
    state.options.OrbFileName = state.AppPath + "/NATAL.ORB";
  }
  static QPlainTextEdit* Content(QWidget* w) { return w->findChild<QPlainTextEdit*>("txtContent"); }
  static void Click(QWidget* w, const char* button) { w->findChild<QPushButton*>(button)->click(); }

  AppState state;
  RecordingSink sink;
};

TEST_F(EditorWindowTest, EveryEditorSavesUnchangedFileByteForByte) {
  const std::pair<EditorKind, const char*> editors[] = {
      {EditorKind::LongLat, "GA_MA.LL"},
      {EditorKind::NameEdit, "NAMES.FIL"},
      {EditorKind::Options, "OPTIONS.OPT"},
      {EditorKind::OrbsEdit, "NATAL.ORB"},
  };
  for (const auto& [kind, file] : editors) {
    const std::string path = state.AppPath + "/" + file;
    const std::string before = ReadWholeFile(path).value();
    ASSERT_TRUE(before.ends_with("\r\n")) << file;
    TextEditorWindow* w = ShowTextEditor(state, kind);
    EXPECT_EQ(w->windowTitle().toStdString(),
              kind == EditorKind::Options ? "Edit: OPTIONS.OPT" : "Edit: " + path);
    Click(w, "btnSave");
    EXPECT_EQ(ReadWholeFile(path).value(), before) << file;
    Click(w, "btnQuit");
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(EditorWindowTest, ClearedTextEmptiesFileAndTypedTailIsKept) {
  const std::string path = state.options.OrbFileName;
  TextEditorWindow* w = ShowTextEditor(state, EditorKind::OrbsEdit);
  Content(w)->setPlainText("8 conjunction\n6 sextile");  // no line end after the last line
  Click(w, "btnSave");
  EXPECT_EQ(ReadWholeFile(path).value(), "8 conjunction\r\n6 sextile\r\n");
  Content(w)->clear();
  Click(w, "btnSave");
  EXPECT_EQ(ReadWholeFile(path).value(), "");
}

TEST_F(EditorWindowTest, OptionsSaveRereadsUpToFirstEmptyLine) {
  state.options.OptionValues.fill(-1);
  std::string text;
  for (int k = 1; k <= 40; ++k) {
    if (k == 31) text += "\n";  // an empty line after line 30 ends the values
    text += std::to_string(k * 2) + "\n";
  }
  TextEditorWindow* w = ShowTextEditor(state, EditorKind::Options);
  Content(w)->setPlainText(QString::fromStdString(text));
  Click(w, "btnSave");
  EXPECT_FLOAT_EQ(state.options.OptionValues[1], 2);
  EXPECT_FLOAT_EQ(state.options.OptionValues[30], 60);
  EXPECT_FLOAT_EQ(state.options.OptionValues[31], -1) << "past the empty line: unchanged";
  EXPECT_FLOAT_EQ(state.options.OptionValues[244], -1);
}

TEST_F(EditorWindowTest, RestoreDefaultShowsFactoryTextOptionsWaitForSave) {
  const std::string opt = state.AppPath + "/OPTIONS.OPT";
  const std::string factory = ReadWholeFile(state.AppPath + "/OPTIONS.MAS").value();
  WriteWholeFile(opt, "1\r\n2\r\n");
  state.options.OptionValues[1] = 42;
  TextEditorWindow* w = ShowTextEditor(state, EditorKind::Options);
  EXPECT_EQ(Content(w)->toPlainText().toStdString(), "1\n2\n");
  Click(w, "cmdRestoreDefault");
  EXPECT_EQ(ReadWholeFile(opt).value(), factory);
  EXPECT_EQ(Content(w)->toPlainText().size(), static_cast<qsizetype>(factory.size()) - 244)
      << "the box shows the restored file, one \\n for each CR LF";
  EXPECT_FLOAT_EQ(state.options.OptionValues[1], 42) << "values follow only after Save";
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(EditorWindowTest, RestoreDefaultWithoutFactoryFileKeepsOptions) {
  const std::string opt = state.AppPath + "/OPTIONS.OPT";
  fs::remove(state.AppPath + "/OPTIONS.MAS");
  WriteWholeFile(opt, "7\r\n");
  TextEditorWindow* w = ShowTextEditor(state, EditorKind::Options);
  Click(w, "cmdRestoreDefault");
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, "Error in operation. Cannot do what is requested.");
  EXPECT_EQ(sink.shown[0].title, "Warning!");
  EXPECT_EQ(sink.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(ReadWholeFile(opt).value(), "7\r\n");
  EXPECT_EQ(Content(w)->toPlainText().toStdString(), "7\n");
}

TEST_F(EditorWindowTest, MissingFileOpensEmptyAndFailedSaveKeepsText) {
  state.ini.CityFileName = state.AppPath + "/gone/CITIES.LL";
  TextEditorWindow* w = ShowTextEditor(state, EditorKind::LongLat);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].title, "Warning!");
  EXPECT_NE(sink.shown[0].text.find("CITIES.LL"), std::string::npos);
  EXPECT_TRUE(Content(w)->toPlainText().isEmpty());

  Content(w)->setPlainText("Boston 71.04 42.21");
  Click(w, "btnSave");  // the folder does not exist
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_NE(sink.shown[1].text.find("CITIES.LL"), std::string::npos);
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(Content(w)->toPlainText().toStdString(), "Boston 71.04 42.21");
}

TEST_F(EditorWindowTest, NamesSaveClearsDirtyFlagAndQuitReopensLists) {
  int namesReopened = 0, citiesReopened = 0;
  SetNamesListReopener([&] { ++namesReopened; });
  SetCityListReopener([&] { ++citiesReopened; });
  state.flags.NamesDirty = 1;
  TextEditorWindow* names = ShowTextEditor(state, EditorKind::NameEdit);
  Click(names, "btnSave");
  EXPECT_EQ(state.flags.NamesDirty, 0);
  Click(names, "btnQuit");
  Click(ShowTextEditor(state, EditorKind::LongLat), "btnQuit");
  Click(ShowTextEditor(state, EditorKind::OrbsEdit), "btnQuit");
  EXPECT_EQ(namesReopened, 1);
  EXPECT_EQ(citiesReopened, 1);
  SetNamesListReopener({});
  SetCityListReopener({});
}

TEST(NewDate, FieldsAndDayNumbers) {
  struct Case {
    double listingDate;
    NewDateFields fields;
  };
  // Day numbers from the civil-date conversion of the chart core.
  const Case cases[] = {
      {2451545, {1, 1, 2000}},
      {2452701, {3, 2, 2003}},
      {2299161, {10, 15, 1582}},
  };
  for (const Case& c : cases) {
    const NewDateFields f = NewDateFieldsOf(c.listingDate);
    EXPECT_EQ(f.Month, c.fields.Month) << c.listingDate;
    EXPECT_EQ(f.Day, c.fields.Day) << c.listingDate;
    EXPECT_EQ(f.Year, c.fields.Year) << c.listingDate;
  }
  const NewDateFields shown{1, 1, 2000};
  EXPECT_EQ(ListingDateOf("2", "30", "2003", shown), 2452701) << "30 February is 2 March";
  EXPECT_EQ(ListingDateOf("1", "32", "2000", shown), 2451576) << "32 January is 1 February";
  EXPECT_EQ(ListingDateOf("", "", "", shown), 2451545) << "empty boxes keep the shown day";
}

// Types one key into a box as the keyboard would.
void Type(QWidget* box, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(box, &press);
}

TEST(NewDate, WindowShowsDayAndFiltersKeys) {
  testing::EnsureGuiApp();
  AppState state;
  state.flags.ListingDate = 2451545;
  NewDateWindow w(state);
  auto* month = w.findChild<QLineEdit*>("txtMonth");
  auto* day = w.findChild<QLineEdit*>("txtDay");
  auto* year = w.findChild<QLineEdit*>("txtYear");
  EXPECT_EQ(month->text(), "1");
  EXPECT_EQ(day->text(), "1");
  EXPECT_EQ(year->text(), "2000");
  EXPECT_EQ(w.windowTitle(), "New Transit Date");

  month->setText("");
  for (QChar c : QString("1a-2./")) Type(month, c.unicode(), QString(c));
  EXPECT_EQ(month->text(), "12") << "only digits reach the box";
  Type(month, Qt::Key_Backspace, "\b");
  EXPECT_EQ(month->text(), "1");
  day->setText("30");
  year->setText("2003");
  month->setText("2");
  w.cmdOK_Click();
  EXPECT_EQ(state.flags.ListingDate, 2452701);
}

}  // namespace
}  // namespace halcyra
