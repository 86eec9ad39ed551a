// The names, city and time-zone files: their lines both ways, bad lines skipped
// with one message, a names entry saved losing nothing, and the files we ship.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

#include "chart_input/city_file.h"
#include "chart_input/input_checks.h"
#include "chart_input/input_parse.h"
#include "chart_input/names_file.h"
#include "chart_input/time_zones.h"
#include "platform/program_files.h"
#include "platform/text_files.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

// The cases of tests/data/chart_input/entry_lines.txt.
TEST(EntryLines, ReadAndWrittenAsTheTableSays) {
  const auto cases = testing::ReadCaseTable("chart_input/entry_lines.txt");
  EXPECT_EQ(cases.size(), 44u);
  auto shown = [](const auto& entry, auto text) { return entry ? text(*entry) : std::string("(refused)"); };
  for (const auto& c : cases) {
    const std::string &kind = c.at(0), &line = c.at(1);
    if (kind == "name") EXPECT_EQ(shown(ParseNameLine(line), FormatNameLine), line);
    else if (kind == "city") EXPECT_EQ(shown(ParseCityLine(line), FormatCityLine), line);
    else if (kind == "zone") EXPECT_EQ(shown(ParseZoneLine(line), ZoneListText), c.at(2)) << line;
    else if (kind == "bad name") EXPECT_FALSE(ParseNameLine(line)) << line << ": " << c.at(2);
    else if (kind == "bad city") EXPECT_FALSE(ParseCityLine(line)) << line << ": " << c.at(2);
    else if (kind == "bad zone") EXPECT_FALSE(ParseZoneLine(line)) << line << ": " << c.at(2);
    else ADD_FAILURE() << "unknown kind " << kind;
  }
  // Markers in lower case; the name keeps its commas.
  EXPECT_EQ(FormatNameLine(*ParseNameLine("Ada, Countess of Lovelace,12,10,1815,1,0,pm,0,0,7,W,51,30,n")),
            "Ada, Countess of Lovelace,12,10,1815,1,0,PM,0,0,7,W,51,30,N");
  EXPECT_FALSE(ParseNameLine("Now,,,,,,,,,,,,,")->HasMoment || ParseNameLine("Now,,,,,,,,,,,,,")->HasPlace);
}

// Boxes the natal window accepts, written as the windows write them, read
// into a moment and a place, saved to a names line and read back, give the
// same moment and place and the same boxes: every zone the zone box takes
// (hundredths, minutes of 60 and more included), every whole degree and
// minute of both coordinates in all four hemispheres with every clock time,
// and every day of years about the calendar's edges.
TEST(NamesFile, BoxesToValuesToNamesLineToValuesToBoxes) {
  const InputBoxTexts base{"5", "14", "1990", "3", "7", "5", "84", "23", "33", "45", true, false, false};
  std::vector<InputBoxTexts> typed;
  for (int hundredths = -1400; hundredths <= 1300; ++hundredths) {
    InputBoxTexts& b = typed.emplace_back(base);
    b.TZ = DotMinutes{hundredths < 0, std::abs(hundredths) / 100, std::abs(hundredths) % 100}.Text();
    b.East = hundredths % 2 != 0;
  }
  for (int degrees = 0; degrees <= 180; ++degrees)
    for (int minutes = 0; minutes <= (degrees == 180 ? 0 : 59); ++minutes) {
      InputBoxTexts& b = typed.emplace_back(base);
      b.LongDeg = std::to_string(degrees), b.LongMin = std::to_string(minutes);
      b.LatDeg = std::to_string(degrees / 2), b.LatMin = std::to_string(degrees / 2 == 90 ? 0 : 59 - minutes);
      b.East = degrees % 3 != 0, b.South = degrees % 2 != 0;
      b.Hour = std::to_string(degrees % 12 + 1), b.Minute = std::to_string(minutes), b.PM = degrees / 12 % 2 != 0;
    }
  for (int year : {100, 1500, 1582, 1900, 2000, 2023, 2099})
    for (int month = 1; month <= 12; ++month)
      for (int day = 1; day <= 31; ++day) {
        InputBoxTexts& b = typed.emplace_back(base);
        b.Year = std::to_string(year), b.Month = std::to_string(month), b.Day = std::to_string(day);
      }
  int checked = 0;
  for (const InputBoxTexts& boxes : typed) {
    const WindowReading read = ReadWindowBoxes(boxes, FirstNatalYear);
    if (!read.Accepted()) {  // a day the month does not have, or a zone beyond the box's hours
      EXPECT_TRUE(read.Fault == EntryBox::Day || read.Fault == EntryBox::Zone)
          << boxes.Month << "/" << boxes.Day << " zone " << boxes.TZ << ": box " << static_cast<int>(*read.Fault);
      continue;
    }
    const std::string what = boxes.Month + "/" + boxes.Day + "/" + boxes.Year + " zone " + boxes.TZ + " long " +
                             boxes.LongDeg + "." + boxes.LongMin + " lat " + boxes.LatDeg + "." + boxes.LatMin +
                             " time " + boxes.Hour + "." + boxes.Minute;
    const auto entry = ParseNameLine(FormatNameLine(NameEntryOf("Chart", read.When, read.Where)));
    ASSERT_TRUE(entry && entry->HasMoment && entry->HasPlace) << what;
    EXPECT_EQ(entry->When, read.When) << what;
    EXPECT_EQ(entry->Where, read.Where) << what;
    EXPECT_EQ(BoxTextsOf(entry->When, entry->Where), boxes) << what;
    ++checked;
  }
  EXPECT_GT(checked, 15000);
}

