// City files and the time-zone list: their lines, and the files we ship.
#include <gtest/gtest.h>

#include <set>

#include "chart_input/city_file.h"
#include "chart_input/time_zones.h"
#include "platform/program_files.h"
#include "platform/text_files.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

TEST(CityFile, ReadsAndWritesLines) {
  const char* lines[] = {"Atlanta, GA,84,23,W,33,45,N,5", "Kolkata, India,88,22,E,22,32,N,-5.30",
                         "Sydney, Australia,151,13,E,33,52,S,-10", "London, Britain (UK),0,8,W,51,31,N,0"};
  for (const char* line : lines) {
    auto city = ParseCityLine(line);
    ASSERT_TRUE(city) << line;
    EXPECT_EQ(FormatCityLine(*city), line);
  }
  auto sydney = ParseCityLine("Sydney, Australia,151,13,E,33,52,S,-10");
  EXPECT_EQ(sydney->Name, "Sydney, Australia");
  EXPECT_TRUE(sydney->Place.East);
  EXPECT_TRUE(sydney->Place.South);
  EXPECT_EQ(sydney->Place.TZ, "-10");

  for (const char* bad : {"Atlanta,84,23,W,33,45,N", "Atlanta,184,23,W,33,45,N,5", "Atlanta,84,23,X,33,45,N,5",
                          "Atlanta,84,23,W,33,45,N,five", "Atlanta,84,60,W,33,45,N,5"})
    EXPECT_FALSE(ParseCityLine(bad)) << bad;
}

TEST(CityFile, BadLinesAreSkipped) {
  const std::string path = testing::ScratchDir("cities") + "/SMALL.LL";
  ASSERT_TRUE(WriteTextLines(path, {"; comment", "Atlanta, GA,84,23,W,33,45,N,5", "garbage", "Boston, MA,71,4,W,42,22,N,5"}));
  const LoadedCities loaded = LoadCityFile(path);
  ASSERT_EQ(loaded.Entries.size(), 2u);
  EXPECT_EQ(loaded.Entries[1].Name, "Boston, MA");
  EXPECT_EQ(loaded.Problems.Message("city"), "Line 3 of " + path + " is not a valid city entry and was skipped.");
  EXPECT_TRUE(LoadCityFile(path + ".missing").Problems.Unreadable);
}

TEST(CityFile, ShippedFile) {
  const LoadedCities loaded = LoadCityFile(ProgramFile(testing::SourceAppData(), "GA_MA.LL"));
  EXPECT_FALSE(loaded.Problems.Any()) << loaded.Problems.Message("city");
  EXPECT_GT(loaded.Entries.size(), 440u);
  // name, expected line; zone.tab coordinates and tz standard offsets (west positive)
  const struct {
    const char* name;
    const char* line;
  } expected[] = {
      {"Atlanta, GA", "Atlanta, GA,84,23,W,33,45,N,5"},
      {"Boston, MA", "Boston, MA,71,4,W,42,22,N,5"},
      {"Savannah, GA", "Savannah, GA,81,5,W,32,5,N,5"},
      {"New York, United States", "New York, United States,74,0,W,40,43,N,5"},
      {"Kolkata, India", "Kolkata, India,88,22,E,22,32,N,-5.30"},
      {"St Johns, Canada", "St Johns, Canada,52,43,W,47,34,N,3.30"},
      {"Dublin, Ireland", "Dublin, Ireland,6,15,W,53,20,N,0"},
      {"Casablanca, Morocco", "Casablanca, Morocco,7,35,W,33,39,N,-1"},
      {"Kathmandu, Nepal", "Kathmandu, Nepal,85,19,E,27,43,N,-5.45"},
  };
  for (const auto& e : expected) {
    bool found = false;
    for (const CityEntry& city : loaded.Entries)
      if (city.Name == e.name) {
        found = true;
        EXPECT_EQ(FormatCityLine(city), e.line);
      }
    EXPECT_TRUE(found) << e.name;
  }
}

TEST(TimeZones, LinesAndListText) {
  auto india = ParseZoneLine("-5.30,Kolkata, Colombo");
  ASSERT_TRUE(india);
  EXPECT_EQ(india->Zone.Text(), "-5.30");
  EXPECT_EQ(india->Places, "Kolkata, Colombo");
  // zone line, list row
  const struct {
    const char* line;
    const char* row;
  } rows[] = {{"5,New York", "UTC-05:00  5       New York"},
              {"-5.30,Kolkata", "UTC+05:30  -5.30   Kolkata"},
              {"0,London", "UTC+00:00  0       London"},
              {"3.30,St Johns", "UTC-03:30  3.30    St Johns"},
              {"-12.45,Chatham", "UTC+12:45  -12.45  Chatham"}};
  for (const auto& r : rows) EXPECT_EQ(ZoneListText(*ParseZoneLine(r.line)), r.row);
  for (const char* bad : {"5", "five,New York", "5,", "14,Nowhere", "-14.30,Nowhere", "5.60,Nowhere"})
    EXPECT_FALSE(ParseZoneLine(bad)) << bad;
}

TEST(TimeZones, ShippedListHoldsEveryStandardOffsetOnce) {
  const LoadedZones loaded = LoadTimeZones(ProgramFile(testing::SourceAppData(), "TZ.DAT"));
  EXPECT_FALSE(loaded.Problems.Any()) << loaded.Problems.Message("time-zone");
  std::set<std::string> zones;
  double previous = 100;
  for (const ZoneEntry& z : loaded.Entries) {
    EXPECT_TRUE(zones.insert(z.Zone.Text()).second) << "twice: " << z.Zone.Text();
    EXPECT_LT(z.Zone.DotValue(), previous) << "out of order: " << z.Zone.Text();
    previous = z.Zone.DotValue();
  }
  for (const char* zone : {"12", "11", "10", "9.30", "5", "3.30", "0", "-1", "-5.30", "-5.45", "-8.45", "-12.45", "-14"})
    EXPECT_TRUE(zones.count(zone)) << zone;
}

}  // namespace
}  // namespace halcyra
