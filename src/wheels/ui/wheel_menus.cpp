#include "wheels/ui/wheel_menus.h"

#include "wheels/ui/text_wheel_page.h"
#include "wheels/ui/wheels_window.h"

namespace halcyra {

namespace {
void Turn(WheelsWindow& w) { w.mnuWheelsTurn_Click(); }
template <TimeStep S>
void Update(WheelsWindow& w) {
  w.mnuUpdate_Click(S);
}
template <int Row>
void House(WheelsWindow& w) {
  w.mnuHouse_Click(HouseSystemItems()[Row].code);
}
void Options(WheelsWindow& w) { w.mnuOptions_Click(); }
void SavePicture(WheelsWindow& w) { w.mnuSavePicture_Click(); }
void OrbsChange(WheelsWindow& w) { w.mnuOrbsChange_Click(); }
void OrbsEdit(WheelsWindow& w) { w.mnuOrbsEdit_Click(); }
void ReturnsNext(WheelsWindow& w) { w.mnuReturnsNext_Click(); }
void ReturnsPrevious(WheelsWindow& w) { w.mnuReturnsPrevious_Click(); }
void Print(WheelsWindow& w) { w.mnuPrintChartwheel_Click(); }
void Mode0(WheelsWindow& w) { w.mnuMode_Click(0); }
void Mode1(WheelsWindow& w) { w.mnuMode_Click(1); }
void Mode2(WheelsWindow& w) { w.mnuMode_Click(2); }
void Mode3(WheelsWindow& w) { w.mnuMode_Click(3); }
void American(WheelsWindow& w) { w.mnuCTAmerican_Click(); }
void European(WheelsWindow& w) { w.mnuCTEuropean_Click(); }
void Help(WheelsWindow& w) { w.mnuHelp_Click(); }
void Keywords(WheelsWindow& w) { w.mnuKeywords_Click(); }
void PlanetaryHours(WheelsWindow& w) { w.mnuDataPlanetaryHours_Click(); }
}  // namespace

const std::vector<WheelMenuEntry>& WheelMenuItems() {
  static const std::vector<WheelMenuEntry> items = {
      {"mnuWheelsTurn", "Turn &natal chart", "", 0, false, Turn},
      {"mnuUpdate", "&Update", "", 0, false, nullptr},
      {"mnuUpdateAddDay", "&Add a Day", "F1", 1, false, Update<TimeStep::AddDay>},
      {"mnuUpdateAddHour", "Add an &hour", "F2", 1, false, Update<TimeStep::AddHour>},
      {"mnuUpdateAddMinute", "Add a &minute", "F3", 1, false, Update<TimeStep::AddMinute>},
      {"mnuUpdateSubDay", "&Go back a day", "F4", 1, false, Update<TimeStep::SubDay>},
      {"mnuUpdateSubHour", "Go &back an hour", "F5", 1, false, Update<TimeStep::SubHour>},
      {"mnuUpdateSubMinute", "Go bac&k a minute", "F6", 1, false, Update<TimeStep::SubMinute>},
      {"mnuDataPlanetaryHours", "Planetary Hou&rs", "", 0, false, PlanetaryHours},
      {"mnuKeywords", "&Keywords", "", 0, false, Keywords},
      {"mnuHouses", "Hous&es", "", 0, false, nullptr},
      {"mnuHousePlacidus", "&Placidus", "Shift+F1", 1, true, House<0>},
      {"mnuHouseRegiomontanus", "&Regiomontanus", "Shift+F2", 1, true, House<1>},
      {"mnuHouseKoch", "&Koch", "Shift+F3", 1, true, House<2>},
      {"mnuHouseCampanus", "&Campanus", "Shift+F4", 1, true, House<3>},
      {"mnuHousePorphyry", "P&orphyry", "Shift+F5", 1, true, House<4>},
      {"mnuHouseEqualAsc", "&Equal - Asc", "Shift+F6", 1, true, House<5>},
      {"mnuHouseEqualMC", "E&qual - MC", "Shift+F7", 1, true, House<6>},
      {"mnuHouseMeridian", "&Meridian", "Shift+F8", 1, true, House<7>},
      {"mnuHouseMorinus", "Mor&inus", "Shift+F9", 1, true, House<8>},
      {"mnuOptions", "&Options", "", 0, false, Options},
      {"mnuSavePicture", "&Save picture", "", 0, false, SavePicture},
      {"mnuMode", "Mode", "", 0, false, nullptr},
      {"mnuMode0", "Mode 0", "Ctrl+F5", 1, false, Mode0},
      {"mnuMode1", "Mode 1", "Ctrl+F6", 1, false, Mode1},
      {"mnuMode2", "Mode 2", "Ctrl+F7", 1, false, Mode2},
      {"mnuMode3", "Mode3", "Ctrl+F8", 1, false, Mode3},
      {"mnuOrbs", "Or&bs", "", 0, false, nullptr},
      {"mnuOrbsChange", "&Select new orb file", "F11", 1, false, OrbsChange},
      {"mnuOrbsEdit", "&Edit orb file", "F12", 1, false, OrbsEdit},
      {"mnuType", "&Type", "", 0, false, nullptr},
      {"mnuCTAmerican", "&American", "F7", 1, true, American},
      {"mnuCTEuropean", "&European", "F8", 1, true, European},
      {"mnuReturns", "&Returns", "", 0, false, nullptr},
      {"mnuReturnsNext", "&Next", "Ctrl+F2", 1, false, ReturnsNext},
      {"mnuReturnsPrevious", "&Previous", "Ctrl+F3", 1, false, ReturnsPrevious},
      {"mnuAsciiChart", "AS&CII", "", 0, false, [](WheelsWindow& w) { ShowTextChartWheel(w.State()); }},
      {"mnuPrintChartwheel", "&Print", "", 0, false, Print},
      {"mnuHelp", "&Help", "", 0, false, Help},
  };
  return items;
}

const std::vector<HouseSystemItem>& HouseSystemItems() {
  static const std::vector<HouseSystemItem> items = {
      {"mnuHousePlacidus", "P"}, {"mnuHouseRegiomontanus", "R"}, {"mnuHouseKoch", "K"},
      {"mnuHouseCampanus", "C"}, {"mnuHousePorphyry", "O"},      {"mnuHouseEqualAsc", "EA"},
      {"mnuHouseEqualMC", "EM"}, {"mnuHouseMeridian", "M"},      {"mnuHouseMorinus", "I"}};
  return items;
}

}  // namespace halcyra
