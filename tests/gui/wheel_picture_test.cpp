// The wheel's picture as the user keeps it: copied with Alt+Print or Ctrl+C,
// saved as a GIF through a stand-in or the real converter, printed on half
// a page; white where the window is white, and a save that fails says so and
// leaves nothing half-written behind.
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <cmath>
#include <fstream>
#include <map>
#include <set>
#include <sys/stat.h>

#include "shell/ui/print_target.h"
#include "support/file_faults.h"
#include "wheel_commands_fixture.h"
#include "wheels/picture_file.h"
#include "wheels/ui/wheel_print.h"
#include "wheels/wheel_frame.h"

namespace halcyra {
namespace {

namespace fs = std::filesystem;

constexpr unsigned White = 0xFFFFFF;

std::string Hex(QRgb rgb) { return QString::number(rgb & 0xFFFFFF, 16).rightJustified(6, '0').toStdString(); }

// Opaque and within `tolerance` of `rgb` in every channel.
bool Near(QRgb pixel, unsigned rgb, int tolerance = 8) {
  const auto near = [&](int got, unsigned shift) { return std::abs(got - int(rgb >> shift & 255)) <= tolerance; };
  return qAlpha(pixel) == 255 && near(qRed(pixel), 16) && near(qGreen(pixel), 8) && near(qBlue(pixel), 0);
}
int Brightest(QRgb pixel) { return std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}); }

// Where the wheel lies in a picture of the window's proportions: its
// height spans the wheel's +-StartScale round the centre.
struct WheelOnImage {
  explicit WheelOnImage(const QRectF& picture)
      : centre(picture.center()), pixelsPerUnit(picture.height() / (2.0 * App().ini.StartScale)) {}
  QPoint At(double radius, double degrees) const {
    const double a = degrees * M_PI / 180;
    return QPointF(centre.x() + radius * pixelsPerUnit * std::cos(a), centre.y() - radius * pixelsPerUnit * std::sin(a))
        .toPoint();
  }
  QPointF centre;
  double pixelsPerUnit;
};

// The most common colour round a circle of the wheel: the glyphs and lines
// crossing it are outvoted by the band they stand on.
unsigned RingColour(const QImage& image, const WheelOnImage& wheel, double radius) {
  std::map<unsigned, int> votes;
  for (int degree = 0; degree < 360; ++degree) ++votes[image.pixel(wheel.At(radius, degree + 0.5)) & 0xFFFFFF];
  return std::ranges::max_element(votes, {}, &std::pair<const unsigned, int>::second)->first;
}

// The share of angles at which the circle's thin grey line shows within
// two pixels of its radius.
double CircleShown(const QImage& image, const WheelOnImage& wheel, double radius) {
  int shown = 0;
  for (int degree = 0; degree < 360; degree += 2)
    for (double d = -2; d <= 2; d += 0.5)
      if (Brightest(image.pixel(wheel.At(radius + d / wheel.pixelsPerUnit, degree + 0.5))) < 0xC0) {
        ++shown;
        break;
      }
  return shown / 180.0;
}

// What keeps a picture of the wheel from looking as the window does: its
// corners white, the bands at the given radii in their colours, the circles
// drawn, the caption's corner white with dark letters.
std::vector<std::string> PictureFaults(const QImage& image, const QRectF& picture,
                                       const std::vector<std::pair<double, unsigned>>& bands) {
  std::vector<std::string> faults;
  const QRect inside = picture.toAlignedRect().adjusted(3, 3, -3, -3);  // clear of a scaled edge's blending
  for (const QPoint& p : {inside.topLeft(), inside.topRight(), inside.bottomLeft(), inside.bottomRight()})
    if (!Near(image.pixel(p), White)) faults.push_back("corner " + Hex(image.pixel(p)));
  const WheelOnImage wheel(picture);
  for (const auto& [radius, colour] : bands)
    if (!Near(0xFF000000 | RingColour(image, wheel, radius), colour))
      faults.push_back("band at " + std::to_string(radius) + ": " + Hex(RingColour(image, wheel, radius)));
  const FrameRadii r = WheelFrameRadii;
  for (const double circle : {r.rim, r.planetBand, r.dualSeparator})
    if (CircleShown(image, wheel, circle) < 0.9) faults.push_back("circle at " + std::to_string(circle));
  const QRect caption(inside.topLeft(), QSize(inside.width() / 4, inside.height() / 6));
  int dark = 0, white = 0;
  for (int y = caption.top(); y <= caption.bottom(); ++y)
    for (int x = caption.left(); x <= caption.right(); ++x) {
      dark += Brightest(image.pixel(x, y)) < 0x70;
      white += Near(image.pixel(x, y), White, 16);
    }
  if (white < caption.width() * caption.height() * 7 / 10 || dark < 40)
    faults.push_back("caption: " + std::to_string(white) + " white, " + std::to_string(dark) + " dark pixels");
  return faults;
}

