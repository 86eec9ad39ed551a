// The main window's return and ingress wheels with their questions, Next
// and Previous of the wheel window's Returns menu, and the RidurIziva's
// live charts of the moment at the home place. Return moments checked
// against the equinoxes of 1969 (23 Sep 05:07 UT, 20 Mar 19:08 UT, from the
// published almanac) and the natal moment (9.32 A.M. in zone 4, 13.32 UT).
#include <QDialog>
#include <QTimer>

#include "platform/gui/busy_pointer.h"
#include "shell/return_prompts.h"
#include "wheel_commands_fixture.h"

namespace halcyra {
namespace {

using ReturnWheels = testing::WheelCommandsTest;

bool ReturnsMenuShown() { return TheWheelsWindow()->Item("mnuReturns")->isVisible(); }

TEST_F(ReturnWheels, SingleReturnsStepToTheNextAndPreviousReturn) {
  testing::RecordingSink sink;
  // -1 and a year past the input's last ask again; the empty answer keeps
  // the last birthday's year
  sink.inputAnswers = {"-1", "2100", ""};
  Main("mnuWheelsSingleSolarReturn");
  EXPECT_EQ(sink.asked, std::vector<std::string>(3, SolarYearPrompt));
  EXPECT_EQ(Caption1(1, 5), "Apollo 11 launch - solar return|16 Jul 1969|1.32 P.M. (0)|80.36 WEST|28.36 NORTH");
  EXPECT_TRUE(ReturnsMenuShown());
  EXPECT_EQ(std::filesystem::path(App().options.OrbFileName).filename(), "SOLARRTN.ORB");
  Wheel("mnuReturnsNext");
  EXPECT_EQ(Caption1(2, 3), "16 Jul 1970|7.15 P.M. (0)");
  Wheel("mnuReturnsPrevious");
  Wheel("mnuReturnsPrevious");
  EXPECT_EQ(Caption1(2, 3), "16 Jul 1968|7.51 A.M. (0)");

  // a lunar month later, and back
  Main("mnuWheelsSingleLunarReturn");
  EXPECT_EQ(Caption1(1, 3), "Apollo 11 launch - lunar return|16 Jul 1969|1.32 P.M. (0)");
  Wheel("mnuReturnsNext");
  EXPECT_EQ(Caption1(2, 3), "12 Aug 1969|7.34 P.M. (0)");
  Wheel("mnuReturnsPrevious");
  EXPECT_EQ(Caption1(2, 3), "16 Jul 1969|1.32 P.M. (0)");
  EXPECT_TRUE(ReturnsMenuShown());
  EXPECT_TRUE(sink.shown.empty());
}

// The orb file each year question finds already chosen.
TEST_F(ReturnWheels, SingleReturnsChooseTheirOrbFileBeforeTheYearIsAsked) {
  struct OrbAtPrompt : testing::RecordingSink {
    std::vector<std::string> orbs;
    std::string Input(const std::string& prompt, const std::string& title, const std::string& answer) override {
      orbs.push_back(std::filesystem::path(App().options.OrbFileName).filename().string());
      return RecordingSink::Input(prompt, title, answer);
    }
  } sink;
  for (const char* item : {"mnuWheelsSingleNatal", "mnuWheelsSingleSolarReturn", "mnuWheelsSingleNatal",
                           "mnuWheelsSingleLunarReturn"})
    Main(item);
  EXPECT_EQ(sink.orbs, (std::vector<std::string>{"SOLARRTN.ORB", "LUNARRTN.ORB"}));
}

TEST_F(ReturnWheels, IngressesAndDualReturnsRoundTheNatalChart) {
  testing::RecordingSink sink;
  // 5 asks again, 2.6 rounds to the Libra ingress
  sink.inputAnswers = {"5", "2.6"};
  Main("mnuWheelsDualNatIng");
  EXPECT_EQ(sink.asked, std::vector<std::string>(2, SeasonPrompt));
  EXPECT_EQ(Caption2(1, 6), "Fall Ingress|23 Sep 1969|5.08 A.M. (0)|80.36 WEST|28.36 NORTH|");
  EXPECT_EQ(Caption1(1, 2), "Apollo 11 launch - natal|16 Jul 1969");
  EXPECT_EQ(std::filesystem::path(App().options.OrbFileName).filename(), "NAT2INGR.ORB");
  EXPECT_EQ(std::tuple(App().flags.WheelKind, App().chart.ChartKind, App().chart.returns.IngressNumber),
            std::tuple(2, 0, 0));
  EXPECT_EQ(App().wheel.Wheel2.Long[Sun], 180) << "the Sun on the cardinal point";
  EXPECT_FALSE(ReturnsMenuShown());

  Main("mnuWheelsDualNatSR");
  EXPECT_EQ(Caption2(1, 3), "Solar return|16 Jul 1969|1.32 P.M. (0)");
  EXPECT_NEAR(App().wheel.Wheel2.Long[Sun], App().chart.Natal.Long[Sun], 0.00014);
  EXPECT_EQ(App().wheel.Wheel2.HouseTags, App().returnCharts.SolarReturn.HouseTags);
  Main("mnuWheelsDualNatLR");
  EXPECT_EQ(Caption2(1, 1), "Lunar return");
  EXPECT_NEAR(App().wheel.Wheel2.Long[Moon], App().chart.Natal.Long[Moon], 0.00014);
  EXPECT_FALSE(ReturnsMenuShown()) << "no Next or Previous on a dual wheel";

  // 0 closes the question and changes nothing
  const CaptionBlock before = WheelCaption1(App());
  sink.inputAnswers = {"0"};
  Main("mnuWheelsSingleIngress");
  EXPECT_EQ(WheelCaption1(App()), before);
  Main("mnuWheelsSingleIngress");  // the default: spring
  EXPECT_EQ(Caption1(1, 3), "Apollo 11 launch - Spring ingress|20 Mar 1969|7.09 P.M. (0)");
  EXPECT_EQ(std::filesystem::path(App().options.OrbFileName).filename(), "INGRESS.ORB");
  EXPECT_FALSE(ReturnsMenuShown()) << "an ingress has no next or previous";
  EXPECT_EQ(App().chart.ChartKind, 0);
  EXPECT_TRUE(sink.shown.empty());
}

// The RidurIziva: at most one item checked; a tick fires on the seconds
// the interval divides, with the clock's moment at the home place of the
// options (zone 5, 73 59 W 40 45 N), and lets the ticks pass while the
// program is busy.
class LiveWheels : public testing::WheelCommandsTest {
 protected:
  void SetUp() override {
    testing::WheelCommandsTest::SetUp();
    auto& o = App().options.OptionValues;
    o[18] = 5, o[19] = 73, o[20] = 59, o[21] = 0, o[22] = 40, o[23] = 45, o[24] = 0;
    o[46] = 15;
  }
  // A tick at a time of 1 March 2024 in zone 5, on a computer that keeps
  // universal time: the wheel shows the moment in the home zone all the same.
  void TickAt(int hour, int minute, int second) {
    App().services.ReadClock = [=] { return ClockMoment{2024, 3, 1, hour + 5, minute, second, 0}; };
    QMetaObject::invokeMethod(main->timer1, "timeout");
  }
};

TEST_F(LiveWheels, TogglesKeepOneItemChecked) {
  Main("mnuRidurIzivaDual");
  Main("mnuRidurIzivaSingle");
  EXPECT_EQ(std::pair(Checked("mnuRidurIzivaSingle"), Checked("mnuRidurIzivaDual")), std::pair(true, false));
  App().chart.ChartReady = 1;
  Main("mnuRidurIzivaSingle");
  EXPECT_EQ(std::pair(Checked("mnuRidurIzivaSingle"), Checked("mnuRidurIzivaDual")), std::pair(false, false));
  EXPECT_EQ(App().chart.ChartReady, 0) << "a chart afresh from the input window";
}

TEST_F(LiveWheels, TicksFireOnTheIntervalWithTheMomentAtHome) {
  TickAt(14, 5, 30);
  EXPECT_EQ(TheWheelsWindow(), nullptr) << "nothing checked: the caption alone";
  Main("mnuRidurIzivaSingle");
  TickAt(14, 5, 30);
  EXPECT_EQ(Caption1(1, 5), "Apollo 11 launch - natal|01 Mar 2024|2.05 P.M. (5)|73.59 WEST|40.45 NORTH");
  EXPECT_EQ(App().flags.WheelKind, 1);
  ASSERT_NE(TheWheelsWindow(), nullptr);

  const std::string caption = Caption1(1, 7);
  TickAt(14, 6, 31);  // not a multiple of 15
  SetBusyPointer(true);
  TickAt(14, 6, 45);  // a chart being computed
  SetBusyPointer(false);
  {
    QDialog modal;
    modal.setModal(true);
    modal.show();
    TickAt(14, 7, 0);  // a modal window open
  }
  App().options.OptionValues[46] = 0;
  TickAt(14, 8, 0);  // an interval of 0 never fires
  EXPECT_EQ(Caption1(1, 7), caption);
  EXPECT_NE(main->windowTitle().toStdString().find(":08:00"), std::string::npos) << "the caption still runs";

  App().options.OptionValues[46] = 60;
  Main("mnuRidurIzivaDual");
  TickAt(14, 10, 0);
  EXPECT_EQ(App().flags.WheelKind, 2);
  EXPECT_EQ(Caption2(1, 4), "Transits|01 Mar 2024|2.10 P.M. (5)|73.59 WEST");
  EXPECT_EQ(Caption1(2, 3), "01 Mar 2024|2.05 P.M. (5)") << "inside, the natal window's chart: the single wheel's";
}

}  // namespace
}  // namespace halcyra
