// Almutens and dispositors from the shipped almuten tables by day and by
// night, the three-way tie of 19 Libra, table values that name no point,
// and the solstice points with their contacts across 0 Aries.
#include <gtest/gtest.h>

#include "horary/almutens.h"
#include "horary/horary_reports_fixture.h"
#include "horary/solstice_points.h"

namespace halcyra {
namespace {

using testing::HoraryChart;
using testing::LinesOf;

TEST(Almutens, DayAndNightTablesWithTheTie) {
  // longitude, sect; the names the line ends with. From the shipped tables
  // (worked by hand from the dignities in the tables' own test).
  struct Case { double longitude; bool night; const char* names; };
  const Case cases[] = {
      {199.0, false, "Saturn   "},                    // 19 Libra by day: Saturn alone
      {199.99, true, "Mercury  Venus    SATURN"},     // by night a three-way tie
      {200.0, true, "Mercury  Venus    "},            // 20 Libra: Jupiter's face leaves Saturn 4
      {95.5, false, "Mars     Moon     "},            // 5 Cancer: a co-almuten by day
      {0.0, true, "Mars     "},                       // 0 Aries by night
      {0.0, false, "Sun      "},                      //   and by day
      {360.0, false, "Sun      "},                    // entry 360 repeats 0 Aries
  };
  const StartupTables tables = testing::ShippedAlmutenTables();
  for (const Case& c : cases)
    EXPECT_EQ(AlmutenNamesText(AlmutensOfDegree(c.longitude, c.night, tables)), c.names + std::string(10, ' '))
        << c.longitude << (c.night ? " by night" : " by day");
}

TEST(Almutens, TableValuesNamingNoPointPrintNothing) {
  // A damaged table: values past the point numbers, below 0, and points
  // without a horary name (the Part of Fortune, MC) name nobody.
  StartupTables tables;
  tables.AlmutenDay[10] = 40, tables.CoAlmutenDay[10] = -3;
  tables.AlmutenDay[11] = PartOfFortune, tables.CoAlmutenDay[11] = Midheaven;
  tables.AlmutenDay[12] = 32767, tables.CoAlmutenDay[12] = Jupiter;
  EXPECT_EQ(AlmutenNamesText(AlmutensOfDegree(10.5, false, tables)), std::string(10, ' '));
  EXPECT_EQ(AlmutenNamesText(AlmutensOfDegree(11.5, false, tables)), std::string(10, ' '));
  EXPECT_EQ(AlmutenNamesText(AlmutensOfDegree(12.5, false, tables)), "Jupiter  " + std::string(10, ' '));
}

TEST(Almutens, SectionLinesByDayAndByNight) {
  // Mars on 19 Libra, the cusps from 10 Aries, where the night tables give
  // the Sun (exaltation 4, face 1) and Mars (domicile 5) equal scores.
  const ChartSet chart = HoraryChart({{Sun, 45}, {Mars, 199.5}, {Moon, 95.25}}, 10);
  const StartupTables tables = testing::ShippedAlmutenTables();
  const std::string blanks(10, ' ');
  for (bool night : {false, true}) {
    const auto lines = LinesOf([&](LineSink& out) { WriteAlmutensDispositors(out, chart, night, tables); });
    ASSERT_EQ(lines.size(), 33u);
    EXPECT_EQ(lines[1], "  ----------------------- ALMUTENS -----------------------");
    EXPECT_EQ(lines[6],
              "   1ST HOUSE =  10 ARI 00   " + std::string(night ? "Sun      Mars     " : "Sun      ") + blanks);
    EXPECT_EQ(lines[16], "  ----------------------- MAIN DISPOSITORS -----------------------");
    EXPECT_EQ(lines[21],
              "  Mars       19 LIB 30   " + std::string(night ? "Mercury  Venus    SATURN" : "Saturn   ") + blanks);
    EXPECT_EQ(lines[27], "  Moon       05 CAN 15   Mars     Moon     " + blanks);
  }
}

TEST(SolsticePoints, RowsAndContactsAcrossZeroAries) {
  // Sun 359.6 and Moon 179.7 mirror each other across 0 Aries and 0 Libra;
  // Mars 90.5 stands exactly 1 degree from its own antiscion 89.5, Venus
  // 1.01 degrees from hers; the rest stand clear of every mirror image.
  const ChartSet chart =
      HoraryChart({{Sun, 359.6}, {Moon, 179.7}, {Mars, 90.5}, {Venus, 270.505}, {Mercury, 15 + 7.0 / 60},
                   {Jupiter, 45}, {Saturn, 130}, {Uranus, 200}, {Neptune, 222}, {Pluto, 305}, {NorthNode, 64},
                   {PartOfFortune, 333}, {Chiron, 10}, {Ascendant, 111}, {Midheaven, 12}, {Lilith, 180}});
  const auto lines = LinesOf([&](LineSink& out) { WriteSolsticePoints(out, chart); });
  ASSERT_GE(lines.size(), 35u);
  EXPECT_EQ(lines[2], "  Planet name     Degree            Antiscion        Contrantiscion");
  // 15 07 Aries mirrors to 14 53 Virgo; 0 Libra to 0 Aries, opposite it 0 Libra.
  EXPECT_EQ(lines[5], "  Mercury        15 ARI 07          14 VIR 53          14 PIS 53");
  EXPECT_EQ(lines[18], "  Lilith         00 LIB 00          00 ARI 00          00 LIB 00");
  // 30 rows (no Part of Fortune row), a blank line, then the contacts.
  const std::vector<std::string> contacts(lines.begin() + 35, lines.end());
  const std::vector<std::string> expected = {
      "  Sun        conjunct antiscion of Moon      ",      // 359.6 and 0.3
      "  Mars       conjunct antiscion of Mars      ",      // exactly 1 degree
      "  Moon       conjunct antiscion of Sun       ",      // 179.7 and 180.4
      "  Sun        conjunct contrantiscion of Sun       ", // 359.6 and 0.4
      "  Moon       conjunct contrantiscion of Moon      ", // 179.7 and 180.3
  };
  EXPECT_EQ(contacts, expected);
}

}  // namespace
}  // namespace halcyra
