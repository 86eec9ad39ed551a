// The names, city and time-zone files: their lines both ways, bad lines
// skipped with one message, a new names entry saved without losing anything
// already in the file, and the files we ship.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <unistd.h>

#include "chart_input/city_file.h"
#include "chart_input/names_file.h"
#include "chart_input/time_zones.h"
#include "platform/program_files.h"
#include "platform/text_files.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

TEST(NamesFile, LinesBothWays) {
  const char* lines[] = {
      "Now,,,,,,,,,,,,,",
      "Ada, Countess of Lovelace,12,10,1815,1,0,PM,0,0,7,W,51,30,N",
      "Apollo 11 launch, Kennedy Space Center,7,16,1969,9,32,AM,4,80,36,W,28,36,N",
      "Sputnik 1 launch,10,4,1957,7,28,PM,0,63,21,E,45,55,N",
      "Kathmandu noon,1,1,2000,12,0,PM,-5.45,85,19,E,27,43,N",
      "Place only,,,,,,,3.30,52,43,W,47,34,N",
  };
  for (const char* line : lines) {
    const auto entry = ParseNameLine(line);
    ASSERT_TRUE(entry) << line;
    EXPECT_EQ(FormatNameLine(*entry), line);
  }
  const auto ada = ParseNameLine("Ada, Countess of Lovelace,12,10,1815,1,0,pm,0,0,7,W,51,30,n");
  ASSERT_TRUE(ada && ada->HasMoment && ada->HasPlace);
  EXPECT_EQ(ada->Name, "Ada, Countess of Lovelace");  // the name keeps its commas
  const MomentTexts& m = ada->Moment;
  const PlaceTexts& p = ada->Place;
  EXPECT_EQ(std::tuple(m.Month, m.Day, m.Year, m.Hour, m.Minute, m.PM), std::tuple("12", "10", "1815", "1", "0", true));
  EXPECT_EQ(std::tuple(p.TZ, p.LongDeg, p.LongMin, p.East, p.LatDeg, p.LatMin, p.South),
            std::tuple("0", "0", "7", false, "51", "30", false));
  const auto now = ParseNameLine("Now,,,,,,,,,,,,,");
  EXPECT_FALSE(now->HasMoment || now->HasPlace);

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

TEST(NamesFile, EntryFromTheNatalBoxes) {
  // month, day, year, hour, minute, zone, longitude, latitude, P.M., east
  const InputBoxTexts b{"05", "014", "1990", "3", "07", "-5.3", "77", "13", "28", "37", true, true};
  EXPECT_EQ(FormatNameLine(NameEntryFromBoxes("  New chart ", b)), "New chart,5,14,1990,3,7,PM,-5.30,77,13,E,28,37,N");
  EXPECT_EQ(NameRefusal("Jane"), "");
  for (const char* refused : {"   ", ";comment", "two\nlines"}) EXPECT_NE(NameRefusal(refused), "") << refused;
}

TEST(PlaceFiles, CityAndZoneLines) {
  for (const char* line : {"Atlanta, GA,84,23,W,33,45,N,5", "Kolkata, India,88,22,E,22,32,N,-5.30",
                           "Sydney, Australia,151,13,E,33,52,S,-10", "London, Britain (UK),0,8,W,51,31,N,0"}) {
    const auto city = ParseCityLine(line);
    ASSERT_TRUE(city) << line;
    EXPECT_EQ(FormatCityLine(*city), line);
  }
  const auto sydney = ParseCityLine("Sydney, Australia,151,13,E,33,52,S,-10");
  EXPECT_EQ(std::tuple(sydney->Name, sydney->Place.East, sydney->Place.South, sydney->Place.TZ),
            std::tuple("Sydney, Australia", true, true, "-10"));
  for (const char* bad : {"Atlanta,84,23,W,33,45,N", "Atlanta,184,23,W,33,45,N,5", "Atlanta,84,23,X,33,45,N,5",
                          "Atlanta,84,23,W,33,45,N,five", "Atlanta,84,60,W,33,45,N,5"})
    EXPECT_FALSE(ParseCityLine(bad)) << bad;

  // zone line, list row
  const std::pair<const char*, const char*> rows[] = {{"5,New York", "UTC-05:00  5       New York"},
                                                      {"-5.30,Kolkata, Colombo", "UTC+05:30  -5.30   Kolkata, Colombo"},
                                                      {"0,London", "UTC+00:00  0       London"},
                                                      {"3.30,St Johns", "UTC-03:30  3.30    St Johns"},
                                                      {"-12.45,Chatham", "UTC+12:45  -12.45  Chatham"}};
  for (const auto& [line, row] : rows) {
    const auto zone = ParseZoneLine(line);
    ASSERT_TRUE(zone) << line;
    EXPECT_EQ(ZoneListText(*zone), row);
  }
  for (const char* bad : {"5", "five,New York", "5,", "14,Nowhere", "-14.30,Nowhere", "5.60,Nowhere"})
    EXPECT_FALSE(ParseZoneLine(bad)) << bad;
}

// Each loader skips a line it cannot read and names the skipped lines in one
// message; a missing file gives an empty list.
TEST(EntryFiles, LoadSkipsBadLinesWithOneMessage) {
  const std::string dir = testing::ScratchDir("entry-files");
  const std::string names = dir + "/TEST.FIL", cities = dir + "/SMALL.LL", zones = dir + "/TZ.DAT";
  ASSERT_TRUE(WriteTextLines(names, {"; a comment", "Now,,,,,,,,,,,,,", "", "broken line",
                                     "Chart B,1,2,2003,4,5,AM,0,0,0,W,51,29,N", "Chart C,13,2,2003,4,5,AM,0,0,0,W,51,29,N"}));
  ASSERT_TRUE(WriteTextLines(cities, {"; comment", "Atlanta, GA,84,23,W,33,45,N,5", "garbage", "Boston, MA,71,4,W,42,22,N,5"}));
  ASSERT_TRUE(WriteTextLines(zones, {"5,New York", "5.75,Nowhere"}));
  const LoadedNames loadedNames = LoadNamesFile(names);
  ASSERT_EQ(loadedNames.Entries.size(), 2u);
  EXPECT_EQ(loadedNames.Entries[1].Name, "Chart B");
  EXPECT_EQ(loadedNames.Problems.Message("names"),
            "Lines 4 and 6 of " + names + " are not valid names entries and were skipped.");
  const LoadedCities loadedCities = LoadCityFile(cities);
  ASSERT_EQ(loadedCities.Entries.size(), 2u);
  EXPECT_EQ(loadedCities.Entries[1].Name, "Boston, MA");
  EXPECT_EQ(loadedCities.Problems.Message("city"), "Line 3 of " + cities + " is not a valid city entry and was skipped.");
  const LoadedZones loadedZones = LoadTimeZones(zones);
  EXPECT_EQ(loadedZones.Entries.size(), 1u);
  EXPECT_EQ(loadedZones.Problems.BadLines, std::vector<int>{2});

  const LoadedNames missing = LoadNamesFile(dir + "/NONE.FIL");
  EXPECT_TRUE(missing.Entries.empty());
  EXPECT_EQ(missing.Problems.Message("names"), "The file " + dir + "/NONE.FIL cannot be read, so the list is empty.");
  EXPECT_TRUE(LoadCityFile(dir + "/NONE.LL").Problems.Unreadable);
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
  // A new file is created with the one entry; a folder that cannot be
  // written, or a file that cannot be read, is left as it was.
  ASSERT_EQ(AppendNameEntry(dir + "/NEW.FIL", added), NameSaveResult::Saved);
  EXPECT_EQ(*ReadTextLines(dir + "/NEW.FIL"), std::vector<std::string>{FormatNameLine(added)});
  EXPECT_EQ(AppendNameEntry(dir + "/no-such-folder/NAMES.FIL", added), NameSaveResult::WriteFailed);
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
  ASSERT_GE(names.Entries.size(), 4u);
  EXPECT_EQ(names.Entries[0].Name, "Now");
  EXPECT_FALSE(names.Entries[0].HasMoment || names.Entries[0].HasPlace);
  for (size_t i = 1; i < names.Entries.size(); ++i)
    EXPECT_TRUE(names.Entries[i].HasMoment && names.Entries[i].HasPlace) << names.Entries[i].Name;

  const LoadedCities cities = LoadCityFile(ProgramFile(testing::SourceAppData(), "GA_MA.LL"));
  EXPECT_FALSE(cities.Problems.Any()) << cities.Problems.Message("city");
  EXPECT_GT(cities.Entries.size(), 440u);
  std::set<std::string> lines;
  for (const CityEntry& city : cities.Entries) lines.insert(FormatCityLine(city));
  // zone.tab coordinates and tz standard offsets (west positive)
  for (const char* line : {"Atlanta, GA,84,23,W,33,45,N,5", "Boston, MA,71,4,W,42,22,N,5",
                           "Savannah, GA,81,5,W,32,5,N,5", "New York, United States,74,0,W,40,43,N,5",
                           "Kolkata, India,88,22,E,22,32,N,-5.30", "St Johns, Canada,52,43,W,47,34,N,3.30",
                           "Dublin, Ireland,6,15,W,53,20,N,0", "Casablanca, Morocco,7,35,W,33,39,N,-1",
                           "Kathmandu, Nepal,85,19,E,27,43,N,-5.45"})
    EXPECT_TRUE(lines.count(line)) << line;

  // Every standard offset once, west to east.
  const LoadedZones zones = LoadTimeZones(ProgramFile(testing::SourceAppData(), "TZ.DAT"));
  EXPECT_FALSE(zones.Problems.Any()) << zones.Problems.Message("time-zone");
  std::set<std::string> offsets;
  double previous = 100;
  for (const ZoneEntry& z : zones.Entries) {
    EXPECT_TRUE(offsets.insert(z.Zone.Text()).second) << "twice: " << z.Zone.Text();
    EXPECT_LT(z.Zone.DotValue(), previous) << "out of order: " << z.Zone.Text();
    previous = z.Zone.DotValue();
  }
  for (const char* zone : {"12", "11", "10", "9.30", "5", "3.30", "0", "-1", "-5.30", "-5.45", "-8.45", "-12.45", "-14"})
    EXPECT_TRUE(offsets.count(zone)) << zone;
}

}  // namespace
}  // namespace halcyra