std::set<std::string> Listing(const std::string& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename().string());
  return names;
}

std::string Output(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0) return "(" + program.toStdString() + " failed)";
  return process.readAllStandardOutput().toStdString();
}

// A stand-in converter in a folder put first on the PATH: it writes the
// folder it runs in and its arguments, one a line, beside itself, then runs
// the given shell lines.
class SavePicture : public testing::WheelCommandsTest {
 protected:
  void SetUp() override {
    testing::WheelCommandsTest::SetUp();
    App().AppPath = testing::ScratchProgramFolder("Zoë-Åsa", {".ORB"});  // a name not all ASCII
    bin = testing::ScratchDir("fake-converter");
    path = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (bin + ":" + path).c_str(), 1);
  }
  void TearDown() override {
    setenv("PATH", path.c_str(), 1);
    testing::WheelCommandsTest::TearDown();
  }
  void Converter(const std::string& lines) const {
    std::ofstream(bin + "/convert") << "#!/bin/sh\n{ pwd; printf '%s\\n' \"$@\"; } > \"$(dirname \"$0\")/arguments\"\n"
                                    << lines << "\n";
    fs::permissions(bin + "/convert", fs::perms::owner_all);
  }
  std::vector<std::string> Arguments() const {
    return ReadTextLines(bin + "/arguments").value_or(std::vector<std::string>{"<none>"});
  }
  // A key pressed in the active wheel window, as the desktop hands it on.
  static void Press(QKeyCombination keys) {
    WheelsWindow* w = TheWheelsWindow();
    ASSERT_NE(w, nullptr);
    w->activateWindow();
    for (int i = 0; i < 100 && !w->isActiveWindow(); ++i) QCoreApplication::processEvents();
    ASSERT_TRUE(w->isActiveWindow());
    QKeyEvent press(QEvent::KeyPress, keys.key(), keys.keyboardModifiers());
    QApplication::sendEvent(w, &press);
  }
  static QImage Clipboard() { return QGuiApplication::clipboard()->image(); }
  static QImage Shown() { return TheWheelsWindow()->Picture().convertToFormat(QImage::Format_RGB32); }

  std::string bin, path;
};

// Where the desktop keeps Alt+Print for itself, Ctrl+C still copies.
TEST_F(SavePicture, AltPrintAndCtrlCBothCopyTheWheelToTheClipboard) {
  Main("mnuWheelsSingleNatal");
  for (const QKeyCombination keys : {Qt::ALT | Qt::Key_Print, Qt::CTRL | Qt::Key_C}) {
    QGuiApplication::clipboard()->clear();
    Press(keys);
    EXPECT_FALSE(Clipboard().isNull()) << QKeySequence(keys).toString().toStdString();
    EXPECT_EQ(Clipboard().convertToFormat(QImage::Format_RGB32), Shown())
        << QKeySequence(keys).toString().toStdString();
  }
}

// Shows each message in a real box, as the program does, and keeps the
// text the box shows.
struct OnScreenSink : testing::RecordingSink {
  QStringList onScreen;
  void Message(const std::string& text, const std::string& title, MessageIcon icon) override {
    RecordingSink::Message(text, title, icon);
    QTimer::singleShot(0, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      onScreen << (box ? box->text() : "<no box>");
      if (box) box->accept();
    });
    testing::LoopWatchdog watchdog("message box");
    ShowMessageBox(text, title, icon, nullptr);
  }
};

