// Orvane.INI: defaults, each key's condition, the fixed writing order.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/date_settings.h"
#include "platform/text_files.h"
#include "shell/settings_files.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

const char* const kSelection =
    "111111111111111100001001111110000000000000111111111111111100001001111110000000000000";

AppState StateWithIni(const std::string& name, const std::string& iniText) {
  AppState state;
  state.AppPath = testing::ScratchDir(name);
  if (!iniText.empty()) std::ofstream(state.AppPath + "/Orvane.INI", std::ios::binary) << iniText;
  LoadIniSettings(state);
  return state;
}

TEST(IniFile, FirstRunWritesTheDefaults) {
  AppState state = StateWithIni("ini-first-run", "");
  ASSERT_TRUE(SaveIniSettings(state));
  const std::string& dir = state.AppPath;
  const std::string expected =
      "[Orvane] - Do NOT change the order of these variables.\r\n"
      "FontSize= 10\r\nFontBold= 0\r\nFontItalic= 0\r\n"
      "OrvaneTop= 0\r\nOrvaneLeft= 0\r\nOrvaneHeight= 675\r\nOrvaneWidth= 8550\r\n"
      "DataTop= 660\r\nDataLeft= 0\r\nDataHeight= 6540\r\nDataWidth= 9600\r\n"
      "AstrLineTop= 680\r\nAstrLineLeft= 0\r\nAstrLineWidth= 9600\r\n"  // never a zero-width strip
      "DataFile=" + dir + "/NAMES.FIL\r\n"
      "GeoDataFile=" + dir + "/GA_MA.LL\r\n"
      "StartScale= 287\r\nTypeChart= 0\r\n"
      "Geo_Opts=" + std::string(kSelection) + "\r\n";
  EXPECT_EQ(*ReadWholeFile(dir + "/Orvane.INI"), expected);  // 20 lines: no AtlasDir line
}

TEST(IniFile, WrittenValuesReadBackTheSame) {
  AppState state = StateWithIni("ini-round-trip", "");
  IniSettings& ini = state.ini;
  ini.FontSize = 10.5;
  ini.FontBold = 1;
  ini.MainTop = -300;
  ini.MainLeft = 1215;
  ini.MainWidth = 9000;
  ini.DataTop = 700;
  ini.DataLeft = -15;
  ini.DataHeight = 5000;
  ini.DataWidth = 8000;
  ini.AstrLineTop = 7000.5;
  ini.AstrLineLeft = 30;
  ini.AstrLineWidth = 12000;
  ini.NamesFileName = "/home/user/charts/FAMILY.FIL";
  ini.CityFileName = "/home/user/charts/EUROPE.LL";
  ini.AtlasDir = "/opt/atlas";
  ini.StartScale = 300;
  ini.EuropeanChart = 1;
  ini.TransitSelection = std::string(84, '0');
  ASSERT_TRUE(SaveIniSettings(state));
  const auto lines = ReadTextLines(state.AppPath + "/Orvane.INI");
  ASSERT_TRUE(lines);
  EXPECT_EQ(lines->size(), 21u);
  EXPECT_EQ((*lines)[4], "OrvaneTop=-300");
  EXPECT_EQ((*lines)[17], "AtlasDir=/opt/atlas");

  AppState reread;
  reread.AppPath = state.AppPath;
  LoadIniSettings(reread);
  const IniSettings& r = reread.ini;
  EXPECT_EQ(r.FontSize, 10.5);
  EXPECT_EQ(r.FontBold, 1);
  EXPECT_EQ(r.MainTop, -300);
  EXPECT_EQ(r.MainLeft, 1215);
  EXPECT_EQ(r.MainWidth, 9000);
  EXPECT_EQ(r.DataTop, 700);
  EXPECT_EQ(r.DataLeft, -15);
  EXPECT_EQ(r.DataHeight, 5000);
  EXPECT_EQ(r.DataWidth, 8000);
  EXPECT_EQ(r.AstrLineTop, 7000.5);
  EXPECT_EQ(r.AstrLineLeft, 30);
  EXPECT_EQ(r.AstrLineWidth, 12000);
  EXPECT_EQ(r.NamesFileName, ini.NamesFileName);
  EXPECT_EQ(r.CityFileName, ini.CityFileName);
  EXPECT_EQ(r.AtlasDir, "/opt/atlas");
  EXPECT_EQ(r.StartScale, 300);
  EXPECT_EQ(r.EuropeanChart, 1);
  EXPECT_EQ(r.TransitSelection, ini.TransitSelection);
}

