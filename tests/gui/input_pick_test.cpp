// Picking from the names, cities and time-zone lists, saving a name,
// opening another names file and the atlas command with a fake atlas.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <filesystem>

#include "chart_input/atlas_exchange.h"
#include "chart_input/ui/geograph_window.h"
#include "chart_input/ui/names_window.h"
#include "chart_input/ui/time_zone_window.h"
#include "gui/input_gui_support.h"
#include "platform/text_files.h"

namespace halcyra {
namespace {

using InputPicks = testing::InputWindowTest;

// Double-clicks the first row whose text starts with `textStart`.
void Activate(QListWidget* list, const QString& textStart) {
  for (int row = 0; row < list->count(); ++row)
    if (list->item(row)->text().startsWith(textStart)) return emit list->itemActivated(list->item(row));
  ADD_FAILURE() << "no row " << textStart.toStdString();
}

const char* const kChicago = "3/9/2024 7:5 PM, 6, 87 W 39, 41 N 51";

TEST_F(InputPicks, CityAndZoneFillTheWindowThatAskedForThem) {
  InputD1().findChild<QPushButton*>("cmdCities")->click();
  ASSERT_TRUE(Geograph().isVisible());
  Activate(Geograph().List(), "Kolkata, India");
  EXPECT_EQ(Shown(InputD1()), "3/9/2024 7:5 PM, -5.30, 88 E 22, 22 N 32");
  EXPECT_EQ(Shown(InputD()), kChicago);

  InputD().findChild<QPushButton*>("cmdCities")->click();
  QListWidget* cities = Geograph().List();
  cities->setCurrentItem(cities->findItems("Sydney, Australia", Qt::MatchStartsWith).value(0));
  Geograph().findChild<QPushButton*>("cmdUse")->click();
  EXPECT_EQ(Shown(InputD()), "3/9/2024 7:5 PM, -10, 151 E 13, 33 S 52");
  EXPECT_EQ(Shown(InputD1()), "3/9/2024 7:5 PM, -5.30, 88 E 22, 22 N 32");

  InputD().findChild<QPushButton*>("cmdZones")->click();
  EXPECT_EQ(App().flags.TZTarget, 0);
  Activate(TimeZone().List(), "UTC+05:45");
  EXPECT_EQ(Text(InputD(), "txtTZ"), "-5.45");
  App().flags.TZTarget = 1;  // as another command may set it
  Activate(TimeZone().List(), "UTC-03:30");
  EXPECT_EQ(Text(InputD1(), "txtDiurnalTZ"), "3.30");
  EXPECT_EQ(Text(InputD(), "txtTZ"), "-5.45");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(InputPicks, DoubleClickedNameComputesItsChart) {
  int calls = 0;
  SetCalculateChart([&] { ++calls; });
  Activate(Names().List(), "Apollo 11 launch");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(InputD().NameText(), "Apollo 11 launch, Kennedy Space Center");
  EXPECT_EQ(Shown(InputD()), "7/16/1969 9:32 AM, 4, 80 W 36, 28 N 36");

  // "Now" takes the clock and the home place.
  Activate(Names().List(), "Now");
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(Shown(InputD()), kChicago);
  EXPECT_EQ(App().input.RememberedNameIndex, 0);
}

TEST_F(InputPicks, SaveAddsTheNatalChartToTheNamesFile) {
  const std::string path = App().AppPath + "/NAMES.FIL";
  std::vector<std::string> expected = *ReadTextLines(path);
  NamesWindow& names = Names();
  const int countBefore = names.List()->count();
  InputD().SetNameText("Test chart, Chicago");
  names.findChild<QPushButton*>("cmdSave")->click();
  EXPECT_TRUE(messages.shown.empty());
  expected.push_back("Test chart, Chicago,3,9,2024,7,5,PM,6,87,39,W,41,51,N");
  EXPECT_EQ(*ReadTextLines(path), expected);
  EXPECT_EQ(names.List()->count(), countBefore + 1);
  EXPECT_EQ(names.List()->currentItem()->text(), "Test chart, Chicago");

  // Nothing is saved without a name, nor with input the checks refuse.
  InputD().SetNameText("");
  names.findChild<QPushButton*>("cmdSave")->click();
  InputD().SetNameText("Bad");
  Type(InputD(), "txtMonth", "13");
  names.findChild<QPushButton*>("cmdSave")->click();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].text, "Error in natal input data section. Please correct.");
  EXPECT_EQ(*ReadTextLines(path), expected);
}

TEST_F(InputPicks, AnotherNamesFileReplacesTheList) {
  const std::string other = App().AppPath + "/OTHER.FIL";
  ASSERT_TRUE(WriteTextLines(other, {"Other,1,2,2000,3,4,AM,0,0,0,W,51,29,N"}));
  std::string chosen = other;
  SetDataFileChooser([&](const std::string& pattern) {
    EXPECT_EQ(pattern, "*.FIL");
    return chosen;
  });
  Names().findChild<QPushButton*>("cmdOpen")->click();
  EXPECT_EQ(App().ini.NamesFileName, other);
  ASSERT_EQ(Names().List()->count(), 1);
  EXPECT_EQ(Names().List()->item(0)->text(), "Other");
  chosen = "";  // cancelled
  Names().findChild<QPushButton*>("cmdOpen")->click();
  EXPECT_EQ(App().ini.NamesFileName, other);
}

TEST_F(InputPicks, AtlasAnswerFillsThePlaceOfItsWindow) {
  // No folder named: a note, and nothing changes.
  InputD().findChild<QPushButton*>("cmdAtlas")->click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, NoAtlasFolderText);
  EXPECT_EQ(App().ini.AtlasDir, "");
  EXPECT_EQ(Shown(InputD()), kChicago);

  // A fake atlas: a script that writes its answer where PCATPATH.TXT says.
  const std::string atlas = testing::ScratchDir("gui-atlas");
  ASSERT_TRUE(WriteWholeFile(atlas + "/ATLAS.EXE", "#!/bin/sh\nprintf '" + atlas + "\\r\\n' > '" + atlas +
                                                       "/PCATPATH.TXT'\nprintf 'LATITUDE=51N29\\r\\n"
                                                       "LONGITUDE=0E5\\r\\n' > '" + atlas + "/TSRTEMP.TXT'\n"));
  std::filesystem::permissions(atlas + "/ATLAS.EXE", std::filesystem::perms::owner_all);
  messages.inputAnswer = atlas;
  InputD1().findChild<QPushButton*>("cmdAtlas")->click();
  EXPECT_EQ(App().ini.AtlasDir, atlas);
  EXPECT_EQ(messages.shown.size(), 2u) << "only the note that no folder was set";
  EXPECT_EQ(Shown(InputD1()), "3/9/2024 7:5 PM, 6, 0 E 5, 51 N 29") << "no zone in the answer: the box keeps its own";
  EXPECT_EQ(Shown(InputD()), kChicago);
}

}  // namespace
}  // namespace halcyra
