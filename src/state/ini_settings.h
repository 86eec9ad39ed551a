#pragma once
// Window geometry, fonts, paths and switches kept in the INI file.
#include <string>

namespace halcyra {

// The wheel window's height spans +-StartScale wheel units. The frame reaches
// 280 units from the centre (the rim at 272 and the cusp marks beyond it), so
// a smaller scale cuts the wheel off; above twice that the wheel fills less
// than half the window and its text shrinks below half its size.
constexpr int DefaultStartScale = 287;
constexpr int MinStartScale = 280;
constexpr int MaxStartScale = 560;

struct IniSettings {
  double FontSize = 10, FontBold = 0, FontItalic = 0;
  float MainTop = 0, MainLeft = 0, MainHeight = 675, MainWidth = 8550;
  int DataTop = 660, DataLeft = 0, DataHeight = 6540, DataWidth = 9600;
  double AstrLineTop = 680, AstrLineLeft = 0, AstrLineWidth = 9600;
  std::string NamesFileName, CityFileName, AtlasDir;
  int StartScale = DefaultStartScale;  // MinStartScale to MaxStartScale
  int EuropeanChart = 0;
  std::string TransitSelection =
      "111111111111111100001001111110000000000000111111111111111100001001111110000000000000";
};

}  // namespace halcyra
