// Picking from the names, cities and time-zone lists, saving a name, the
// file chooser and the atlas command.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "chart_input/atlas_exchange.h"
#include "chart_input/ui/geograph_window.h"
#include "chart_input/ui/names_window.h"
#include "chart_input/ui/select_file_window.h"
#include "chart_input/ui/time_zone_window.h"
#include "gui/input_gui_support.h"
#include "platform/text_files.h"

namespace halcyra {
namespace {

using InputPicks = testing::InputWindowTest;

int RowOf(QListWidget* list, const QString& textStart) {
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->text().startsWith(textStart)) return row;
  return -1;
}

void Activate(QListWidget* list, int row) {
  ASSERT_GE(row, 0);
  emit list->itemActivated(list->item(row));
}

TEST_F(InputPicks, CityFillsTheWindowThatAskedForIt) {
  InputD1().findChild<QPushButton*>("cmdCities")->click();
  GeographWindow& cities = Geograph();
  EXPECT_TRUE(cities.isVisible());
  Activate(cities.List(), RowOf(cities.List(), "Kolkata, India"));
  InputD1Window& transit = InputD1();
  EXPECT_EQ(Text(transit, "txtDiurnalLongDeg"), "88");
  EXPECT_EQ(Text(transit, "txtDiurnalLongMin"), "22");
  EXPECT_TRUE(Chosen(transit, "optDiurnalEast"));
  EXPECT_EQ(Text(transit, "txtDiurnalLatDeg"), "22");
  EXPECT_EQ(Text(transit, "txtDiurnalLatMin"), "32");
  EXPECT_TRUE(Chosen(transit, "optDiurnalNorth"));
  EXPECT_EQ(Text(transit, "txtDiurnalTZ"), "-5.30");
  EXPECT_EQ(Text(InputD(), "txtLongDeg"), "87") << "the natal window is left alone";

  InputD().findChild<QPushButton*>("cmdCities")->click();
  cities.List()->setCurrentRow(RowOf(cities.List(), "Sydney, Australia"));
  cities.findChild<QPushButton*>("cmdUse")->click();
  EXPECT_EQ(Text(InputD(), "txtLongDeg"), "151");
  EXPECT_TRUE(Chosen(InputD(), "optSouth"));
  EXPECT_EQ(Text(InputD(), "txtTZ"), "-10");
  EXPECT_EQ(Text(transit, "txtDiurnalLongDeg"), "88");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InputPicks, ZoneFillsTheWindowNamedByTZTarget) {
  InputD().findChild<QPushButton*>("cmdZones")->click();
  EXPECT_EQ(App().flags.TZTarget, 0);
  TimeZoneWindow& zones = TimeZone();
  Activate(zones.List(), RowOf(zones.List(), "UTC+05:45"));
  EXPECT_EQ(Text(InputD(), "txtTZ"), "-5.45");

  App().flags.TZTarget = 1;  // as another command may set it
  Activate(zones.List(), RowOf(zones.List(), "UTC-03:30"));
  EXPECT_EQ(Text(InputD1(), "txtDiurnalTZ"), "3.30");
  EXPECT_EQ(Text(InputD(), "txtTZ"), "-5.45");
}

TEST_F(InputPicks, DoubleClickedNameComputesItsChart) {
  int calls = 0;
  SetCalculateChart([&] { ++calls; });
  NamesWindow& names = Names();
  Activate(names.List(), RowOf(names.List(), "Apollo 11 launch"));
  EXPECT_EQ(calls, 1);
  InputDWindow& natal = InputD();
  EXPECT_EQ(natal.NameText(), "Apollo 11 launch, Kennedy Space Center");
  const InputBoxTexts b = natal.BoxTexts();
  EXPECT_EQ(std::tuple(b.Month, b.Day, b.Year, b.Hour, b.Minute, b.PM), std::tuple("7", "16", "1969", "9", "32", false));
  EXPECT_EQ(std::tuple(b.TZ, b.LongDeg, b.LongMin, b.East, b.LatDeg, b.LatMin, b.South),
            std::tuple("4", "80", "36", false, "28", "36", false));

  // "Now" takes the clock and the home place.
  Activate(names.List(), 0);
  EXPECT_EQ(calls, 2);
  const InputBoxTexts now = natal.BoxTexts();
  EXPECT_EQ(std::tuple(now.Month, now.Day, now.Year, now.Hour, now.Minute, now.PM),
            std::tuple("3", "9", "2024", "7", "5", true));
  EXPECT_EQ(std::tuple(now.TZ, now.LongDeg, now.LatDeg), std::tuple("6", "87", "41"));
  EXPECT_EQ(App().input.RememberedNameIndex, 0);
}

TEST_F(InputPicks, NamesListReselectsTheEntryUsedLast) {
  App().flags.NamesDirty = 0;
  App().input.RememberedNameIndex = 3;
  EXPECT_EQ(Names().List()->currentRow(), 3);
  UnloadNames();
  App().flags.NamesDirty = 1;  // as at start-up
  EXPECT_EQ(Names().List()->currentRow(), 0);
}

TEST_F(InputPicks, SaveAddsTheNatalChartToTheNamesFile) {
  const std::string path = App().AppPath + "/NAMES.FIL";
  const std::vector<std::string> before = *ReadTextLines(path);
  InputDWindow& natal = InputD();
  NamesWindow& names = Names();
  const int countBefore = names.List()->count();
  natal.SetNameText("Test chart, Chicago");
  names.findChild<QPushButton*>("cmdSave")->click();
  EXPECT_TRUE(messages.shown.empty());
  std::vector<std::string> expected = before;
  expected.push_back("Test chart, Chicago,3,9,2024,7,5,PM,6,87,39,W,41,51,N");
  EXPECT_EQ(*ReadTextLines(path), expected);
  EXPECT_EQ(names.List()->count(), countBefore + 1);
  EXPECT_EQ(names.List()->currentItem()->text(), "Test chart, Chicago");

  // Nothing is saved without a name, nor with input the checks refuse.
  natal.SetNameText("");
  names.findChild<QPushButton*>("cmdSave")->click();
  natal.SetNameText("Bad");
  Type(natal, "txtMonth", "13");
  names.findChild<QPushButton*>("cmdSave")->click();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, "Error in natal input data section. Please correct.");
  EXPECT_EQ(ReadTextLines(path)->size(), expected.size());
}

