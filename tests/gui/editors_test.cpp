// The plain-text editors: round trips of the edited files, Restore Default
// Settings with the option re-read on Save, and the failures that must not
// lose text or options.
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <fstream>

#include "chart_input/names_file.h"
#include "gui_test_support.h"
#include "shell/text_editor_files.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/text_editors.h"
#include "support/allocation_faults.h"
#include "support/file_faults.h"

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
  EXPECT_TRUE(sink.questions.empty()) << "a file nobody else wrote is saved without a question";
}

// A file written by someone else after the editor loaded it (Save Natal
// Data, another copy of the program, one that keeps the file's length) is
// written over only when the user says so; No keeps both the file and the
// text on view.
TEST_F(EditorWindowTest, SaveAsksBeforeWritingOverAFileChangedSinceItWasLoaded) {
  const std::string names = state.ini.NamesFileName, options = state.AppPath + "/OPTIONS.OPT";
  const auto saveNatalData = [&] {
    NameEntry added;
    added.Name = "Added";
    ASSERT_EQ(AppendNameEntry(names, added), NameSaveResult::Saved);
  };
  const auto otherCopy = [&] { WriteWholeFile(options, "3\r\n" + ReadWholeFile(options).value()); };
  const auto sameLength = [&] { WriteWholeFile(options, "9" + ReadWholeFile(options).value().substr(1)); };
  const struct {
    EditorKind kind;
    std::string path;
    std::function<void()> otherWriter;
    bool yes;
  } rows[] = {
      {EditorKind::NameEdit, names, saveNatalData, false},
      {EditorKind::NameEdit, names, saveNatalData, true},
      {EditorKind::Options, options, otherCopy, false},
      {EditorKind::Options, options, otherCopy, true},
      {EditorKind::Options, options, sameLength, false},
  };
  for (const auto& row : rows) {
    sink.questions.clear();
    TextEditorWindow* w = ShowTextEditor(state, row.kind);
    Content(w)->setPlainText(Content(w)->toPlainText() + "1\n");
    row.otherWriter();
    const std::string written = ReadWholeFile(row.path).value();
    sink.yesNo = row.yes;
    Click(w, "btnSave");
    const std::string name = row.path.substr(row.path.rfind('/') + 1);
    EXPECT_EQ(sink.questions,
              std::vector<std::string>{name + " has changed since it was opened. Save your text over it?"});
    EXPECT_EQ(ReadWholeFile(row.path).value(), row.yes ? FileTextFromViewText(Content(w)->toPlainText()) : written)
        << name << (row.yes ? ": Yes writes the text" : ": No keeps the file");
    EXPECT_TRUE(Content(w)->toPlainText().endsWith("1\n")) << name << ": the text stays on view";
    sink.questions.clear();
    Click(w, "btnSave");
    EXPECT_EQ(sink.questions.size(), row.yes ? 0u : 1u) << name << ": once written, the file is the editor's";
    Click(w, "btnQuit");
  }
}

// No is the question's default button: Enter and Escape keep the file.
TEST_F(EditorWindowTest, EnterAndEscapeAtTheQuestionAnswerNo) {
  for (const int key : {Qt::Key_Return, Qt::Key_Escape}) {
    QTimer::singleShot(0, [key] {
      QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
      if (QWidget* box = QApplication::activeModalWidget())
        QCoreApplication::sendEvent(box->focusWidget() ? box->focusWidget() : box, &press);
    });
    testing::LoopWatchdog watchdog("the question");
    EXPECT_FALSE(AskYesNoBox(ChangedSinceLoadedQuestion("NAMES.FIL"), "Warning!", nullptr)) << key;
  }
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

  // On a full disk, without the factory file, or with one the option reader
  // refuses: a warning naming the file and the reason, and the file and the
  // box as they were.
  WriteWholeFile(opt, "7\r\n");
  Content(w)->setPlainText("7\n");
  const std::string master = state.AppPath + "/OPTIONS.MAS";
  const std::pair<std::function<void()>, std::string> faults[] = {
      {[] {}, "Cannot write the file " + opt + ": File too large"},
      {[&] { fs::remove(master); }, "Cannot read the file " + master + ": No such file or directory"},
      {[&] { WriteWholeFile(master, "8\r\n1e30\r\n"); },
       "OPTIONS.MAS, line 2: the value \"1e30\" is out of range (it must lie between -2147483647 and 2147483647)"},
  };
  for (const auto& [spoil, reason] : faults) {
    spoil();
    sink.shown.clear();
    {
      testing::ScopedFileSizeLimit fullDisk(4096);  // the factory file is 9751 bytes
      Click(w, "cmdRestoreDefault");
    }
    EXPECT_EQ(sink.Boxes(), std::vector<std::string>{"Warning!: " + reason + ". Nothing was restored."});
    EXPECT_EQ(sink.shown.at(0).icon, MessageIcon::Information);
    EXPECT_EQ(ReadWholeFile(opt).value(), "7\r\n");
    EXPECT_EQ(Content(w)->toPlainText().toStdString(), "7\n");
  }
}

