// The atlas exchange, run against small fake atlas programs written here.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "chart_input/atlas_exchange.h"
#include "platform/run_and_wait.h"
#include "platform/text_files.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

namespace fs = std::filesystem;

// An atlas folder whose ATLAS.EXE is a shell script writing PCATPATH.TXT and,
// when `answer` is not empty, TSRTEMP.TXT in the folder "answers". The
// folder's name holds a blank, quotes and shell signs, as a user's may: the
// program's own runner must start the atlas all the same.
std::string FakeAtlas(const std::string& name, const std::string& answer) {
  const std::string dir = testing::ScratchDir(name + " \"Zoë's\" $HOME `x`");
  fs::create_directories(dir + "/answers");
  std::string script = "#!/bin/sh\nd=$(dirname \"$0\")\nprintf '%s\\r\\n' \"$d/answers\" > \"$d/PCATPATH.TXT\"\n";
  if (!answer.empty()) script += "printf '" + answer + "' > \"$d/answers/TSRTEMP.TXT\"\n";
  EXPECT_TRUE(WriteWholeFile(dir + "/ATLAS.EXE", script));
  fs::permissions(dir + "/ATLAS.EXE", fs::perms::owner_all);
  return dir;
}

auto PlaceFields(const PlaceTexts& p) { return std::tuple(p.LongDeg, p.LongMin, p.East, p.LatDeg, p.LatMin, p.South, p.TZ); }

TEST(AtlasExchange, AnswerLines) {
  int bad = 0;
  auto a = ParseAtlasAnswer({"PLACE=Sydney, Australia", "latitude = 33s52", "LONGITUDE=151E13", "ZONE=-10"}, bad);
  ASSERT_TRUE(a && a->HasZone);
  EXPECT_EQ(PlaceFields(a->Place), std::tuple("151", "13", true, "33", "52", true, "-10"));
  // lines, number of the bad line (0: a coordinate is missing)
  const std::pair<std::vector<std::string>, int> cases[] = {
      {{"LATITUDE=33N45"}, 0},
      {{"LATITUDE=33N45", "LONGITUDE 84W23"}, 2},
      {{"LATITUDE=91N00", "LONGITUDE=84W23"}, 1},
      {{"LATITUDE=33N45", "LONGITUDE=84N23"}, 2},
      {{"LATITUDE=33N45", "LONGITUDE=84W23", "ZONE=15"}, 3}};
  for (const auto& [lines, badLine] : cases) {
    EXPECT_FALSE(ParseAtlasAnswer(lines, bad)) << lines.back();
    EXPECT_EQ(bad, badLine) << lines.back();
  }
}

// An atlas that answers is tried in the input window's test; here the ways
// it can fail.
TEST(AtlasExchange, FakeAtlasFailuresGiveAMessage) {
  const std::string empty = testing::ScratchDir("atlas-empty");
  EXPECT_EQ(RunAtlasExchange(empty, RunAndWait).Message, "ATLAS.EXE was not found in the atlas folder " + empty + ".");
  EXPECT_FALSE(RunAtlasExchange(empty, RunAndWait).FolderHoldsAtlas) << "a folder not worth keeping";
  // The atlas cannot be started, or leaves a pointer file but no answer.
  const std::string silent = FakeAtlas("atlas-silent", "");
  EXPECT_NE(RunAtlasExchange(silent, [](const std::string&) { return false; }).Message.find("could not be started"),
            std::string::npos);
  AtlasResult result = RunAtlasExchange(silent, RunAndWait);
  EXPECT_FALSE(result.Answer);
  EXPECT_TRUE(result.FolderHoldsAtlas) << "the folder is right, the run failed";
  EXPECT_EQ(result.Message, "The atlas program left no answer: " + silent + "/answers/TSRTEMP.TXT cannot be read.");
  // An answer from an earlier search is not taken for this one.
  ASSERT_TRUE(WriteTextLines(silent + "/answers/TSRTEMP.TXT", {"LATITUDE=33N45", "LONGITUDE=84W23"}));
  fs::last_write_time(silent + "/answers/TSRTEMP.TXT", fs::file_time_type::clock::now() - std::chrono::hours(1));
  result = RunAtlasExchange(silent, RunAndWait);
  EXPECT_FALSE(result.Answer);
  EXPECT_NE(result.Message.find("from an earlier search"), std::string::npos) << result.Message;

  const std::string garbled = FakeAtlas("atlas-garbled", "LATITUDE=33N45\\r\\nsomething odd\\r\\n");
  result = RunAtlasExchange(garbled, RunAndWait);
  EXPECT_FALSE(result.Answer);
  EXPECT_EQ(result.Message, "Line 2 of " + garbled + "/answers/TSRTEMP.TXT is not a valid atlas answer.");
}

}  // namespace
}  // namespace halcyra
