#include "wheels/ui/voruv_edud_window.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "platform/gui/busy_pointer.h"
#include "platform/gui/glyph_font.h"
#include "platform/gui/qb_colors.h"
#include "platform/gui/twips.h"
#include "shell/ui/latin1_text.h"
#include "shell/ui/window_frames.h"

namespace halcyra {

namespace {

QPointer<VoruvEdudWindow> g_window;

// Glyph codes measured for the geometry.
constexpr int MeasuredSignGlyph = SignGlyphBase + 3;  // Gemini
constexpr int SunGlyph = PointGlyphBase + Sun;

QFont GlyphFont(const StripFont& strip) {
  QFont font("Orvane");
  font.setPointSizeF(strip.size);
  font.setBold(strip.bold);
  return font;
}

// The natal chart, which carries its moment and place, with the A.M./P.M.
// the natal window's caption shows.
ChartSet NatalStripChart(const AppState& state) {
  ChartSet chart = state.chart.Natal;
  chart.AmPm = state.input.NatalAmPmCaption;
  return chart;
}

}  // namespace

VoruvEdudWindow::VoruvEdudWindow(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("AstrLine");
  setWindowTitle("VoruvEdud");
  setAttribute(Qt::WA_DeleteOnClose);
  SetBusyPointer(true);
  const IniSettings& ini = state.ini;
  move(PixelsFromTwipsX(ini.AstrLineLeft), PixelsFromTwipsY(ini.AstrLineTop));
  sizingInProgress_ = true;
  resize(std::max(PixelsFromTwipsX(ini.AstrLineWidth), 1), height());
  sizingInProgress_ = false;
  FitHeight();
  SetBusyPointer(false);
}

StripMetrics VoruvEdudWindow::Measure() const {
  const StripFonts fonts = StripFontsFromOptions(state_.options);
  const double tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
  const QFontMetricsF direct(GlyphFont(fonts.directPoint), this);
  const QFontMetricsF sign(GlyphFont(fonts.signGlyph), this);
  const QFontMetricsF house(GlyphFont(fonts.houseNumber), this);
  StripMetrics m;
  m.digitWidth = direct.horizontalAdvance('0') * tx;
  m.digitHeight = direct.height() * ty;
  m.signGlyphWidth = sign.horizontalAdvance(GlyphText(MeasuredSignGlyph)) * tx;
  m.signLineHeight = sign.height() * ty;
  m.overlapWidth = sign.horizontalAdvance(GlyphText(SunGlyph)) * tx;
  m.houseDigitWidth = house.horizontalAdvance('1') * tx;
  return m;
}

std::string VoruvEdudWindow::HeaderText() const {
  return StripHeaderText(state_.chart.ChartName, NatalStripChart(state_), state_.flags.DateFormat);
}

StripLayout VoruvEdudWindow::CurrentLayout() const {
  return LayOutStrip(NatalStripChart(state_), HeaderText(), state_.options, Measure(),
                     TwipsFromPixelsX(width()));
}

int VoruvEdudWindow::NeededHeight(const StripLayout& layout) const {
  // The strip's height counts the window's frame, as every stored window
  // height does; the frame is known once the window is on screen.
  const auto frame = isVisible() ? KnownFrameMargins(*this) : std::nullopt;
  const int frameExtra = frame ? frame->top() + frame->bottom() : 0;
  return std::max(PixelsFromTwipsY(layout.height) - frameExtra, 1);
}

void VoruvEdudWindow::FitHeight() {
  const int needed = NeededHeight(CurrentLayout());
  if (minimumHeight() == needed && maximumHeight() == needed && height() == needed) return;
  sizingInProgress_ = true;
  setFixedHeight(needed);
  sizingInProgress_ = false;
}

void VoruvEdudWindow::RecordGeometry() {
  IniSettings& ini = state_.ini;
  // Position counts the frame, width the inside, as the main window's do.
  ini.AstrLineWidth = RecordedTwipsX(ini.AstrLineWidth, width());
  const QPoint corner = ExpectedFrame(*this).topLeft();  // pos() may count no frame yet
  ini.AstrLineLeft = RecordedTwipsX(ini.AstrLineLeft, corner.x());
  ini.AstrLineTop = RecordedTwipsY(ini.AstrLineTop, corner.y());
}

void VoruvEdudWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (sizingInProgress_) return;
  RecordGeometry();
  // A new width may move points together or apart.
  FitHeight();
}

void VoruvEdudWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  FitHeight();  // the frame is known now
}

// The place is kept where the strip stands when it closes (and at exit),
// wherever the user or the placement moved it: a move before the window
// manager has framed the window does not tell where its frame will stand.
void VoruvEdudWindow::closeEvent(QCloseEvent* event) {
  RecordGeometry();
  QWidget::closeEvent(event);
}

void VoruvEdudWindow::paintEvent(QPaintEvent*) {
  const StripLayout layout = CurrentLayout();
  const double tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
  QPainter painter(this);
  painter.fillRect(rect(), QBColor(layout.background));
  for (const StripMark& mark : layout.marks) {
    if (const auto* line = std::get_if<StripLine>(&mark)) {
      painter.setPen(QBColor(line->colour));
      painter.drawLine(QPointF(std::round(line->x1 / tx), std::round(line->y1 / ty)),
                       QPointF(std::round(line->x2 / tx), std::round(line->y2 / ty)));
    } else {
      const auto& text = std::get<StripText>(mark);
      const QFont font = GlyphFont(text.font);
      painter.setFont(font);
      painter.setPen(QBColor(text.colour));
      // Text is placed by its top edge, drawn from its baseline.
      const double ascent = QFontMetricsF(font, this).ascent();
      painter.drawText(QPointF(text.left / tx, text.top / ty + ascent),
                       text.glyph ? GlyphText(text.glyph) : FromLatin1(text.text));
    }
  }
  // A chart or options changed since the height was set: fit it after this
  // paint, never inside it.
  if (NeededHeight(layout) != height() && !fitPending_) {
    fitPending_ = true;
    QTimer::singleShot(0, this, [this] {
      fitPending_ = false;
      FitHeight();
    });
  }
}

VoruvEdudWindow* ShowVoruvEdud(AppState& state) {
  if (g_window) g_window->close();
  g_window = new VoruvEdudWindow(state);
  g_window->show();
  return g_window;
}

VoruvEdudWindow* TheVoruvEdudWindow() { return g_window; }

}  // namespace halcyra
