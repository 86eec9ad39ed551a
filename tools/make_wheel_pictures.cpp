// Draws the chart wheels of a fixed chart into PNG files (and a printed page
// into a PDF file) without a screen: the README's pictures, and a set to
// look over when the wheel's drawing changes.
//
//   make_wheel_pictures <folder>            wheel-single.png, wheel-dual.png
//   make_wheel_pictures <folder> --review   also the European wheel, the four
//                                           dual modes and wheel-print.pdf
//
// The chart: the Apollo 11 launch of the shipped NAMES.FIL (16 July 1969,
// 9.32 A.M., zone 4 west, 80.36 W 28.36 N) with the transits of the landing
// (20 July 1969, 4.17 P.M., same zone and place). It reads the shipped
// files of appdata/, not the program folder's, which are the user's.
#include <QApplication>
#include <QPainter>
#include <QDir>
#include <QPrinter>
#include <cstdio>
#include <string>

#include "chart_input/chart_command_input.h"
#include "chart_input/input_parse.h"
#include "core/chart_driver.h"
#include "platform/gui/glyph_font.h"
#include "platform/program_files.h"
#include "shell/settings_files.h"
#include "shell/startup_data.h"
#include "shell/ui/print_target.h"
#include "state/app_state.h"
#include "state/shared_tables.h"
#include "wheels/ui/wheel_rendering.h"
#include "wheels/wheel_commands.h"

using namespace halcyra;

namespace {

InputBoxTexts Typed(const char* month, const char* day, const char* year, const char* hour, const char* minute,
                    bool pm) {
  InputBoxTexts t;
  t.Month = month, t.Day = day, t.Year = year, t.Hour = hour, t.Minute = minute, t.PM = pm;
  t.TZ = "4", t.LongDeg = "80", t.LongMin = "36", t.LatDeg = "28", t.LatMin = "36";
  return t;
}

void Save(const QImage& image, const QString& path) {
  if (!image.save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  else std::printf("%s\n", qPrintable(path));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: make_wheel_pictures <folder> [--review]\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const bool review = argc > 2 && std::string(argv[2]) == "--review";
  QDir().mkpath(folder);

  AppState& state = App();
  state.AppPath = HALCYRA_APPDATA_DIR;
  InstallGlyphFont(ProgramFile(state.AppPath, "Orvane.ttf"));
  try {
    LoadOptionsFile(state);
    LoadStartupData(state, [](const std::string&) {});
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  state.options.HouseSystem = HouseSystemFromOption(state.options.OptionValues[27]);
  const WindowReading natal = ReadWindowBoxes(Typed("7", "16", "1969", "9", "32", false), FirstNatalYear);
  const WindowReading transit = ReadWindowBoxes(Typed("7", "20", "1969", "4", "17", true), FirstTransitYear);
  ParseNatalInput(state, natal.When, natal.Where);
  ParseTransitInput(state, transit.When, transit.Where);
  SetChartNames(state, "Apollo 11 launch", "2nd Person");
  ComputeChartSets(state);

  const QSize size(1000, 760);
  WheelsSingleNatal(state);
  Save(RenderWheelImage(state, size), folder + "/wheel-single.png");
  WheelsDualTransitsNatal(state, false);
  Save(RenderWheelImage(state, size), folder + "/wheel-dual.png");
  if (!review) return 0;

  for (int mode = 0; mode <= 3; ++mode) {
    state.chart.WheelMode = mode;
    Save(RenderWheelImage(state, size), folder + QString("/wheel-dual-mode%1.png").arg(mode));
  }
  state.chart.WheelMode = 2;
  WheelsSingleNatal(state);
  state.ini.EuropeanChart = 1;
  Save(RenderWheelImage(state, size), folder + "/wheel-european.png");

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder + "/wheel-print.pdf");
  printer.setPageSize(QPageSize(QPageSize::Letter));
  state.ini.EuropeanChart = 0;
  WheelsDualTransitsNatal(state, false);
  PrintOn(printer, [&state](QPainter& painter, QPagedPaintDevice& device) {
    PrintWheelPage(state, painter, device);
  });
  std::printf("%s\n", qPrintable(folder + "/wheel-print.pdf"));
  return 0;
}
