// The listings: sunrise and sunset (the Sun on the Ascendant and the
// Descendant) against the Swiss Ephemeris and in a polar day; the planetary
// hour of a clock time, the rulers and the page; the table of houses; the
// dated transit listing and its interpretation texts.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <tuple>

#include "core/calendar.h"
#include "reports/aspect_finder.h"
#include "reports/golden_page.h"
#include "reports/interpretation_texts.h"
#include "reports/planetary_hours.h"
#include "reports/report_columns.h"
#include "reports/report_fixture.h"
#include "reports/report_names.h"
#include "reports/sunrise_sunset.h"
#include "reports/table_of_houses.h"
#include "reports/transit_interpretations.h"
#include "shell/report_output.h"
#include "support/test_support.h"

namespace halcyra {
namespace {

using Lines = std::vector<std::string>;

// Midnight (day number less 0.5) of a civil date.
double Midnight(int year, int month, int day) { return DateToJulianDay(year, month, day) - 0.5; }

struct Recorder : ReportDisplay {
  std::vector<std::string> texts;
  void Notice(const std::string& text, const std::string& title, NoticeIcon) override {
    texts.push_back(title + " " + text);
  }
};

// The natal window: 21 Dec 2024, zone 5.30 west, 71 E 30, 80 S 15,
// in the southern polar day: neither sunrise nor sunset, both read 0, and the
// shared-state form warns about each.
TEST(SunriseSunset, PolarDayHasNoSunriseOrSunset) {
  AppState state;
  ReadInputDForHours(state, testing::TypedMoment(2024, 12, 21, 12.00, false, 5.5),
                     Place::FromDegreesMinutes({71, 30}, true, {80, 15}, true));
  const HoursPlace p = HoursPlaceOf(state.listings);
  EXPECT_EQ(std::tuple(p.day, p.month, p.year, p.zoneHours, p.geoLong, p.geoLat),
            std::tuple(21, 12, 2024, 5.5, -71.5, -80.25));
  EXPECT_DOUBLE_EQ(state.listings.HoursJulianDay, Midnight(2024, 12, 21));
  Recorder recorder;
  state.services.reportDisplay = &recorder;
  state.listings.SunriseHour = state.listings.SunsetHour = 5;
  FindSunriseSunset(state);
  EXPECT_EQ(state.listings.SunriseHour + state.listings.SunsetHour, 0);
  EXPECT_EQ(recorder.texts, (std::vector<std::string>{
                                "Warning! I cannot find sunrise. The latitude is too extreme.",
                                "Warning! I cannot find sunset. The latitude is too extreme."}));
}

// The rulers of 2 to 8 June 2024, Sunday to Saturday, against William Lilly's
// "A Table of the Planetary Hours" (Christian Astrology, 1647; the same in
// Agrippa's Three Books of Occult Philosophy, II.34).
TEST(PlanetaryHours, EveryWeekdaysRulersAsTheTraditionalTable) {
  const struct { int day; const char* weekday; const char* dayHours[12]; const char* firstNightHour; } week[] = {
      {2, "Sunday", {"Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn"}, "Jupiter"},
      {3, "Monday", {"Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun"}, "Venus"},
      {4, "Tuesday", {"Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon"}, "Saturn"},
      {5, "Wednesday", {"Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars"}, "Sun"},
      {6, "Thursday", {"Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury"}, "Moon"},
      {7, "Friday", {"Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter"}, "Mars"},
      {8, "Saturday", {"Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus"}, "Mercury"},
  };
  for (const auto& d : week) {
    const PlanetaryHoursTable table = PlanetaryHoursOf(d.day, 6, 2024, 5.25, 20.5);
    EXPECT_EQ(DayRulerName(table.weekday), d.dayHours[0]) << d.weekday;
    std::vector<std::string> dayHours, expected(std::begin(d.dayHours), std::end(d.dayHours));
    for (int i = 0; i < 12; ++i) dayHours.push_back(table.hours[i].ruler);
    EXPECT_EQ(dayHours, expected) << d.weekday;
    EXPECT_EQ(table.hours[12].ruler, d.firstNightHour) << d.weekday;
  }
}

// Every clock time falls in the grid hour whose span holds it (before sunrise
// in the night of the day before); a sunrise after noon, where the old count
// of hour ends never stopped, still gives a night hour 1 to 12; without
// sunrise and sunset, night hours of two hours from 0.00.
TEST(PlanetaryHours, EveryClockTimeFallsInItsGridHour) {
  for (double rise : {4.0, 5.5, 6.0, 7.75, 9.0})
    for (double set : {15.5, 18.0, 20.25, 21.5}) {
      const PlanetaryHoursTable grid = PlanetaryHoursOf(5, 6, 2024, rise, set);
      for (int step = 0; step < 24 * 12; ++step) {
        const double t = step / 12.0 + 0.01;
        const bool night = t < rise || t >= set;
        const double onGrid = t < rise ? t + 24 : t;  // the night runs on past midnight
        int expected = 0;
        for (int i = night ? 12 : 0; !expected; ++i)
          if (onGrid <= grid.hours[i].end) expected = grid.hours[i].hour;
        const HourAt at = FindPlanetaryHour(t, rise, set, 3);
        ASSERT_EQ(std::tuple(at.hour, at.night, at.weekday), std::tuple(expected, night, t < rise ? 2 : 3))
            << "time " << t << " sunrise " << rise << " sunset " << set;
      }
    }
  for (const auto& [rise, time] : {std::pair{13.5, 12.5}, {20.0, 13.0}, {20.0, 19.9}, {23.0, 12.0}}) {
    const HourAt at = FindPlanetaryHour(time, rise, rise + 0.5, 2);
    EXPECT_TRUE(at.night && at.hour >= 1 && at.hour <= 12) << rise << " " << time << ": " << at.hour;
  }
  const HourAt none = FindPlanetaryHour(5.0, 0, 0, 3);
  EXPECT_EQ(std::tuple(none.hour, none.night, none.weekday), std::tuple(3, true, 3));
}

// 5 June 2024, sunrise 05:15, sunset 20:30: hours of 76.25 and 43.75 minutes.
TEST(PlanetaryHours, PageSentToOutput) {
  LineCollector page;
  WritePlanetaryHours(page, PlanetaryHoursOf(5, 6, 2024, 5.25, 20.5));
  EXPECT_TRUE(testing::MatchesGoldenPage("planetary_hours", page.lines));
  EXPECT_EQ(HourText(23.999), "00:00");  // rounded, then wrapped into the day
  EXPECT_EQ(HourText(25.5), "01:30");
}

// Hours after `midnightUt` (a universal-time day number) of the next rising
// or setting of the Sun's centre on the geometric horizon; -1 for none.
double SwissEvent(double midnightUt, double eastLongitude, double latitude, int kind) {
  double geopos[3] = {eastLongitude, latitude, 0}, when = 0;
  char error[256] = "";
  const int flags = kind | SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;
  if (swe_rise_trans(midnightUt, SE_SUN, nullptr, SEFLG_SWIEPH, flags, geopos, 1013.25, 15, &when, error) != 0)
    return -1;
  return (when - midnightUt) * 24;
}

// Latitudes -60 to 60, four seasons, places east and west in their own zones:
// within 2 minutes of the Swiss Ephemeris (one clock minute plus the chart's
// mean sidereal time and obliquity, without nutation).
TEST(SunriseSunset, AgreeWithSwissEphemerisWithinTwoMinutes) {
  swe_set_ephe_path(const_cast<char*>("/usr/share/libswe/ephe"));
  for (const auto& [westLongitude, zone] : {std::pair{87.65, 6.0}, {-13.4, -1.0}, {-151.2, -10.0}, {0.0, 0.0}})
    for (const auto& [year, month, day] : {std::tuple{2024, 3, 20}, {2024, 6, 21}, {1990, 9, 23}, {2031, 12, 22}})
      for (int latitude = -60; latitude <= 60; latitude += 10) {
        const double midnight = Midnight(year, month, day);
        const SunriseSunset r = FindSunriseSunset(midnight, {day, month, year, zone, westLongitude, double(latitude)});
        // the local day holds the event when the next one falls before 24:00
        for (const auto& [kind, found, hour] : {std::tuple{SE_CALC_RISE, r.sunriseFound, r.sunriseHour},
                                                {SE_CALC_SET, r.sunsetFound, r.sunsetHour}}) {
          const double swiss = SwissEvent(midnight + zone / 24, -westLongitude, latitude, kind);
          if (swiss < 0 || swiss >= 24) continue;
          ASSERT_TRUE(found) << latitude << " " << month << " " << westLongitude << " " << kind;
          EXPECT_NEAR(hour, swiss, 2.0 / 60) << latitude << " " << month << " " << westLongitude << " " << kind;
        }
      }
  swe_close();
}

// The fixture's transit place by the hour from 10.30 P.M. of 1 Jun 2024 into
// the next date; the chart's own clock put back, no next-day pass (it flags the node).
TEST(TableOfHouses, PageAndTheChartClockPutBack) {
  AppState state;
  testing::FillFixtureChart(state);
  state.input.Transit.Hour = 10, state.input.Transit.Minute = 30;
  state.options.HouseSystem = "K";
  state.chart.clock.DayFraction = 0.125;
  const HouseTableRequest request = HouseTableFromTransit(state.input, 60, 3);
  EXPECT_NEAR(request.firstMinute, 22 * 60 + 30, 1e-9);
  LineCollector page;
  WriteHouseTable(page, "K", request, ComputeHouseTable(state, request));
  EXPECT_TRUE(testing::MatchesGoldenPage("table_of_houses", page.lines));
  EXPECT_EQ(std::tuple(state.chart.clock.DayFraction, state.chart.SkipNextDay, state.chart.Working.RetroFlags),
            std::tuple(0.125, 0, std::string(NumPoints, ' ')));
  // box answers: Cancel gives "", a count is digits alone; the rest is asked again
  using K = CountAnswer::Kind;
  const std::tuple<std::string, K, long> answers[] = {
      {" 24", K::Taken, 24},   {"\t60 ", K::Taken, 60},       {"", K::Cancelled, 0},     {"  ", K::Cancelled, 0},
      {"0", K::Refused, 0},    {"-5", K::Refused, 0},        {"abc", K::Refused, 0},    {"60 minutes", K::Refused, 0},
      {"2.5", K::Refused, 0},  {"1e3", K::Refused, 0},       {"999999999", K::Taken, 999999999},
      {"1000000000", K::Refused, 0}};
  for (const auto& [typed, kind, value] : answers) {
    const CountAnswer got = ReadCountAnswer(typed);
    EXPECT_EQ(std::pair(got.kind, got.value), std::pair(kind, value)) << "'" << typed << "'";
  }
}

// Rows a day apart from 1 October 1582, an hour east: each row has its own
// date and the cusps of a table that starts on that date.
TEST(TableOfHouses, RowsADayApartAcrossTheCalendarSwitch) {
  AppState state;
  HouseTableRequest request{{1582, 10, 1}, 600, 1440, 16, {-1, Place::FromDotMinutes(-12.30, 41.54)}};
  const auto rows = ComputeHouseTable(state, request);
  LineCollector page;
  WriteHouseTable(page, "P", request, rows);
  for (const auto& [row, day, text] : {std::tuple(3, 4, "04 Oct 1582"), {4, 15, "15 Oct 1582"}, {14, 25, "25 Oct 1582"}}) {
    request.first = {1582, 10, day}, request.rows = 1;
    EXPECT_EQ(rows[row].cusps, ComputeHouseTable(state, request)[0].cusps) << text;
    EXPECT_EQ(page.lines[7 + row].substr(2, 11), text);
  }
}

TEST(InterpretationTexts, KeyedParagraphs) {
  const InterpretationTexts t = ParseInterpretationLines(
      {"; comment before any key", "[CONJUNCT SUN]", "", "First line.", "; a comment inside is left out",
       "Second line.", "", "  [ sextile / Trine  moon ]  ", "Easy.",
       "[CONJUNCT SUN]", "A second paragraph for a key already given.",
       "[QUINTILE SUN]", "Not an aspect the listing shows.", "[SQUARE/OPPOSITE MC]", "Hard.", "", ""});
  const InterpretationTexts expected = {{{2, Sun}, {"First line.", "Second line."}},
                                        {{3, Moon}, {"Easy."}}, {{5, Moon}, {"Easy."}},
                                        {{4, Midheaven}, {"Hard."}}, {{6, Midheaven}, {"Hard."}}};
  EXPECT_EQ(t, expected);
  EXPECT_FALSE(ReadInterpretationFile(testing::ScratchDir("no_texts") + "/SUN.TXT"));
}

// A paragraph for every aspect each body can show to every natal point, in
// lines that fit the page after their indent, printable Latin-1 only.
TEST(InterpretationTexts, ShippedTextsCoverEveryAspectTheListingShows) {
  for (const InterpretedBody& body : InterpretedBodies()) {
    const auto texts = ReadInterpretationFile(testing::SourceAppData() + "/" + body.fileName);
    ASSERT_TRUE(texts) << body.fileName;
    for (int point : InterpretedNatalPoints())
      for (int code = 2; code <= (body.point == NorthNode ? 2 : 6); ++code) {
        const auto found = texts->find({code, point});
        ASSERT_TRUE(found != texts->end() && !found->second.empty())
            << body.fileName << " code " << code << " point " << point;
      }
    for (const auto& [key, paragraph] : *texts)
      for (const std::string& line : paragraph)
        EXPECT_TRUE(line.size() <= 70 &&
                    std::ranges::all_of(line, [](unsigned char ch) { return ch >= 32 && ch != 127; }))
            << body.fileName << ": " << line;
  }
}

// The aspect lines (body, aspect, natal point) of the fixture's Swiss
// Ephemeris transits; their orbs differ from ours by seconds of arc.
Lines ExpectedAspectLines(const AppState& state) {
  Lines lines;
  for (const InterpretedBody& body : InterpretedBodies()) {
    double l = state.chart.Transit.Long[body.point];
    if (body.southNode) l = l < 180 ? l + 180 : l - 180;
    for (int point : InterpretedNatalPoints()) {
      const int code = FindAspect(l, state.chart.Natal.Long[point], state.options).code;
      if (code < 2 || code > 6 || (body.point == NorthNode && code != 2)) continue;
      lines.push_back("  " + (body.southNode ? std::string("S. Node   ") : PointName10(body.point)) +
                      AspectName12(code) + PointName10(point));
    }
  }
  return lines;
}

// The fixture chart (transits of 1 Jun 2024 17:00 UT) listed for its day with
// every interpretation file but MOON.TXT: the Moon's aspects are listed
// without a paragraph, the others each with its own.
TEST(TransitInterpretations, OneDayOfTheFixtureChartWithAFileMissing) {
  AppState state;
  state.AppPath = testing::ScratchDir("interpretations_without_moon");
  for (const InterpretedBody& body : InterpretedBodies())
    if (std::string(body.fileName) != "MOON.TXT")
      std::filesystem::copy_file(testing::SourceAppData() + "/" + body.fileName, state.AppPath + "/" + body.fileName);
  testing::FillFixtureChart(state);
  state.flags.ListingDate = DateToJulianDay(2024, 6, 1);
  state.chart.clock.DayFraction = 17.0 / 24;
  ReportBufferSink sink(state);
  WriteTransitInterpretations(state, sink);
  const auto page = testing::PageLines(state);
  ASSERT_GE(page.size(), 5u);
  EXPECT_EQ(Lines(page.begin(), page.begin() + 3),
            (Lines{"", "               TRANSITING PLANET ASPECTS TO NATAL PLANETS   01 Jun 2024", ""}));
  EXPECT_EQ(page.back(), "");
  Lines aspectLines;
  int moonLines = 0;
  for (std::size_t i = 3; i < page.size(); ++i) {
    EXPECT_LE(page[i].size(), 80u) << page[i];
    if (page[i].size() != 41 || page[i][2] == ' ') continue;
    aspectLines.push_back(page[i].substr(0, 34));
    EXPECT_EQ(page[i].substr(34, 2), "  ");  // "#0.00" orb in columns 37 to 41
    ASSERT_LT(i + 2, page.size());
    const bool moon = page[i].starts_with("  Moon ");
    moonLines += moon;
    EXPECT_EQ(page[i + 1].substr(0, 6).find_first_not_of(' '), moon ? std::string::npos : 5u) << page[i];
    EXPECT_EQ(page[i + 1].empty(), moon) << page[i];
  }
  EXPECT_EQ(aspectLines, ExpectedAspectLines(state));
  EXPECT_GT(aspectLines.size(), 10u);
  EXPECT_GT(moonLines, 0);
  EXPECT_EQ(state.flags.ListingDate, DateToJulianDay(2024, 6, 2));  // the day moves on
}

}  // namespace
}  // namespace halcyra