// Each loader skips a line it cannot read and names the skipped lines in one
// message; a missing file gives an empty list.
TEST(EntryFiles, LoadSkipsBadLinesWithOneMessage) {
  const std::string dir = testing::ScratchDir("entry-files");
  const std::string names = dir + "/TEST.FIL", cities = dir + "/SMALL.LL", zones = dir + "/TZ.DAT";
  ASSERT_TRUE(WriteTextLines(names, {"; a comment", "Now,,,,,,,,,,,,,", "", "broken line",
                                     "Chart B,1,2,2003,4,5,AM,0,0,0,W,51,29,N", "Chart C,13,2,2003,4,5,AM,0,0,0,W,51,29,N"}));
  ASSERT_TRUE(WriteTextLines(cities, {"; comment", "Atlanta, GA,84,23,W,33,45,N,5", "garbage", "Boston, MA,71,4,W,42,22,N,5"}));
  ASSERT_TRUE(WriteTextLines(zones, {"5,New York", "5.999,Nowhere"}));
  const LoadedNames loadedNames = LoadNamesFile(names);
  EXPECT_EQ(loadedNames.Entries.size(), 2u);
  EXPECT_EQ(loadedNames.Problems.Message("names"),
            "Lines 4 and 6 of " + names + " are not valid names entries and were skipped.");
  const LoadedCities loadedCities = LoadCityFile(cities);
  EXPECT_EQ(loadedCities.Entries.size(), 2u);
  EXPECT_EQ(loadedCities.Problems.Message("city"), "Line 3 of " + cities + " is not a valid city entry and was skipped.");
  EXPECT_EQ(LoadTimeZones(zones).Problems.BadLines, std::vector<int>{2});

  EXPECT_EQ(LoadNamesFile(dir + "/NONE.FIL").Problems.Message("names"),
            "The file " + dir + "/NONE.FIL cannot be read, so the list is empty.");
}

