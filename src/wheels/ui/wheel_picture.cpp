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

// The picture as BMP bytes, or the reason it could not be encoded.
std::optional<std::string> EncodeBitmap(const QImage& picture, QByteArray& bytes) {
  QBuffer encoded(&bytes);
  if (!encoded.open(QIODevice::WriteOnly) || !picture.save(&encoded, "BMP")) return "the picture could not be encoded";
  return std::nullopt;
}

// Written as every file of the program is: whole or not at all, and only
// over a plain file (or through a link to one).
std::optional<std::string> WriteBytes(const std::string& path, const QByteArray& bytes) {
  return WriteWholeFileOrReason(path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

// Takes a name of the template's for the file, then frees it: the file is
// made afresh under it, with the usual permissions, and whatever is under
// the name when `file` goes is removed with it. The reason when no name
// could be had.
std::optional<std::string> ReserveName(QTemporaryFile& file) {
  if (!file.open()) return file.errorString().toStdString();
  file.close();
  QFile::remove(file.fileName());
  return std::nullopt;
}

std::string NameIn(const QTemporaryFile& file) { return QFileInfo(file.fileName()).fileName().toStdString(); }

// The picture made <base>.gif through the converter; the warning's text
// when it could not be. The converter works on files of the program's own,
// and the picture's names are written only at the end, so that an older GIF
// neither passes for this run's nor is lost to a failed one; from the
// moment the bitmap is written, a failure keeps it as <base>.bmp.
std::optional<std::string> SaveAsGif(const QImage& picture, const std::string& base) {
  const std::string folder = base.substr(0, base.rfind('/'));
  const std::string bitmap = base + ".bmp";
  const std::string gif = base + ".gif";
  const QDir dir(QString::fromStdString(folder));
  QTemporaryFile bitmapFile(dir.filePath(BitmapFileTemplate));
  QTemporaryFile converted(dir.filePath(ConvertedFileTemplate));
  QByteArray bytes;
  std::optional<std::string> reason = EncodeBitmap(picture, bytes);
  if (!reason) reason = ReserveName(bitmapFile);
  if (!reason) reason = WriteBytes(bitmapFile.fileName().toStdString(), bytes);
  if (reason) return PictureNotWrittenText(bitmap, *reason, PictureStillOnClipboard);
  // the warning, once the bitmap is kept under the picture's name
  const auto keepingBitmap = [&](const std::string& text) -> std::string {
    if (const std::optional<std::string> notKept = WriteBytes(bitmap, bytes))
      return PictureNotWrittenText(bitmap, *notKept, PictureStillOnClipboard);
    return text;
  };
  if ((reason = ReserveName(converted)))
    return keepingBitmap(PictureNotWrittenText(gif, *reason, BitmapKeptText(base)));

  SetBusyPointer(true);
  // run in the picture's folder on the two names alone
  const ProgramRun run = RunAndWaitWithArguments(PictureConverter, {NameIn(bitmapFile), NameIn(converted)}, folder);
  SetBusyPointer(false);
  const std::optional<std::string> made =
      run.Succeeded() ? ReadWholeFile(converted.fileName().toStdString()) : std::nullopt;
  if (!made || made->empty()) {
    // in the locale's encoding, as programs write
    const std::string said =
        ToLatin1(QString::fromLocal8Bit(run.output.data(), static_cast<qsizetype>(run.output.size())));
    return keepingBitmap(
        ConverterFailedText(base, run.started, QFileInfo(QString::fromStdString(gif)).isFile(), said));
  }
  if ((reason = WriteWholeFileOrReason(gif, *made)))
    return keepingBitmap(PictureNotWrittenText(gif, *reason, BitmapKeptText(base)));
  // what an earlier failed conversion kept is the picture's no longer
  std::error_code error;
  if (std::filesystem::symlink_status(bitmap, error).type() == std::filesystem::file_type::regular)
    std::filesystem::remove(bitmap, error);
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
  // what a run that ended during its save left, and no other copy's files in use
  RemoveConvertedLeftOvers(window.State().AppPath);
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QImage picture = clipboard->image();
  if (picture.isNull()) {
    ShowMessage(NoPictureText, NoPictureTitle, MessageIcon::Critical, &window);
    clipboard->clear();
    return;
  }
  const std::string base = PictureBasePath(window.State().AppPath, NamesOfLastPaint(window.State()));
  // the warning once the program's own files are gone
  if (const std::optional<std::string> warning = SaveAsGif(picture, base)) {
    Warn(*warning, &window);
    return;
  }
  clipboard->clear();
}

}  // namespace halcyra