TEST_F(SavePicture, TheClipboardPictureBecomesAGifNamedAfterTheCharts) {
  OnScreenSink sink;
  InputD().SetNameText("Zo\xEB: 1/2\thouse?");  // Latin-1, as the names file holds it
  App().services.CalculateChart(App());
  Main("mnuWheelsDualNatTran");
  Wheel("mnuSavePicture");
  EXPECT_EQ(sink.Boxes(), std::vector<std::string>{std::string(NoPictureTitle) + ": " + NoPictureText});

  // mode 2: the transits outside, the natal chart inside with its date
  const std::string base = App().AppPath + "/Transits and Zoë: 1-2-house? - natal on 16 Jul 1969";
  std::ofstream(base + ".gif") << "older picture";
  Converter("cp \"$1\" \"$2\"");
  Press(Qt::ALT | Qt::Key_Print);
  const std::set<std::string> before = Listing(App().AppPath);
  std::ofstream(base + ".bmp") << "kept by an earlier failed conversion";
  Wheel("mnuSavePicture");
  // converted in the picture's folder on names of the program's own alone,
  // which hold nothing of the chart's, then put in place
  const std::vector<std::string> arguments = Arguments();
  ASSERT_EQ(arguments.size(), 3u);
  EXPECT_EQ(arguments[0], App().AppPath) << "run in";
  for (const auto& [name, extension] : {std::pair{arguments[1], ".bmp"}, {arguments[2], ".gif"}}) {
    EXPECT_TRUE(IsConvertedFileName(name)) << name;
    EXPECT_EQ(fs::path(name).extension(), extension) << name;
  }
  EXPECT_EQ(QImage(QString::fromStdString(base + ".gif")).convertToFormat(QImage::Format_RGB32), Shown())
      << "the new picture replaced the older one";
  EXPECT_EQ(Listing(App().AppPath), before) << "no bitmap, no converter's file left";
  std::ofstream(App().AppPath + "/made here") << "x";
  EXPECT_EQ(fs::status(base + ".gif").permissions(), fs::status(App().AppPath + "/made here").permissions())
      << "the GIF is made with the usual permissions";
  EXPECT_TRUE(Clipboard().isNull()) << "the clipboard emptied";
  EXPECT_EQ(sink.shown.size(), 1u);

  // in a folder of Chinese letters too, which a failure's message names as it is named
  App().AppPath = testing::ScratchDir("占星术图片");
  const std::string chinese = App().AppPath + "/Transits and Zoë: 1-2-house? - natal on 16 Jul 1969";
  Converter("exit 1");
  Press(Qt::ALT | Qt::Key_Print);
  Wheel("mnuSavePicture");
  EXPECT_EQ(sink.onScreen.back().toStdString(), ConverterFailedText(chinese, true, false, ""));
  Converter("cp \"$1\" \"$2\"");
  Wheel("mnuSavePicture");
  EXPECT_EQ(Listing(App().AppPath), std::set<std::string>{fs::path(chinese + ".gif").filename().string()});
}