TEST(NamesFile, SavingKeepsEveryExistingLine) {
  const std::string dir = testing::ScratchDir("names-save");
  const std::string path = dir + "/NAMES.FIL";
  ASSERT_TRUE(WriteTextLines(path, {"; header", "Now,,,,,,,,,,,,,", "a line the list skipped",
                                    "Chart B,1,2,2003,4,5,AM,0,0,0,W,51,29,N"}));
  const NameEntry added = *ParseNameLine("Added,6,7,2008,9,10,PM,5,84,23,W,33,45,N");
  ASSERT_EQ(AppendNameEntry(path, added), NameSaveResult::Saved);
  EXPECT_EQ(*ReadWholeFile(path), "; header\r\nNow,,,,,,,,,,,,,\r\na line the list skipped\r\n"
                                  "Chart B,1,2,2003,4,5,AM,0,0,0,W,51,29,N\r\n"
                                  "Added,6,7,2008,9,10,PM,5,84,23,W,33,45,N\r\n");
  for (const char* refused : {"   ", ";comment", "two\nlines"}) EXPECT_NE(NameRefusal(refused), "") << refused;
  // A new file is created with the one entry; a folder that cannot be
  // written, or a file that cannot be read, is left as it was.
  ASSERT_EQ(AppendNameEntry(dir + "/NEW.FIL", added), NameSaveResult::Saved);
  EXPECT_EQ(*ReadTextLines(dir + "/NEW.FIL"), std::vector<std::string>{FormatNameLine(added)});
  std::string reason;
  EXPECT_EQ(AppendNameEntry(dir + "/no-such-folder/NAMES.FIL", added, &reason), NameSaveResult::WriteFailed);
  EXPECT_EQ(reason, "No such file or directory");
  // Only a plain file is written over: a pipe of that name stays.
  ASSERT_EQ(mkfifo((dir + "/PIPE.FIL").c_str(), 0600), 0);
  EXPECT_EQ(AppendNameEntry(dir + "/PIPE.FIL", added, &reason), NameSaveResult::FileUnreadable);
  EXPECT_EQ(reason, "not a file but a named pipe");
  EXPECT_TRUE(std::filesystem::is_fifo(dir + "/PIPE.FIL"));
  if (::geteuid() != 0) {  // file permissions do not bind the superuser
    namespace fs = std::filesystem;
    fs::permissions(path, fs::perms::none);
    EXPECT_EQ(AppendNameEntry(path, added), NameSaveResult::FileUnreadable);
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(ReadTextLines(path)->size(), 5u);
  }
}

TEST(EntryFiles, ShippedFiles) {
  const LoadedNames names = LoadNamesFile(ProgramFile(testing::SourceAppData(), "NAMES.FIL"));
  EXPECT_FALSE(names.Problems.Any()) << names.Problems.Message("names");
  EXPECT_GE(names.Entries.size(), 4u);

  const LoadedCities cities = LoadCityFile(ProgramFile(testing::SourceAppData(), "GA_MA.LL"));
  EXPECT_FALSE(cities.Problems.Any()) << cities.Problems.Message("city");
  EXPECT_GT(cities.Entries.size(), 440u);
  std::set<std::string> lines;
  for (const CityEntry& city : cities.Entries) lines.insert(FormatCityLine(city));
  // zone.tab coordinates and tz standard offsets (west positive)
  for (const char* line : {"Atlanta, GA,84,23,W,33,45,N,5", "Kolkata, India,88,22,E,22,32,N,-5.30",
                           "St Johns, Canada,52,43,W,47,34,N,3.30", "Casablanca, Morocco,7,35,W,33,39,N,-1",
                           "Kathmandu, Nepal,85,19,E,27,43,N,-5.45"})
    EXPECT_TRUE(lines.count(line)) << line;

  // Standard offsets of the tz database, the unusual ones among them.
  const LoadedZones zones = LoadTimeZones(ProgramFile(testing::SourceAppData(), "TZ.DAT"));
  EXPECT_FALSE(zones.Problems.Any()) << zones.Problems.Message("time-zone");
  std::set<std::string> offsets;
  for (const ZoneEntry& z : zones.Entries) offsets.insert(z.Zone.Text());
  for (const char* zone : {"12", "11", "10", "9.30", "5", "3.30", "0", "-1", "-5.30", "-5.45", "-8.45", "-12.45", "-14"})
    EXPECT_TRUE(offsets.count(zone)) << zone;
}

}  // namespace
}  // namespace halcyra
