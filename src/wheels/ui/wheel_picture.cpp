#include "wheels/ui/wheel_picture.h"

#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>

#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "platform/gui/busy_pointer.h"
#include "platform/run_and_wait.h"
#include "shell/ui/messages.h"
#include "wheels/picture_file.h"
#include "wheels/ui/wheels_window.h"

namespace halcyra {

namespace {

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// Names are Latin-1 text, as the captions hold them.
bool Exists(const std::string& path) { return QFileInfo(Latin1(path)).isFile(); }

PictureNames NamesOfLastPaint(const AppState& state) {
  const WheelSets& wheel = state.wheel;
  return {state.flags.WheelKind, wheel.ChartTitle[1], wheel.ChartTitle2[1], wheel.ChartTitle2[2],
          InputD1().SecondPerson()};
}

}  // namespace

void CopyWheelPicture(WheelsWindow& window) {
  if (window.Picture().isNull()) window.Form_Paint();  // shown, not painted yet
  QGuiApplication::clipboard()->setImage(window.Picture());
}

void SaveWheelPicture(WheelsWindow& window) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const std::string base = PictureBasePath(window.State().AppPath, NamesOfLastPaint(window.State()));
  const std::string bitmap = base + ".bmp";
  const QImage picture = clipboard->image();
  // written at once, so the file is there to look for when save returns
  if (picture.isNull() || !picture.save(Latin1(bitmap), "BMP") || !Exists(bitmap)) {
    ShowMessage(NoPictureText, NoPictureTitle, MessageIcon::Critical, &window);
    clipboard->clear();
    return;
  }
  SetBusyPointer(true);
  const ProgramRun run = RunAndWaitWithArguments(PictureConverter, ConverterArguments(base));
  SetBusyPointer(false);
  if (!run.Succeeded() || !Exists(base + ".gif")) {
    ShowMessage(ConverterFailedText(base, run.started), PictureWarningTitle, MessageIcon::Warning, &window);
    return;
  }
  QFile::remove(Latin1(bitmap));
  clipboard->clear();
}

}  // namespace halcyra
