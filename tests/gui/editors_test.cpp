// The plain-text editors: round trips of the edited files, Restore Default
// Settings with the option re-read on Save, and the failures that must not
// lose text or options.
#include <QPlainTextEdit>
#include <fstream>

#include "gui_test_support.h"
#include "shell/text_editor_files.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/text_editors.h"

namespace halcyra {
namespace {

namespace fs = std::filesystem;

// The bytes Save writes for a typed text, and the text loaded from a file.
TEST(EditorFiles, SaveKeepsEveryTypedCharacterAndLoadEndsEveryLine) {
  const struct {
    const char *text, *saved, *why;
  } saves[] = {
      {"a\r\nb", "a\r\nb\r\n", "a last line without its end keeps its characters"},
      {"a", "a\r\n", "one character is not dropped"},
      {"", "", "clearing the text empties the file"},
      {"\r\n", "\r\n", "one empty line"},
      {"a\r\n\r\n", "a\r\n\r\n", "a trailing empty line stays"},
  };
  for (const auto& c : saves) EXPECT_EQ(EditorSaveBytes(c.text), c.saved) << c.why;

  const std::string file = testing::ScratchDir("editor_files") + "/f.txt";
  const std::pair<const char*, const char*> loads[] = {
      {"one\r\ntwo\r\n", "one\r\ntwo\r\n"}, {"one\r\ntwo", "one\r\ntwo\r\n"},  // the last line gains its end
      {"one\ntwo\n", "one\r\ntwo\r\n"}, {"", ""}};
  for (const auto& [bytes, text] : loads) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    EXPECT_EQ(LoadEditorText(file).value(), text) << bytes;
  }
  EXPECT_FALSE(LoadEditorText(file + ".missing"));
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
  testing::RecordingSink sink;
};

TEST_F(EditorWindowTest, EveryEditorSavesUnchangedFileByteForByte) {
  const std::pair<EditorKind, const char*> editors[] = {{EditorKind::LongLat, "GA_MA.LL"},
      {EditorKind::NameEdit, "NAMES.FIL"}, {EditorKind::Options, "OPTIONS.OPT"}, {EditorKind::OrbsEdit, "NATAL.ORB"}};
  for (const auto& [kind, file] : editors) {
    const std::string path = state.AppPath + "/" + file;
    const std::string before = ReadWholeFile(path).value();
    ASSERT_TRUE(before.ends_with("\r\n")) << file;
    TextEditorWindow* w = ShowTextEditor(state, kind);
    Click(w, "btnSave");
    EXPECT_EQ(ReadWholeFile(path).value(), before) << file;
    Click(w, "btnQuit");
  }
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(EditorWindowTest, RestoreDefaultShowsTheFactoryTextAndOptionsWaitForSave) {
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
  Click(w, "btnSave");
  EXPECT_FLOAT_EQ(state.options.OptionValues[1], 8) << "the factory conjunction orb";
  EXPECT_TRUE(sink.shown.empty());

  // Without the factory file: a warning, and the file and the box as they were.
  fs::remove(state.AppPath + "/OPTIONS.MAS");
  WriteWholeFile(opt, "7\r\n");
  Content(w)->setPlainText("7\n");
  Click(w, "cmdRestoreDefault");
  EXPECT_EQ(sink.Boxes(), std::vector<std::string>{"Warning!: Error in operation. Cannot do what is requested."});
  EXPECT_EQ(sink.shown.at(0).icon, MessageIcon::Information);
  EXPECT_EQ(ReadWholeFile(opt).value(), "7\r\n");
  EXPECT_EQ(Content(w)->toPlainText().toStdString(), "7\n");
}

// The option and orb editors save only what the program's reader of the
// file takes back: a refused text names its line, which is selected, and the
// file and the values in use stay as they were.
TEST_F(EditorWindowTest, OptionAndOrbEditorsSaveNothingTheirReaderRefuses) {
  const std::string range = "(it must lie between -2147483647 and 2147483647)";
  const struct {
    EditorKind kind;
    const char *file, *typed, *refusal, *why;
  } cases[] = {
      {EditorKind::Options, "OPTIONS.OPT", "8\n9e30   home\n", "OPTIONS.OPT, line 2: the value \"9e30\" is out of range ",
       "an option beyond a whole number"},
      {EditorKind::Options, "OPTIONS.OPT", "8\n\n9e30\n", "", "after the empty line that ends the list: not read"},
      {EditorKind::OrbsEdit, "NATAL.ORB", "8\n6\n200    square\n",
       "NATAL.ORB, line 3: the value \"200\" is out of range (it must lie between 0 and 180)", "an orb beyond 180"},
      {EditorKind::OrbsEdit, "diurnal.orb", "1\n-1\n", "diurnal.orb, line 2: the value \"-1\" is out of range",
       "the minute listing's orbs, whatever the letter case"},
      {EditorKind::OrbsEdit, "DIURNAL.ORB", "1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n500\n", "",
       "an eleventh line the listing's reader never reads"},
      {EditorKind::OrbsEdit, "NAT2TRAN.ORB", "1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n500\n",
       "NAT2TRAN.ORB, line 11: the value \"500\" is out of range", "a wheel's orb file holds 17 orbs"},
  };
  for (const auto& c : cases) {
    sink.shown.clear();
    const std::string path = state.options.OrbFileName = state.AppPath + "/" + c.file;
    WriteWholeFile(path, "7\r\n");
    state.options.OptionValues[1] = 42;
    TextEditorWindow* w = ShowTextEditor(state, c.kind);
    Content(w)->setPlainText(c.typed);
    Click(w, "btnSave");
    if (std::string(c.refusal).empty()) {
      EXPECT_TRUE(sink.shown.empty()) << c.why;
      EXPECT_EQ(ReadWholeFile(path).value(), FileTextFromViewText(QString(c.typed))) << c.why;
    } else {
      ASSERT_EQ(sink.shown.size(), 1u) << c.why;
      const std::string box = sink.Boxes()[0];
      EXPECT_TRUE(box.starts_with(std::string("Warning!: ") + c.refusal)) << c.why << ": " << box;
      EXPECT_TRUE(box.ends_with("). The file is not saved; your text is still here.")) << box;
      if (c.kind == EditorKind::Options) {
        EXPECT_NE(box.find(range), std::string::npos) << box;
      }
      EXPECT_EQ(ReadWholeFile(path).value(), "7\r\n") << c.why;
      const std::string line = std::string(c.refusal).substr(std::string(c.refusal).find("line ") + 5);
      const QStringList typedLines = QString(c.typed).split('\n');
      EXPECT_EQ(Content(w)->textCursor().selectedText(), typedLines[std::stoi(line) - 1]) << c.why;
      EXPECT_EQ(Content(w)->toPlainText().toStdString(), c.typed) << "the text stays to be mended";
    }
    EXPECT_FLOAT_EQ(state.options.OptionValues[1], c.kind == EditorKind::Options && !*c.refusal ? 8 : 42) << c.why;
    Click(w, "btnQuit");
  }
}

// Restore Default Settings copies no factory file the option reader refuses.
TEST_F(EditorWindowTest, RestoreDefaultRefusesAFactoryFileStartUpWouldRefuse) {
  const std::string opt = state.AppPath + "/OPTIONS.OPT";
  WriteWholeFile(state.AppPath + "/OPTIONS.MAS", "8\r\n1e30\r\n");
  WriteWholeFile(opt, "7\r\n");
  TextEditorWindow* w = ShowTextEditor(state, EditorKind::Options);
  Click(w, "cmdRestoreDefault");
  EXPECT_EQ(sink.Boxes(), std::vector<std::string>{"Warning!: Error in operation. Cannot do what is requested."});
  EXPECT_EQ(ReadWholeFile(opt).value(), "7\r\n");
  EXPECT_EQ(Content(w)->toPlainText().toStdString(), "7\n");
}

TEST_F(EditorWindowTest, MissingFileOpensEmptyAndFailedSaveKeepsText) {
  const std::string path = state.ini.CityFileName = state.AppPath + "/gone/CITIES.LL";
  TextEditorWindow* w = ShowTextEditor(state, EditorKind::LongLat);
  EXPECT_TRUE(Content(w)->toPlainText().isEmpty());
  Content(w)->setPlainText("Boston 71.04 42.21");
  Click(w, "btnSave");  // the folder does not exist
  EXPECT_EQ(sink.Boxes(), (std::vector<std::string>{
                              "Warning!: Cannot read the file " + path + ". The editor starts empty.",
                              "Warning!: Cannot write the file " + path + ". Your text is still here."}));
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(Content(w)->toPlainText().toStdString(), "Boston 71.04 42.21");
}

}  // namespace
}  // namespace halcyra