// Whatever the converter does, only a GIF it wrote in this run replaces the
// older one; otherwise the picture stays as the .bmp and the user is told.
TEST_F(SavePicture, AFailedConversionKeepsTheBitmapAndTheOlderGif) {
  testing::RecordingSink sink;
  Main("mnuWheelsSingleNatal");
  const std::string base = App().AppPath + "/Apollo 11 launch - natal";
  const std::string bmp = base + ".bmp", gif = base + ".gif";
  enum class Older { None, Gif, AtGif, AtBitmap };
  struct Row {
    const char* what;
    const char* converter;  // nullptr: none on the PATH
    Older older;
    const char* said = "";  // what the converter writes
    std::string refused = "";  // AtGif, AtBitmap: "a folder", "a named pipe" or "a device"
  };
  const Row rows[] = {
      {"fails and says why", "echo ' convert: unable to open image' >&2; echo 'no images defined'; exit 3", Older::Gif,
       " convert: unable to open image\nno images defined\n"},
      {"ends well but writes nothing", "exit 0", Older::None},
      {"writes a part and fails", "printf GIF8 > \"$2\"; exit 1", Older::Gif},
      {"is not there", nullptr, Older::Gif},
      {"converts, but a folder holds the GIF's name", "cp \"$1\" \"$2\"", Older::AtGif, "", "a folder"},
      {"converts, but a named pipe holds the GIF's name", "cp \"$1\" \"$2\"", Older::AtGif, "", "a named pipe"},
      {"fails, and a folder holds the bitmap's name", "exit 1", Older::AtBitmap, "", "a folder"},
      {"fails, and a link to a device holds the bitmap's name", "exit 1", Older::AtBitmap, "", "a device"},
  };
  for (const Row& row : rows) {
    fs::remove_all(bmp);
    fs::remove_all(gif);
    fs::remove(bin + "/arguments");
    sink.shown.clear();
    if (row.older == Older::Gif) std::ofstream(gif) << "older picture";
    const std::string& at = row.older == Older::AtGif ? gif : bmp;
    if (row.refused == "a folder") fs::create_directory(at);
    if (row.refused == "a named pipe") {
      ASSERT_EQ(mkfifo(at.c_str(), 0600), 0);
    }
    if (row.refused == "a device") fs::create_symlink("/dev/null", at);
    const fs::file_type standing = fs::symlink_status(at).type();
    if (row.converter) {
      Converter(row.converter);
      setenv("PATH", (bin + ":" + path).c_str(), 1);
    } else {
      fs::remove(bin + "/convert");
      setenv("PATH", bin.c_str(), 1);
    }
    Press(Qt::ALT | Qt::Key_Print);
    const std::set<std::string> before = Listing(App().AppPath);
    Wheel("mnuSavePicture");

    ASSERT_EQ(sink.shown.size(), 1u) << row.what;
    const std::string& text = sink.shown[0].text;
    if (!row.refused.empty()) {
      const std::string afterwards = row.older == Older::AtGif ? BitmapKeptText(base) : PictureStillOnClipboard;
      EXPECT_EQ(text, PictureNotWrittenText(at, "not a file but " + row.refused, afterwards));
      EXPECT_EQ(fs::symlink_status(at).type(), standing) << row.what << ": it stays";
    } else {
      EXPECT_EQ(text, ConverterFailedText(base, row.converter != nullptr, row.older == Older::Gif, row.said))
          << row.what;
      EXPECT_EQ(ReadWholeFile(gif).value_or("<none>"), row.older == Older::Gif ? "older picture" : "<none>")
          << row.what;
    }
    if (row.converter) {
      EXPECT_TRUE(IsConvertedFileName(Arguments().at(1))) << row.what;
    }
    if (row.older == Older::AtBitmap) {
      EXPECT_EQ(Listing(App().AppPath), before) << row.what << ": nothing is new";
    } else {
      EXPECT_EQ(QImage(QString::fromStdString(bmp)).convertToFormat(QImage::Format_RGB32), Shown()) << row.what;
      std::set<std::string> expected = before;
      expected.insert(fs::path(bmp).filename().string());
      EXPECT_EQ(Listing(App().AppPath), expected) << row.what << ": only the bitmap is new";
    }
    EXPECT_FALSE(Clipboard().isNull()) << row.what << ": the picture is still on the clipboard";
  }
}

// A bitmap that cannot be written is named with the reason; nothing of it
// stays, the converter is not run and the picture stays on the clipboard.
TEST_F(SavePicture, ABitmapThatCannotBeWrittenIsReportedAndNothingIsLeft) {
  testing::RecordingSink sink;
  Converter("cp \"$1\" \"$2\"");
  Main("mnuWheelsSingleNatal");
  const std::string folder = App().AppPath;
  const std::string blocker = testing::ScratchDir("picture-blocker") + "/not a folder";
  std::ofstream(blocker) << "a file";
  std::optional<testing::ScopedFileSizeLimit> sizeLimit;
  std::optional<testing::ScopedReadOnlyFolder> readOnly;
  struct Row {
    const char* what;
    std::string programFolder;
    std::function<void()> block, unblock;
  };
  std::vector<Row> rows = {
      {"the program folder is a file", blocker, [] {}, [] {}},
      // as on a full disk: the writes stop part-way through the picture
      {"writes that stop after 4 KB", folder, [&] { sizeLimit.emplace(4096); }, [&] { sizeLimit.reset(); }},
      {"a read-only folder", folder, [&] { readOnly.emplace(folder); }, [&] { readOnly.reset(); }},
  };
  for (const Row& row : rows) {
    sink.shown.clear();
    fs::remove(bin + "/arguments");
    Press(Qt::ALT | Qt::Key_Print);
    const std::string above = fs::path(row.programFolder).parent_path().string();
    const std::set<std::string> before = Listing(folder), beforeAbove = Listing(above);
    row.block();
    App().AppPath = row.programFolder;
    Wheel("mnuSavePicture");
    App().AppPath = folder;
    row.unblock();

    const std::string bmp = row.programFolder + "/Apollo 11 launch - natal.bmp";
    ASSERT_EQ(sink.shown.size(), 1u) << row.what;
    const std::string& text = sink.shown[0].text;
    EXPECT_EQ(sink.shown[0].title, PictureWarningTitle);
    const std::string named = "The picture could not be written to " + bmp + ": ";
    ASSERT_TRUE(text.starts_with(named)) << text;
    const std::string reason = text.substr(named.size(), text.find(".\r\n") - named.size());
    EXPECT_FALSE(reason.empty()) << row.what;
    EXPECT_EQ(text, PictureNotWrittenText(bmp, reason, PictureStillOnClipboard));
    EXPECT_EQ(Arguments(), std::vector<std::string>{"<none>"}) << row.what << ": nothing converted";
    EXPECT_EQ(Listing(folder), before) << row.what << ": nothing half-written";
    EXPECT_EQ(Listing(above), beforeAbove) << row.what;
    EXPECT_EQ(Clipboard().convertToFormat(QImage::Format_RGB32), Shown()) << row.what;
  }
}

