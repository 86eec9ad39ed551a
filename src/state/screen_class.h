#pragma once
// Sizes that follow the screen: the wheel window's size and the Data
// window's font step, chosen once at start-up.
namespace halcyra {

struct ScreenClass {
  int ScreenClassWidth = 1024, ScreenClassHeight = 768;
  int WheelWinWidth = 14050, WheelWinHeight = 11505;  // twips
  double DataFontScale = 1.5;
};

// The class of a screen `widthPixels` wide at `twipsPerPixelX`: 640 and 800
// pixels have their own classes, every other width is the 1024 class.
ScreenClass ChooseScreenClass(int widthPixels, int twipsPerPixelX);

}  // namespace halcyra
