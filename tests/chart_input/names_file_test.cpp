// The names file: reading entries, skipping bad lines, and saving a new
// entry without losing anything already in the file.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "chart_input/names_file.h"
#include "platform/program_files.h"
#include "platform/text_files.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

TEST(NamesFile, ReadsEntryLines) {
  auto e = ParseNameLine("Ada, Countess of Lovelace,12,10,1815,1,0,pm,0,0,7,W,51,30,n");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->Name, "Ada, Countess of Lovelace");  // the name keeps its commas
  ASSERT_TRUE(e->HasMoment && e->HasPlace);
  EXPECT_EQ(std::tuple(e->Moment.Month, e->Moment.Day, e->Moment.Year, e->Moment.Hour, e->Moment.Minute, e->Moment.PM),
            std::tuple("12", "10", "1815", "1", "0", true));
  EXPECT_EQ(std::tuple(e->Place.TZ, e->Place.LongDeg, e->Place.LongMin, e->Place.East, e->Place.LatDeg,
                       e->Place.LatMin, e->Place.South),
            std::tuple("0", "0", "7", false, "51", "30", false));

  auto now = ParseNameLine("Now,,,,,,,,,,,,,");
  ASSERT_TRUE(now);
  EXPECT_EQ(now->Name, "Now");
  EXPECT_FALSE(now->HasMoment);
  EXPECT_FALSE(now->HasPlace);

  auto east = ParseNameLine("Delhi chart,8,15,1947,12,0,AM,-5.30,77,13,E,28,37,N");
  ASSERT_TRUE(east);
  EXPECT_EQ(east->Place.TZ, "-5.30");
  EXPECT_TRUE(east->Place.East);
}

TEST(NamesFile, RefusesMalformedLines) {
  const char* bad[] = {
      "Short,1,2,3",                                      // too few fields
      ",5,14,1990,3,7,PM,4,84,23,W,33,45,N",              // no name
      "Month 13,13,14,1990,3,7,PM,4,84,23,W,33,45,N",     // month out of range
      "Minute,5,14,1990,3,7x,PM,4,84,23,W,33,45,N",       // not a number
      "Marker,5,14,1990,3,7,XM,4,84,23,W,33,45,N",        // neither AM nor PM
      "Side,5,14,1990,3,7,PM,4,84,23,Q,33,45,N",          // neither W nor E
      "Zone,5,14,1990,3,7,PM,4.75,84,23,W,33,45,N",       // zone minutes above 59
      "Half date,5,,1990,3,7,PM,4,84,23,W,33,45,N",       // some date fields empty
      "Half place,5,14,1990,3,7,PM,,84,23,W,33,45,N",     // some place fields empty
      "Lat,5,14,1990,3,7,PM,4,84,23,W,91,0,N",            // latitude beyond the pole
  };
  for (const char* line : bad) EXPECT_FALSE(ParseNameLine(line)) << line;
}

TEST(NamesFile, FormatRoundTrip) {
  const char* lines[] = {
      "Now,,,,,,,,,,,,,",
      "Apollo 11 launch, Kennedy Space Center,7,16,1969,9,32,AM,4,80,36,W,28,36,N",
      "Sputnik 1 launch,10,4,1957,7,28,PM,0,63,21,E,45,55,N",
      "Kathmandu noon,1,1,2000,12,0,PM,-5.45,85,19,E,27,43,N",
      "Place only,,,,,,,3.30,52,43,W,47,34,N",
  };
  for (const char* line : lines) {
    auto entry = ParseNameLine(line);
    ASSERT_TRUE(entry) << line;
    EXPECT_EQ(FormatNameLine(*entry), line);
  }
}

TEST(NamesFile, EntryFromTheNatalBoxes) {
  InputBoxTexts b;
  b.Month = "05", b.Day = "014", b.Year = "1990", b.Hour = "3", b.Minute = "07", b.PM = true;
  b.TZ = "-5.3", b.LongDeg = "77", b.LongMin = "13", b.East = true, b.LatDeg = "28", b.LatMin = "37";
  const NameEntry e = NameEntryFromBoxes("  New chart ", b);
  EXPECT_EQ(FormatNameLine(e), "New chart,5,14,1990,3,7,PM,-5.30,77,13,E,28,37,N");

  EXPECT_EQ(NameRefusal("Jane"), "");
  EXPECT_NE(NameRefusal("   "), "");
  EXPECT_NE(NameRefusal(";comment"), "");
  EXPECT_NE(NameRefusal("two\nlines"), "");
}