TEST_F(InputPicks, BadNamesLinesAndAMissingFileGiveOneMessage) {
  const std::string path = App().AppPath + "/NAMES.FIL";
  ASSERT_TRUE(WriteTextLines(path, {"Now,,,,,,,,,,,,,", "half a line,1,2", "Other,1,2,2000,3,4,AM,0,0,0,W,51,29,N"}));
  EXPECT_EQ(Names().List()->count(), 2);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "Line 2 of " + path + " is not a valid names entry and was skipped.");

  UnloadNames();
  App().ini.NamesFileName = App().AppPath + "/MISSING.FIL";
  EXPECT_EQ(Names().List()->count(), 0);
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, "The file " + App().AppPath + "/MISSING.FIL cannot be read, so the list is empty.");
}

TEST_F(InputPicks, FileChooserStartsInTheProgramFolder) {
  ASSERT_TRUE(WriteTextLines(App().AppPath + "/other.fil", {"Other,1,2,2000,3,4,AM,0,0,0,W,51,29,N"}));
  std::filesystem::create_directory(App().AppPath + "/SUB");
  SelectFileWindow chooser(App());
  EXPECT_EQ(chooser.objectName(), "SelectFIle");
  EXPECT_EQ(chooser.Folder(), std::filesystem::path(App().AppPath).lexically_normal().string());
  chooser.SetPattern("*.FIL");
  QListWidget* files = chooser.FileList();
  ASSERT_EQ(files->count(), 2);  // the pattern ignores letter case
  EXPECT_EQ(files->item(0)->text(), "NAMES.FIL");
  EXPECT_EQ(files->item(1)->text(), "other.fil");
  EXPECT_GE(RowOf(chooser.FolderList(), "SUB"), 0);
  files->setCurrentRow(1);
  chooser.cmdSelect_Click();
  EXPECT_EQ(App().input.SelectedFile, App().AppPath + "/other.fil");
  chooser.cmdCancel_Click();
  EXPECT_EQ(App().input.SelectedFile, "");
}

TEST_F(InputPicks, AnotherNamesFileReplacesTheList) {
  const std::string other = App().AppPath + "/OTHER.FIL";
  ASSERT_TRUE(WriteTextLines(other, {"Other,1,2,2000,3,4,AM,0,0,0,W,51,29,N"}));
  std::string askedPattern;
  SetDataFileChooser([&](const std::string& pattern) {
    askedPattern = pattern;
    return other;
  });
  Names().findChild<QPushButton*>("cmdOpen")->click();
  EXPECT_EQ(askedPattern, "*.FIL");
  EXPECT_EQ(App().ini.NamesFileName, other);
  ASSERT_EQ(Names().List()->count(), 1);
  EXPECT_EQ(Names().List()->item(0)->text(), "Other");

  SetDataFileChooser([](const std::string&) { return std::string(); });  // cancelled
  Names().findChild<QPushButton*>("cmdOpen")->click();
  EXPECT_EQ(App().ini.NamesFileName, other);
}

TEST_F(InputPicks, AtlasWithoutAFolderSaysSo) {
  messages.inputAnswer = "";  // the user names no folder
  InputD().findChild<QPushButton*>("cmdAtlas")->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, NoAtlasFolderText);
  EXPECT_EQ(messages.asked.size(), 1u);
  EXPECT_EQ(App().ini.AtlasDir, "");
  EXPECT_EQ(Text(InputD(), "txtLongDeg"), "87");
}

TEST_F(InputPicks, AtlasAnswerFillsThePlaceOfItsWindow) {
  // A fake atlas: a script that writes its answer where PCATPATH.TXT says.
  const std::string atlas = testing::ScratchDir("gui-atlas");
  const std::string script = "#!/bin/sh\nprintf '" + atlas + "\\r\\n' > '" + atlas +
                             "/PCATPATH.TXT'\nprintf 'LATITUDE=51N29\\r\\nLONGITUDE=0E5\\r\\n' > '" + atlas +
                             "/TSRTEMP.TXT'\n";
  ASSERT_TRUE(WriteWholeFile(atlas + "/ATLAS.EXE", script));
  std::filesystem::permissions(atlas + "/ATLAS.EXE", std::filesystem::perms::owner_all);
  messages.inputAnswer = atlas;
  InputD1().findChild<QPushButton*>("cmdAtlas")->click();
  EXPECT_EQ(App().ini.AtlasDir, atlas);
  ASSERT_EQ(messages.shown.size(), 1u) << "only the note that no folder was set";
  InputD1Window& transit = InputD1();
  EXPECT_EQ(Text(transit, "txtDiurnalLatDeg"), "51");
  EXPECT_EQ(Text(transit, "txtDiurnalLatMin"), "29");
  EXPECT_EQ(Text(transit, "txtDiurnalLongDeg"), "0");
  EXPECT_EQ(Text(transit, "txtDiurnalLongMin"), "5");
  EXPECT_TRUE(Chosen(transit, "optDiurnalEast"));
  EXPECT_EQ(Text(transit, "txtDiurnalTZ"), "6") << "no zone in the answer: the box keeps its own";
}

}  // namespace
}  // namespace halcyra
