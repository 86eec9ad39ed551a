// Undo and redo of the print window's editable text: sequences of edits as
// the view makes them, and the text and selection after each undo and redo.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <tuple>

#include "shell/edit_history.h"
#include "shell/editable_text.h"

namespace halcyra {

void PrintTo(const TextPos& pos, std::ostream* out);

namespace {

using Selection = std::pair<TextPos, TextPos>;

// One step of a sequence: an edit, a typed character, Undo, Redo, or a
// cursor move; the text after it, and for Undo and Redo the selection
// they leave (none when there was nothing to undo or redo).
enum class Op { Edit, Type, Undo, Redo, Move };
struct Act {
  Op op;
  TextPos a, b;
  std::string text;
  std::string after;
  std::optional<Selection> selection;
};

Act Edit(TextPos a, TextPos b, std::string text, std::string after) {
  return {Op::Edit, a, b, std::move(text), std::move(after), {}};
}
Act TypeOver(TextPos a, TextPos b, std::string c, std::string after) {
  return {Op::Type, a, b, std::move(c), std::move(after), {}};
}
Act Type(TextPos at, std::string c, std::string after) { return TypeOver(at, at, std::move(c), std::move(after)); }
Act Undo(std::string after, std::optional<Selection> selection) {
  return {Op::Undo, {}, {}, {}, std::move(after), selection};
}
Act Redo(std::string after, std::optional<Selection> selection) {
  return {Op::Redo, {}, {}, {}, std::move(after), selection};
}
Act Move(std::string after) { return {Op::Move, {}, {}, {}, std::move(after), {}}; }

Selection At(TextPos pos) { return {pos, pos}; }

TEST(EditableTextUndo, SequencesOfEditsUndoneAndRedone) {
  const struct { const char* why; std::string text; std::vector<Act> acts; } cases[] = {
      {"typed characters in a row are one step; nothing before the loaded text",
       "abc",
       {Type({0, 1}, "X", "aXbc"), Type({0, 2}, "Y", "aXYbc"), Type({0, 3}, "Z", "aXYZbc"),
        Undo("abc", At({0, 1})), Undo("abc", std::nullopt), Redo("aXYZbc", At({0, 4})),
        Redo("aXYZbc", std::nullopt), Undo("abc", At({0, 1}))}},
      {"Enter ends a typed run and is a step of its own",
       "",
       {Type({0, 0}, "a", "a"), Type({0, 1}, "b", "ab"), Edit({0, 2}, {0, 2}, "\n", "ab\n"),
        Type({1, 0}, "c", "ab\nc"), Undo("ab\n", At({1, 0})), Undo("ab", At({0, 2})), Undo("", At({0, 0}))}},
      {"a cursor move, or typing elsewhere, starts a new step",
       "0123456789",
       {Type({0, 2}, "a", "01a23456789"), Move("01a23456789"), Type({0, 3}, "b", "01ab23456789"),
        Type({0, 8}, "c", "01ab2345c6789"), Undo("01ab23456789", At({0, 8})), Undo("01a23456789", At({0, 3})),
        Undo("0123456789", At({0, 2}))}},
      {"Backspace and Delete over line ends come back selected",
       "ab\r\ncd\r\n",
       {Edit({1, 0}, {0, 2}, "", "abcd\n"), Edit({0, 4}, {1, 0}, "", "abcd"), Undo("abcd\n", {{{0, 4}, {1, 0}}}),
        Undo("ab\ncd\n", {{{0, 2}, {1, 0}}}), Redo("abcd\n", At({0, 2})), Redo("abcd", At({0, 4}))}},
      {"typing over a selection: the selection comes back in one undo",
       "one\ntwo\nthree",
       {TypeOver({0, 1}, {2, 2}, "X", "oXree"), Type({0, 2}, "Y", "oXYree"),
        Undo("one\ntwo\nthree", {{{0, 1}, {2, 2}}}), Redo("oXYree", At({0, 3}))}},
      {"a typed character over a selection starts a new step",
       "abcdef",
       {Type({0, 6}, "g", "abcdefg"), TypeOver({0, 3}, {0, 0}, "Z", "Zdefg"), Type({0, 1}, "z", "Zzdefg"),
        Undo("abcdefg", {{{0, 0}, {0, 3}}}), Undo("abcdef", At({0, 6}))}},
      {"pasted line ends of every kind come back as they were pasted",
       "ab",
       {Edit({0, 1}, {0, 1}, "1\r\n2\r3\n", "a1\n2\n3\nb"), Undo("ab", At({0, 1})),
        Redo("a1\n2\n3\nb", At({3, 0})), Undo("ab", At({0, 1}))}},
      {"a cut and its paste elsewhere",
       "alpha beta\ngamma",
       {Edit({0, 5}, {0, 10}, "", "alpha\ngamma"), Edit({1, 5}, {1, 5}, " beta", "alpha\ngamma beta"),
        Undo("alpha\ngamma", At({1, 5})), Undo("alpha beta\ngamma", {{{0, 5}, {0, 10}}}),
        Redo("alpha\ngamma", At({0, 5})), Redo("alpha\ngamma beta", At({1, 10}))}},
      {"a new edit after an undo drops the steps that could be redone",
       "abc",
       {Edit({0, 0}, {0, 1}, "", "bc"), Edit({0, 0}, {0, 1}, "", "c"), Undo("bc", {{{0, 0}, {0, 1}}}),
        Type({0, 2}, "d", "bcd"), Redo("bcd", std::nullopt), Undo("bc", At({0, 2})), Undo("abc", {{{0, 0}, {0, 1}}}),
        Undo("abc", std::nullopt)}},
      {"typing right after an undo does not join the step before it",
       "",
       {Type({0, 0}, "a", "a"), Edit({0, 1}, {0, 1}, "\n", "a\n"), Undo("a", At({0, 1})), Type({0, 1}, "b", "ab"),
        Undo("a", At({0, 1})), Undo("", At({0, 0}))}},
      {"Backspace at the start and Delete at the end change nothing and are no step",
       "x",
       {Edit({0, 0}, {0, 0}, "", "x"), Edit({0, 1}, {0, 1}, "", "x"), Undo("x", std::nullopt)}},
  };
  for (const auto& c : cases) {
    EditableText text(c.text);
    for (size_t k = 0; k < c.acts.size(); ++k) {
      const Act& act = c.acts[k];
      std::optional<Selection> selection;
      switch (act.op) {
        case Op::Edit: text.Replace(act.a, act.b, act.text); break;
        case Op::Type: text.Replace(act.a, act.b, act.text, true); break;
        case Op::Move: text.CloseTyping(); break;
        case Op::Undo: selection = text.Undo(); break;
        case Op::Redo: selection = text.Redo(); break;
      }
      const std::string where = std::string(c.why) + ", step " + std::to_string(k + 1);
      EXPECT_EQ(AllText(text), act.after) << where;
      if (act.op == Op::Undo || act.op == Op::Redo) {
        EXPECT_EQ(selection, act.selection) << where;
      }
    }
  }
}

// Random edits anywhere in a text are undone one by one back to the loaded
// text and redone to the last, each step giving the text it had before.
TEST(EditableTextUndo, EveryStepBackAndForth) {
  std::mt19937 random(20240611);
  const char* pieces[] = {"", "x", "yz", "\n", "p\r\nq", "long piece\nof two rows\n", "\r"};
  EditableText text("first row\r\nsecond row\r\n\r\nfourth\r\n");
  std::vector<std::string> texts{AllText(text)};
  for (int edit = 0; edit < 300; ++edit) {
    auto place = [&] {
      const size_t row = random() % text.RowCount();
      return TextPos{row, random() % (text.Row(row).size() + 1)};
    };
    const TextPos a = place(), b = random() % 3 ? a : place();
    const std::string_view piece = pieces[random() % std::size(pieces)];
    text.Replace(a, b, piece);
    // an edit that changes the text back to itself is still a step; one that does nothing is none
    if (a != b || !piece.empty()) texts.push_back(AllText(text));
  }
  ASSERT_GT(texts.size(), 250u);
  for (size_t k = texts.size() - 1; k > 0; --k) {
    ASSERT_TRUE(text.Undo()) << k;
    ASSERT_EQ(AllText(text), texts[k - 1]) << "undo back to step " << k - 1;
  }
  EXPECT_FALSE(text.CanUndo());
  for (size_t k = 1; k < texts.size(); ++k) {
    ASSERT_TRUE(text.Redo()) << k;
    ASSERT_EQ(AllText(text), texts[k]) << "redo to step " << k;
  }
  EXPECT_FALSE(text.CanRedo());
  EXPECT_TRUE(text.CanUndo());
}

// A step keeps the text it replaced and the text it put there, nothing
// more: a typed run is its characters, and a line end a step of its own.
TEST(EditHistory, StepsHoldOnlyTheirOwnText) {
  EditHistory history;
  history.Record({{7, 2}, "", "a"}, true);
  history.Record({{7, 3}, "", "b"}, true);
  history.Record({{7, 4}, "", "\n"}, true);
  const EditStep* newest = history.Undo();
  ASSERT_NE(newest, nullptr);
  EXPECT_EQ(newest->inserted, "\n") << "a line end is not joined to the typed run";
  const EditStep* typed = history.Undo();
  ASSERT_NE(typed, nullptr);
  EXPECT_EQ(std::tuple(typed->at, typed->removed, typed->inserted),
            std::tuple(TextPos{7, 2}, std::string(), std::string("ab")));
  EXPECT_EQ(history.Undo(), nullptr);
}

}  // namespace
}  // namespace halcyra