TEST(IniFile, EachKeyAppliesOnlyUnderItsCondition) {
  const struct {
    const char* line;
    const char* what;
    bool (*check)(const IniSettings&);
  } cases[] = {
      {"FontSize= 7.5", "FontSize below 7.75 ignored", [](const IniSettings& i) { return i.FontSize == 10; }},
      {"FontSize= 7.75", "FontSize 7.75 taken", [](const IniSettings& i) { return i.FontSize == 7.75; }},
      {"FontSizeLarge= 12", "keys match by prefix", [](const IniSettings& i) { return i.FontSize == 12; }},
      {"fontsize= 12", "keys are case-sensitive", [](const IniSettings& i) { return i.FontSize == 10; }},
      {"OrvaneTop=-300", "a negative Top taken", [](const IniSettings& i) { return i.MainTop == -300; }},
      {"OrvaneHeight= 0", "Height 0 ignored", [](const IniSettings& i) { return i.MainHeight == 675; }},
      {"OrvaneWidth=-5", "negative Width ignored", [](const IniSettings& i) { return i.MainWidth == 8550; }},
      {"DataTop= 0", "DataTop 0 ignored", [](const IniSettings& i) { return i.DataTop == 660; }},
      {"DataLeft=-30", "DataLeft always taken", [](const IniSettings& i) { return i.DataLeft == -30; }},
      {"DataWidth= 2500.5", "whole numbers: halves to even", [](const IniSettings& i) { return i.DataWidth == 2500; }},
      {"DataHeight= 3001.5", "whole numbers: halves to even", [](const IniSettings& i) { return i.DataHeight == 3002; }},
      {"DataFile=", "an empty names file keeps the default",
       [](const IniSettings& i) { return i.NamesFileName.ends_with("/NAMES.FIL"); }},
      {"DataFile=/x/A.FIL", "names file taken", [](const IniSettings& i) { return i.NamesFileName == "/x/A.FIL"; }},
      {"GeoDataFile=", "an empty city file keeps the default",
       [](const IniSettings& i) { return i.CityFileName.ends_with("/GA_MA.LL"); }},
      {"AtlasDir=", "an empty atlas folder stays empty", [](const IniSettings& i) { return i.AtlasDir.empty(); }},
      {"AstrLineWidth= 0", "a zero-width strip ignored", [](const IniSettings& i) { return i.AstrLineWidth == 9600; }},
      {"AstrLineLeft=-150", "strip Left always taken", [](const IniSettings& i) { return i.AstrLineLeft == -150; }},
      {"StartScale", "no '=': the whole line is the value text", [](const IniSettings& i) { return i.StartScale == 0; }},
      {"TypeChart= 1", "European wheel", [](const IniSettings& i) { return i.EuropeanChart == 1; }},
      {"Geo_Opts=101", "selection taken without a length check",
       [](const IniSettings& i) { return i.TransitSelection == "101"; }},
      {"Geo_Opts=", "even when empty", [](const IniSettings& i) { return i.TransitSelection.empty(); }},
  };
  for (const auto& c : cases) {
    AppState state = StateWithIni("ini-key", std::string(c.line) + "\r\n");
    EXPECT_TRUE(c.check(state.ini)) << c.line << ": " << c.what;
  }
}

TEST(IniFile, KeysInAnyOrderReadTheSame) {
  AppState state = StateWithIni("ini-order",
                                "TypeChart= 1\nStartScale= 250\n[Orvane] header\nFontBold= 1\r\n"
                                "OrvaneWidth= 9000\n");
  EXPECT_EQ(state.ini.EuropeanChart, 1);
  EXPECT_EQ(state.ini.StartScale, 250);
  EXPECT_EQ(state.ini.FontBold, 1);
  EXPECT_EQ(state.ini.MainWidth, 9000);
}

TEST(IniFile, AValueTooLargeForItsSettingEndsTheReading) {
  AppState state = StateWithIni("ini-overflow", "FontBold= 1\r\nDataHeight= 40000\r\nStartScale= 100\r\n");
  EXPECT_EQ(state.ini.FontBold, 1);       // read before the bad line
  EXPECT_EQ(state.ini.DataHeight, 6540);  // the bad line changes nothing
  EXPECT_EQ(state.ini.StartScale, 287);   // lines after it are not read
}

TEST(IniFile, AnUnwritableFolderIsReported) {
  AppState state;
  state.AppPath = testing::ScratchDir("ini-unwritable") + "/missing-folder";
  EXPECT_FALSE(SaveIniSettings(state));
}

TEST(DateTimeFormat, TakenFromTheSystemSettings) {
  AppState state;
  SetDateSettingsOverride(DateSettings{1, 1});
  ReadWinIniDateTimeFormat(state);
  EXPECT_EQ(state.flags.DateFormat, 1);
  EXPECT_EQ(state.flags.Use24Hour, 1);
  SetDateSettingsOverride(std::nullopt);
}

}  // namespace
}  // namespace halcyra
