#include "wheels/ui/wheel_picture.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryFile>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "chart_input/ui/chart_input_window.h"
#include "chart_input/ui/input_windows.h"
#include "platform/gui/busy_pointer.h"
#include "platform/run_and_wait.h"
#include "platform/text_files.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/messages.h"
#include "wheels/picture_file.h"
#include "wheels/ui/wheels_window.h"

namespace halcyra {

namespace {

PictureNames NamesOfLastPaint(const AppState& state) {
  const WheelSets& wheel = state.wheel;
  return {state.flags.WheelKind, wheel.ChartTitle[1], wheel.ChartTitle2[1], wheel.ChartTitle2[2],
          InputD1().SecondPerson()};
}

// The picture as a BMP file, whole or not at all: the reason when it could
// not be written.
std::optional<std::string> WriteBitmap(const QImage& picture, const std::string& path) {
  QByteArray bytes;
  QBuffer encoded(&bytes);
  if (!encoded.open(QIODevice::WriteOnly) || !picture.save(&encoded, "BMP")) return "the picture could not be encoded";
  // the Latin-1 name as the file functions take names
  return WriteWholeFileOrReason(FromLatin1(path).toStdString(),
                                std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

// Puts `from` in the place of `to`, an older file there replaced at once.
std::optional<std::string> ReplaceFile(const QString& from, const QString& to) {
  std::error_code error;
  std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), error);
  if (error) return error.message();
  return std::nullopt;
}

void Warn(const std::string& text, QWidget* parent) {
  ShowMessage(text, PictureWarningTitle, MessageIcon::Warning, parent);
}

}  // namespace

void CopyWheelPicture(WheelsWindow& window) {
  if (window.Picture().isNull()) window.Form_Paint();  // shown, not painted yet
  QGuiApplication::clipboard()->setImage(window.Picture());
}

void SaveWheelPicture(WheelsWindow& window) {
  // a converter's file that a run ended during its save could not remove
  RemoveConvertedLeftOvers(window.State().AppPath);
  QClipboard* clipboard = QGuiApplication::clipboard();
  const std::string base = PictureBasePath(window.State().AppPath, NamesOfLastPaint(window.State()));
  const std::string bitmap = base + ".bmp";
  const std::string gif = base + ".gif";
  const QImage picture = clipboard->image();
  if (picture.isNull()) {
    ShowMessage(NoPictureText, NoPictureTitle, MessageIcon::Critical, &window);
    clipboard->clear();
    return;
  }
  if (const std::optional<std::string> reason = WriteBitmap(picture, bitmap)) {
    Warn(PictureNotWrittenText(bitmap, *reason, PictureStillOnClipboard), &window);
    return;
  }
  // The converter writes a name of its own, so that an older GIF of the
  // picture's name neither passes for this run's nor is lost to a failed one.
  // The name is reserved, the file left to the converter to make with the
  // usual permissions; whatever it leaves under that name goes at the end.
  QTemporaryFile converted(QFileInfo(FromLatin1(bitmap)).dir().filePath(ConvertedFileTemplate));
  if (!converted.open()) {
    Warn(PictureNotWrittenText(gif, ToLatin1(converted.errorString()), BitmapKeptText(base)), &window);
    return;
  }
  converted.close();
  QFile::remove(converted.fileName());
  const std::string convertedPath =
      base.substr(0, base.rfind('/') + 1) + ToLatin1(QFileInfo(converted.fileName()).fileName());
  SetBusyPointer(true);
  // the bitmap, and the file the GIF is written to before it takes its place
  const ProgramRun run = RunAndWaitWithArguments(PictureConverter, {bitmap, convertedPath});
  SetBusyPointer(false);
  if (!run.Succeeded() || QFileInfo(converted.fileName()).size() <= 0) {
    Warn(ConverterFailedText(base, run.started, QFileInfo(FromLatin1(gif)).isFile()), &window);
    return;
  }
  if (const std::optional<std::string> reason = ReplaceFile(converted.fileName(), FromLatin1(gif))) {
    Warn(PictureNotWrittenText(gif, *reason, BitmapKeptText(base)), &window);
    return;
  }
  converted.setAutoRemove(false);  // it is the GIF now
  QFile::remove(FromLatin1(bitmap));
  clipboard->clear();
}

}  // namespace halcyra