// A run ended while the converter worked leaves the converter's file, named
// by QTemporaryFile from its template. The next Save picture removes such
// files once they are old enough to be in no other copy's use, and none of
// the user's with a name like theirs.
TEST_F(SavePicture, TheNextSaveRemovesWhatAnEndedRunLeftAndNothingElse) {
  testing::RecordingSink sink;
  Main("mnuWheelsSingleNatal");
  const std::string folder = App().AppPath;
  std::set<std::string> leftOvers;
  for (int i = 0; i < 3; ++i) {
    QTemporaryFile converted(QString::fromStdString(folder + "/" + ConvertedFileTemplate));
    ASSERT_TRUE(converted.open());
    converted.write("GIF89a, cut short");
    converted.close();  // written out before its time is set
    converted.setAutoRemove(false);
    fs::last_write_time(converted.fileName().toStdString(), fs::file_time_type::clock::now() - LeftOverAge);
    leftOvers.insert(QFileInfo(converted.fileName()).fileName().toStdString());
  }
  for (const std::string& name : leftOvers) EXPECT_TRUE(IsConvertedFileName(name)) << name;
  const std::vector<std::string> users = {"picture-ABCDEF.gif", ".picture-ABC.gif", ".picture-ABCDEF.gif.bak", "x.gif"};
  for (const std::string& name : users) std::ofstream(folder + "/" + name) << name;
  std::set<std::string> expected = Listing(folder);
  for (const std::string& name : leftOvers) expected.erase(name);
  expected.insert("Apollo 11 launch - natal.gif");

  Converter("cp \"$1\" \"$2\"");
  Press(Qt::ALT | Qt::Key_Print);
  Wheel("mnuSavePicture");
  EXPECT_TRUE(sink.shown.empty()) << sink.Boxes().front();
  EXPECT_EQ(Listing(folder), expected) << "the left-overs gone, the picture saved";
  for (const std::string& name : users) EXPECT_EQ(ReadWholeFile(folder + "/" + name), name) << "the user's " << name;
}

// The GIF the real converter makes is the window's picture: white round
// the wheel, the bands in their colours, the caption dark on white.
TEST_F(SavePicture, TheSavedGifIsWhiteWithTheRingsAsTheWindowShowsThem) {
  if (QStandardPaths::findExecutable("convert").isEmpty()) GTEST_SKIP() << "ImageMagick's convert is not installed";
  testing::RecordingSink sink;
  Main("mnuWheelsDualNatTran");
  Press(Qt::CTRL | Qt::Key_C);
  Wheel("mnuSavePicture");
  EXPECT_TRUE(sink.shown.empty()) << sink.Boxes().front();
  const QImage gif(QString::fromStdString(App().AppPath + "/Transits and Apollo 11 launch - natal on 16 Jul 1969.gif"));
  const QImage shown = TheWheelsWindow()->centralWidget()->grab().toImage();
  ASSERT_EQ(gif.size(), shown.size());
  const FrameRadii r = WheelFrameRadii;
  const FrameStyle& s = WheelFrameStyle;
  const std::vector<std::pair<double, unsigned>> bands = {{(r.rim + r.planetBand) / 2, s.labelBand},
                                                          {(r.planetBand + r.dualSeparator) / 2, s.planetRing},
                                                          {(r.dualSeparator + r.dualInner) / 2, s.innerRing},
                                                          {(r.dualInner + r.dualCentre) / 2, s.houseNumberRing},
                                                          {r.dualCentre / 2, s.centre},
                                                          {r.rim + 10, White}};
  EXPECT_EQ(PictureFaults(shown, QRectF(shown.rect()), bands), std::vector<std::string>{}) << "the window";
  EXPECT_EQ(PictureFaults(gif, QRectF(gif.rect()), bands), std::vector<std::string>{}) << "the GIF";
}

