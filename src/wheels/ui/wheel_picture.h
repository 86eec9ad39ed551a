#pragma once
// The wheel's picture on the clipboard and in a file: Alt+Print or Ctrl+C
// in the wheel window puts the picture on the clipboard, and Save picture
// writes the clipboard's picture as a GIF in the program folder, named
// after the charts.
namespace halcyra {

class WheelsWindow;

// The wheel as the window shows it, onto the clipboard.
void CopyWheelPicture(WheelsWindow& window);

// The clipboard's picture turned into <base>.gif in the program folder by
// ImageMagick's converter, which works on hidden names of the program's own
// beside it; the clipboard emptied. No picture on the clipboard gives the
// "No picture found" message. The files are written as every file of the
// program is, over plain files only. A bitmap that cannot be written is
// named with the reason, and nothing of it stays. The GIF counts only when
// the converter wrote it in this run: otherwise the picture stays as
// <base>.bmp, an older GIF of the name is left as it was, and the message
// says so, with what the converter said. A GIF made removes the <base>.bmp
// an earlier failure kept.
void SaveWheelPicture(WheelsWindow& window);

}  // namespace halcyra
