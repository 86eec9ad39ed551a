// The input checks: which box values pass, which are refused, the messages a
// round raises (each once, though a blank box also fails its range) and the
// box the focus goes to.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "chart_input/input_checks.h"
#include "support/test_support.h"

namespace halcyra {

void PrintTo(const InputMessage& message, std::ostream* out) { *out << message.Title << " " << message.Text; }

namespace {

// London at noon (month, day, year, hour, minute, zone, longitude, latitude,
// P.M.): every zero here is a real value (minute, zone, longitude).
const InputBoxTexts kGreenwich{"6", "21", "1990", "12", "0", "0", "0", "0", "51", "29", true};

struct Round {
  std::vector<InputMessage> messages;
  std::optional<BoxAtFault> focus;
  bool passed = false;
};

// One round of checks, `change` made to the natal (else the transit) window's boxes.
Round RunRound(const std::string& system, bool natalSide, const std::function<void(InputBoxTexts&)>& change) {
  AppState state;
  state.options.HouseSystem = system;
  state.chart.InputError = 1;  // left from an earlier round: cleared first
  InputBoxTexts natal = kGreenwich, transit = kGreenwich;
  change(natalSide ? natal : transit);
  InputMessages messages;
  Round round;
  round.passed = RunInputChecks(state, natal, transit, messages);
  EXPECT_EQ(state.chart.InputError, round.passed ? 0 : 1);
  round.messages = messages.List();
  round.focus = messages.Focus();
  return round;
}

const InputMessage kNatalError{"Error in natal input data section. Please correct.", "Warning!"};
const InputMessage kTransitError{"Error in transit input data section. Please correct.", "Warning!"};
const InputMessage kHighLatitude{
    "Your latitude is too high. Lower to 66 degrees, 00 minutes or below OR change house systems.", "Warning!"};

std::vector<InputMessage> Refused(bool natalSide) { return {natalSide ? kNatalError : kTransitError}; }

const std::map<std::string, std::pair<std::string InputBoxTexts::*, EntryBox>> kBoxes = {
    {"month", {&InputBoxTexts::Month, EntryBox::Month}},         {"day", {&InputBoxTexts::Day, EntryBox::Day}},
    {"year", {&InputBoxTexts::Year, EntryBox::Year}},            {"hour", {&InputBoxTexts::Hour, EntryBox::Hour}},
    {"minute", {&InputBoxTexts::Minute, EntryBox::Minute}},      {"zone", {&InputBoxTexts::TZ, EntryBox::Zone}},
    {"long deg", {&InputBoxTexts::LongDeg, EntryBox::LongDeg}},  {"long min", {&InputBoxTexts::LongMin, EntryBox::LongMin}},
    {"lat deg", {&InputBoxTexts::LatDeg, EntryBox::LatDeg}},     {"lat min", {&InputBoxTexts::LatMin, EntryBox::LatMin}}};

// The boxes' limits from tests/data/chart_input/input_limits.txt; a refused
// box takes the focus.
TEST(InputChecks, BlankBoxesAndRangesOfBothWindows) {
  const auto cases = testing::ReadCaseTable("chart_input/input_limits.txt");
  EXPECT_EQ(cases.size(), 64u);
  for (const auto& c : cases)
    for (bool natalSide : {true, false}) {
      const auto& [member, box] = kBoxes.at(c.at(0));
      // clang 14 cannot capture a structured binding: it is copied by name
      const Round r = RunRound("M", natalSide, [&, member = member](InputBoxTexts& b) { b.*member = c.at(1); });
      const bool refused = c.at(natalSide ? 2 : 3) == "1";
      const std::string what = (natalSide ? "natal " : "transit ") + c[0] + " = '" + c[1] + "'";
      EXPECT_EQ(r.passed, !refused) << what;
      EXPECT_EQ(r.messages, refused ? Refused(natalSide) : std::vector<InputMessage>{}) << what;
      if (refused) {
        EXPECT_EQ(r.focus, (BoxAtFault{natalSide ? 0 : 1, box})) << what;
      }
    }
}

// Days by the calendar of the day count (tests/state holds its rule):
// month/day/year, refused in the natal window, in the transit window; the
// day box at fault, or the year where the window does not take it.
TEST(InputChecks, DatesThatDoNotExistAreRefused) {
  struct Case { const char *month, *day, *year; bool natal, transit; };
  const Case cases[] = {
      {"2", "30", "1985", 1, 1}, {"4", "31", "1990", 1, 1}, {"2", "29", "1900", 1, 1}, {"2", "29", "2000", 0, 0},
      {"10", "5", "1582", 1, 1}, {"10", "15", "1582", 0, 0}, {"2", "29", "4", 1, 0},   {"11", "31", "1", 1, 1},
  };
  for (const Case& c : cases)
    for (bool natalSide : {true, false}) {
      const Round r = RunRound("P", natalSide, [&](InputBoxTexts& b) { b.Month = c.month, b.Day = c.day, b.Year = c.year; });
      const bool refused = natalSide ? c.natal : c.transit;
      const std::string what = std::string(natalSide ? "natal " : "transit ") + c.month + "/" + c.day + "/" + c.year;
      EXPECT_EQ(r.passed, !refused) << what;
      if (!refused) continue;
      EXPECT_EQ(r.messages, Refused(natalSide)) << what;
      const bool yearAtFault = natalSide && std::string(c.year).size() < 3;
      EXPECT_EQ(r.focus, (BoxAtFault{natalSide ? 0 : 1, yearAtFault ? EntryBox::Year : EntryBox::Day})) << what;
    }
}

TEST(InputChecks, LatitudeLimitsByHouseSystem) {
  // system, degrees, minutes, 66-degree message, range message, box at
  // fault. Meridian and Morinus skip the 66-degree limit but not the pole;
  // the hemisphere does not matter; a box that is not a number is only refused.
  struct Case { const char* system; const char* deg; const char* min; bool high, range; EntryBox box; };
  const Case cases[] = {
      {"P", "66", "0", 0, 0, {}},    {"P", "66", "1", 1, 0, EntryBox::LatDeg},  {"K", "67", "0", 1, 0, EntryBox::LatDeg},
      {"R", "70", "30", 1, 0, EntryBox::LatDeg}, {"EA", "65", "59", 0, 0, {}},  {"O", "89", "0", 1, 0, EntryBox::LatDeg},
      {"M", "80", "0", 0, 0, {}},    {"I", "89", "59", 0, 0, {}},               {"P", "91", "0", 1, 1, EntryBox::LatDeg},
      {"M", "91", "0", 0, 1, EntryBox::LatDeg}, {"I", "90", "1", 0, 1, EntryBox::LatMin}, {"M", "90", "0", 0, 0, {}},
      {"P", "1e300", "0", 0, 1, EntryBox::LatDeg}, {"P", "0", "-1e300", 0, 1, EntryBox::LatMin},
  };
  for (const Case& c : cases)
    for (bool natalSide : {true, false}) {
      const Round r = RunRound(c.system, natalSide, [&](InputBoxTexts& b) {
        b.LatDeg = c.deg, b.LatMin = c.min, b.South = !natalSide;
      });
      std::vector<InputMessage> expected;
      if (c.high) expected.push_back(kHighLatitude);
      if (c.range) expected.push_back(Refused(natalSide)[0]);
      const std::string what = std::string(c.system) + " " + c.deg + " " + c.min + (natalSide ? " natal" : " transit");
      EXPECT_EQ(r.messages, expected) << what;
      EXPECT_EQ(r.passed, expected.empty()) << what;
      if (!expected.empty()) {
        EXPECT_EQ(r.focus, (BoxAtFault{natalSide ? 0 : 1, c.box})) << what;
      }
    }
}

// A place beyond 180 degrees 00 minutes of longitude or 90 degrees 00 of
// latitude is refused at its minute box.
TEST(InputChecks, CoordinatesEndAtTheirWholeDegree) {
  const Round east = RunRound("M", true, [](InputBoxTexts& b) { b.LongDeg = "180", b.LongMin = "1", b.East = true; });
  EXPECT_EQ(east.focus, (BoxAtFault{0, EntryBox::LongMin}));
  const Round pole = RunRound("M", false, [](InputBoxTexts& b) { b.LatDeg = "90", b.LatMin = "30"; });
  EXPECT_EQ(pole.focus, (BoxAtFault{1, EntryBox::LatMin}));
}

// The focus goes to the box of the first message: the blank check runs over
// both windows before the ranges.
TEST(InputChecks, FocusGoesToTheFirstComplaint) {
  AppState state;
  InputBoxTexts natal = kGreenwich, transit = kGreenwich;
  natal.Day = "30", natal.Month = "2";
  transit.Minute = " ";
  InputMessages messages;
  EXPECT_FALSE(RunInputChecks(state, natal, transit, messages));
  EXPECT_EQ(messages.List(), (std::vector<InputMessage>{kTransitError, kNatalError}));
  EXPECT_EQ(messages.Focus(), (BoxAtFault{1, EntryBox::Minute}));
}

}  // namespace
}  // namespace halcyra