// Characters that ImageMagick reads as its own syntax in a file name
// (patterns, frame lists, format prefixes, file lists, scene numbers, an
// option) never reach it: each chart name gives its GIF.
TEST_F(SavePicture, AnyChartNameGivesAGifThroughTheRealConverter) {
  if (QStandardPaths::findExecutable("convert").isEmpty()) GTEST_SKIP() << "ImageMagick's convert is not installed";
  testing::RecordingSink sink;
  for (const std::string name : {"Will I get the job?", "5 * 3", "[draft] 1", "a ] b", "{x,y}", "} z", "Q: a",
                                 "me@home", "@list", "100%", "scene %d", "-x question"}) {
    InputD().SetNameText(name);
    App().services.CalculateChart(App());
    Main("mnuWheelsSingleNatal");
    Press(Qt::CTRL | Qt::Key_C);
    Wheel("mnuSavePicture");
    const QImage gif(QString::fromStdString(App().AppPath + "/" + name + " - natal.gif"));
    EXPECT_EQ(gif.size(), Shown().size()) << name;
  }
  EXPECT_EQ(sink.Boxes(), std::vector<std::string>{});
}

// The half page holds the window's picture with white rings on white: the
// circles and the caption dark, no black behind them.
TEST_F(SavePicture, TheHalfPageIsWhiteWithDarkRingsAndCaption) {
  testing::RecordingSink sink;
  Main("mnuWheelsDualNatTran");
  const std::string pdf = testing::ScratchDir("half-page") + "/half.pdf";
  App().services.PrintToPdfFile = pdf;
  sink.yesNoCancel = Answer::No;
  Wheel("mnuPrintChartwheel");
  EXPECT_TRUE(sink.shown.empty()) << sink.Boxes().front();

  // the page as pdftoppm draws it; the picture's pixels as pdfimages lists them
  constexpr int dpi = 144;
  Output("pdftoppm", {"-r", QString::number(dpi), "-png", "-singlefile", QString::fromStdString(pdf),
                   QString::fromStdString(pdf)});
  const QImage page(QString::fromStdString(pdf + ".png"));
  const QStringList list = QString::fromStdString(Output("pdfimages", {"-list", QString::fromStdString(pdf)}))
                               .split('\n', Qt::SkipEmptyParts);
  ASSERT_GE(list.size(), 3) << "a picture";
  const QStringList fields = list[2].split(' ', Qt::SkipEmptyParts);
  const QSizeF picture(fields.value(3).toInt(), fields.value(4).toInt());
  ASSERT_FALSE(page.isNull() || picture.isEmpty());
  // drawn from the printable area's top left, as large as half of it allows
  QPrinter printer(QPrinter::HighResolution);
  DirectPrinterToPdfFile(App(), printer);
  const QRectF paint = printer.pageLayout().paintRect(QPageLayout::Point);
  const QRectF onPage(paint.topLeft() * dpi / 72,
                      picture.scaled(paint.width(), paint.height() / 2, Qt::KeepAspectRatio) * dpi / 72);
  const FrameRadii r = WheelFrameRadii;
  const std::vector<std::pair<double, unsigned>> whiteBands = {{(r.rim + r.planetBand) / 2, White},
                                                               {(r.dualSeparator + r.dualInner) / 2, White}};
  EXPECT_EQ(PictureFaults(page, onPage, whiteBands), std::vector<std::string>{});
  const QRect inside = onPage.toAlignedRect();
  int dark = 0;
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x) dark += Brightest(page.pixel(x, y)) < 0x70;
  EXPECT_LT(dark, inside.width() * inside.height() / 10) << "no black behind the wheel";
}

}  // namespace
}  // namespace halcyra

