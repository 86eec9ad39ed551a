#include "wheels/ui/wheel_menus.h"

#include "wheels/ui/wheels_window.h"

namespace halcyra {

namespace {
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
      {"mnuWheelsTurn", "Turn &natal chart", "", 0, false, nullptr},
      {"mnuUpdate", "&Update", "", 0, false, nullptr},
      {"mnuUpdateAddDay", "&Add a Day", "F1", 1, false, nullptr},
      {"mnuUpdateAddHour", "Add an &hour", "F2", 1, false, nullptr},
      {"mnuUpdateAddMinute", "Add a &minute", "F3", 1, false, nullptr},
      {"mnuUpdateSubDay", "&Go back a day", "F4", 1, false, nullptr},
      {"mnuUpdateSubHour", "Go &back an hour", "F5", 1, false, nullptr},
      {"mnuUpdateSubMinute", "Go bac&k a minute", "F6", 1, false, nullptr},
      {"mnuDataPlanetaryHours", "Planetary Hou&rs", "", 0, false, PlanetaryHours},
      {"mnuKeywords", "&Keywords", "", 0, false, Keywords},
      {"mnuHouses", "Hous&es", "", 0, false, nullptr},
      {"mnuHousePlacidus", "&Placidus", "Shift+F1", 1, true, nullptr},
      {"mnuHouseRegiomontanus", "&Regiomontanus", "Shift+F2", 1, true, nullptr},
      {"mnuHouseKoch", "&Koch", "Shift+F3", 1, true, nullptr},
      {"mnuHouseCampanus", "&Campanus", "Shift+F4", 1, true, nullptr},
      {"mnuHousePorphyry", "P&orphyry", "Shift+F5", 1, true, nullptr},
      {"mnuHouseEqualAsc", "&Equal - Asc", "Shift+F6", 1, true, nullptr},
      {"mnuHouseEqualMC", "E&qual - MC", "Shift+F7", 1, true, nullptr},
      {"mnuHouseMeridian", "&Meridian", "Shift+F8", 1, true, nullptr},
      {"mnuHouseMorinus", "Mor&inus", "Shift+F9", 1, true, nullptr},
      {"mnuOptions", "&Options", "", 0, false, nullptr},
      {"mnuSavePicture", "&Save picture", "", 0, false, nullptr},
      {"mnuMode", "Mode", "", 0, false, nullptr},
      {"mnuMode0", "Mode 0", "Ctrl+F5", 1, false, Mode0},
      {"mnuMode1", "Mode 1", "Ctrl+F6", 1, false, Mode1},
      {"mnuMode2", "Mode 2", "Ctrl+F7", 1, false, Mode2},
      {"mnuMode3", "Mode3", "Ctrl+F8", 1, false, Mode3},
      {"mnuOrbs", "Or&bs", "", 0, false, nullptr},
      {"mnuOrbsChange", "&Select new orb file", "F11", 1, false, nullptr},
      {"mnuOrbsEdit", "&Edit orb file", "F12", 1, false, nullptr},
      {"mnuType", "&Type", "", 0, false, nullptr},
      {"mnuCTAmerican", "&American", "F7", 1, true, American},
      {"mnuCTEuropean", "&European", "F8", 1, true, European},
      {"mnuReturns", "&Returns", "", 0, false, nullptr},
      {"mnuReturnsNext", "&Next", "Ctrl+F2", 1, false, nullptr},
      {"mnuReturnsPrevious", "&Previous", "Ctrl+F3", 1, false, nullptr},
      {"mnuAsciiChart", "AS&CII", "", 0, false, nullptr},
      {"mnuPrintChartwheel", "&Print", "", 0, false, nullptr},
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
