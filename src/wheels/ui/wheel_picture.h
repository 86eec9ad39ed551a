#pragma once
// The wheel's picture on the clipboard and in a file: Alt+Print or Ctrl+C
// in the wheel window puts the picture on the clipboard, and Save picture
// writes the clipboard's picture as a GIF in the program folder, named
// after the charts.
namespace halcyra {

class WheelsWindow;

// The wheel as the window shows it, onto the clipboard.
void CopyWheelPicture(WheelsWindow& window);

// The clipboard's picture written as <base>.bmp in the program folder and
// turned into <base>.gif by ImageMagick's converter; the .bmp removed and
// the clipboard emptied. No picture on the clipboard gives the "No picture
// found" message. A .bmp that cannot be written is named with the reason,
// and nothing of it stays. The GIF counts only when the converter wrote it
// in this run: otherwise the .bmp stays, an older GIF of the name is left as
// it was, and the message says so.
void SaveWheelPicture(WheelsWindow& window);

}  // namespace halcyra
