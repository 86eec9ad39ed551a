#pragma once
// The wheel's picture on the clipboard and in a file: Alt+Print in the
// wheel window puts the picture on the clipboard, and Save picture writes
// the clipboard's picture as a GIF in the program folder, named after the
// charts.
namespace halcyra {

class WheelsWindow;

// The wheel as the window shows it, onto the clipboard.
void CopyWheelPicture(WheelsWindow& window);

// The clipboard's picture written as <base>.bmp in the program folder and
// turned into <base>.gif by ImageMagick's converter; the .bmp removed and
// the clipboard emptied. No picture, or one that cannot be written, gives
// the "No picture found" message; a converter that cannot start or fails
// leaves the .bmp in place and says where it is.
void SaveWheelPicture(WheelsWindow& window);

}  // namespace halcyra