// The option and orb editors save only what the program's reader of the
// file takes back, and every editor only Latin-1 (the no-break space and
// its last character included): a refused text names its line, which is
// selected, and the file and the values in use stay as they were.
TEST_F(EditorWindowTest, OptionAndOrbEditorsSaveNothingTheirReaderRefuses) {
  const struct {
    EditorKind kind;
    const char *file, *typed, *refusal;
  } cases[] = {
      {EditorKind::Options, "OPTIONS.OPT", "8\n9e30   home\n",
       "OPTIONS.OPT, line 2: the value \"9e30\" is out of range (it must lie between -2147483647 and 2147483647)"},
      {EditorKind::Options, "OPTIONS.OPT", "8\n\n9e30\n", ""},  // after the empty line that ends the list
      {EditorKind::OrbsEdit, "NATAL.ORB", "8\n6\n200    square\n",
       "NATAL.ORB, line 3: the value \"200\" is out of range (it must lie between 0 and 180)"},
      // the listing reads 10 orbs, whatever the file's letter case; a wheel 17
      {EditorKind::OrbsEdit, "diurnal.orb", "1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n500\n", ""},
      {EditorKind::OrbsEdit, "NAT2TRAN.ORB", "1\n1\n1\n1\n1\n1\n1\n1\n1\n1\n500\n",
       "NAT2TRAN.ORB, line 11: the value \"500\" is out of range (it must lie between 0 and 180)"},
      {EditorKind::Options, "OPTIONS.OPT", "8\n\nZo\u00EB\u00A0\u00FF\n", ""},
      {EditorKind::Options, "OPTIONS.OPT", "8\n\u0100\n",
       "OPTIONS.OPT, line 2: the character \u0100 (U+0100) cannot be kept, as the file holds Latin-1 characters only"},
      {EditorKind::OrbsEdit, "NATAL.ORB", "8\n\U0001F600\n",
       "NATAL.ORB, line 2: the character \U0001F600 (U+1F600) cannot be kept, as the file holds Latin-1 characters only"},
  };
  for (const auto& c : cases) {
    sink.shown.clear();
    const std::string path = state.options.OrbFileName = state.AppPath + "/" + c.file;
    WriteWholeFile(path, "7\r\n");
    state.options.OptionValues[1] = 42;
    TextEditorWindow* w = ShowTextEditor(state, c.kind);
    Content(w)->setPlainText(c.typed);
    Click(w, "btnSave");
    const std::string refusal = c.refusal;
    EXPECT_EQ(sink.Boxes(), refusal.empty() ? std::vector<std::string>{}
                                            : std::vector<std::string>{"Warning!: " + refusal +
                                                                       ". The file is not saved; your text is still here."});
    EXPECT_EQ(ReadWholeFile(path).value(), refusal.empty() ? FileTextFromViewText(c.typed) : "7\r\n") << c.typed;
    EXPECT_FLOAT_EQ(state.options.OptionValues[1], c.kind == EditorKind::Options && refusal.empty() ? 8 : 42);
    const QString faulty =
        refusal.empty() ? "" : QString(c.typed).split('\n')[std::stoi(refusal.substr(refusal.find("line ") + 5)) - 1];
    EXPECT_EQ(Content(w)->textCursor().selectedText(), faulty) << "the faulty line is selected";
    Click(w, "btnQuit");
  }
}

// Qt's text document takes room for every line, whatever its length: an
// editor opens only where that room is free, and copies a selection, as
// plain text, only with the room for it; else the command runs out of memory.
TEST_F(EditorWindowTest, AnEditorAsksForTheRoomOfItsLinesAndOfACopy) {
  if (!testing::LibcFaults()) GTEST_SKIP() << "the sanitized build maps room of its own";
  for (const auto& [lines, opens] : {std::pair{0, true}, {70000, true}, {84000, false}}) {  // in 64 MB
    WriteWholeFile(state.options.OrbFileName, std::string(lines, '\n'));
    std::optional<testing::FailingAllocations> noRoom(std::in_place, testing::AllocationFaults{.bytes = 64 << 20});
    if (!opens) {
      EXPECT_THROW(ShowTextEditor(state, EditorKind::OrbsEdit), std::bad_alloc) << lines;
      continue;
    }
    TextEditorWindow* w = ShowTextEditor(state, EditorKind::OrbsEdit);
    noRoom.reset();
    EXPECT_EQ(Content(w)->blockCount(), lines + 1);
    Content(w)->selectAll();
    for (const auto& [room, copies] : {std::pair{512u << 10, lines == 0}, {640u << 10, true}}) {  // 560 kB
      const testing::FailingAllocations noCopyRoom({.bytes = room});
      if (!copies) {
        EXPECT_THROW(Content(w)->copy(), std::bad_alloc);
        continue;
      }
      Content(w)->copy();
      EXPECT_EQ(QGuiApplication::clipboard()->text(), QString(lines, '\n'));
    }
    Click(w, "btnQuit");
  }
}

TEST_F(EditorWindowTest, MissingFileOpensEmptyAndFailedSaveKeepsText) {
  const std::string path = state.ini.CityFileName = state.AppPath + "/gone/CITIES.LL";
  TextEditorWindow* w = ShowTextEditor(state, EditorKind::LongLat);
  EXPECT_TRUE(Content(w)->toPlainText().isEmpty());
  Content(w)->setPlainText("Boston 71.04 42.21");
  Click(w, "btnSave");  // the folder does not exist
  EXPECT_EQ(sink.Boxes(), (std::vector<std::string>{
                              "Warning!: Cannot read the file " + path + ". The editor starts empty.",
                              "Warning!: Cannot write the file " + path +
                                  ": No such file or directory. Your text is still here."}));
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(Content(w)->toPlainText().toStdString(), "Boston 71.04 42.21");
}

}  // namespace
}  // namespace halcyra