TEST(NamesFile, LoadSkipsBadLinesWithOneMessage) {
  const std::string dir = testing::ScratchDir("names-load");
  const std::string path = dir + "/TEST.FIL";
  ASSERT_TRUE(WriteTextLines(path, {"; a comment", "Now,,,,,,,,,,,,,", "", "broken line",
                                    "Chart B,1,2,2003,4,5,AM,0,0,0,W,51,29,N", "Chart C,13,2,2003,4,5,AM,0,0,0,W,51,29,N"}));
  const LoadedNames loaded = LoadNamesFile(path);
  ASSERT_EQ(loaded.Entries.size(), 2u);
  EXPECT_EQ(loaded.Entries[0].Name, "Now");
  EXPECT_EQ(loaded.Entries[1].Name, "Chart B");
  EXPECT_EQ(loaded.Problems.BadLines, (std::vector<int>{4, 6}));
  EXPECT_EQ(loaded.Problems.Message("names"),
            "Lines 4 and 6 of " + path + " are not valid names entries and were skipped.");

  ASSERT_TRUE(WriteTextLines(path, {"Now,,,,,,,,,,,,,", "oops"}));
  EXPECT_EQ(LoadNamesFile(path).Problems.Message("names"),
            "Line 2 of " + path + " is not a valid names entry and was skipped.");
}

TEST(NamesFile, MissingFileGivesAnEmptyListAndAMessage) {
  const std::string path = testing::ScratchDir("names-missing") + "/NONE.FIL";
  const LoadedNames loaded = LoadNamesFile(path);
  EXPECT_TRUE(loaded.Entries.empty());
  EXPECT_TRUE(loaded.Problems.Unreadable);
  EXPECT_EQ(loaded.Problems.Message("names"), "The file " + path + " cannot be read, so the list is empty.");
}

TEST(NamesFile, SavingKeepsEveryExistingLine) {
  const std::string dir = testing::ScratchDir("names-save");
  const std::string path = dir + "/NAMES.FIL";
  const std::vector<std::string> before = {"; header", "Now,,,,,,,,,,,,,", "a line the list skipped",
                                           "Chart B,1,2,2003,4,5,AM,0,0,0,W,51,29,N"};
  ASSERT_TRUE(WriteTextLines(path, before));
  NameEntry added = *ParseNameLine("Added,6,7,2008,9,10,PM,5,84,23,W,33,45,N");
  ASSERT_EQ(AppendNameEntry(path, added), NameSaveResult::Saved);
  std::vector<std::string> expected = before;
  expected.push_back("Added,6,7,2008,9,10,PM,5,84,23,W,33,45,N");
  EXPECT_EQ(*ReadTextLines(path), expected);
  EXPECT_EQ(*ReadWholeFile(path), "; header\r\nNow,,,,,,,,,,,,,\r\na line the list skipped\r\n"
                                  "Chart B,1,2,2003,4,5,AM,0,0,0,W,51,29,N\r\n"
                                  "Added,6,7,2008,9,10,PM,5,84,23,W,33,45,N\r\n");

  // A new file is created with the one entry.
  const std::string fresh = dir + "/NEW.FIL";
  ASSERT_EQ(AppendNameEntry(fresh, added), NameSaveResult::Saved);
  EXPECT_EQ(ReadTextLines(fresh)->size(), 1u);

  // A folder that cannot be written leaves the file as it was.
  const std::string missingFolder = dir + "/no-such-folder/NAMES.FIL";
  EXPECT_EQ(AppendNameEntry(missingFolder, added), NameSaveResult::WriteFailed);
}

TEST(NamesFile, UnreadableFileIsNotOverwritten) {
  if (::geteuid() == 0) GTEST_SKIP() << "file permissions do not bind the superuser";
  const std::string path = testing::ScratchDir("names-locked") + "/NAMES.FIL";
  ASSERT_TRUE(WriteTextLines(path, {"Chart B,1,2,2003,4,5,AM,0,0,0,W,51,29,N"}));
  std::filesystem::permissions(path, std::filesystem::perms::none);
  EXPECT_EQ(AppendNameEntry(path, *ParseNameLine("Now,,,,,,,,,,,,,")), NameSaveResult::FileUnreadable);
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
  EXPECT_EQ(ReadTextLines(path)->size(), 1u);
}

TEST(NamesFile, ShippedFileStartsWithNow) {
  const std::string path = ProgramFile(testing::SourceAppData(), "NAMES.FIL");
  const LoadedNames loaded = LoadNamesFile(path);
  EXPECT_FALSE(loaded.Problems.Any()) << loaded.Problems.Message("names");
  ASSERT_GE(loaded.Entries.size(), 4u);
  EXPECT_EQ(loaded.Entries[0].Name, "Now");
  EXPECT_FALSE(loaded.Entries[0].HasMoment);
  EXPECT_FALSE(loaded.Entries[0].HasPlace);
  for (size_t i = 1; i < loaded.Entries.size(); ++i)
    EXPECT_TRUE(loaded.Entries[i].HasMoment && loaded.Entries[i].HasPlace) << loaded.Entries[i].Name;
}

}  // namespace
}  // namespace halcyra
