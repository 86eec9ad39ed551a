#include "wheels/label_column.h"

#include "core/angle_helpers.h"
#include "platform/number_text.h"

namespace halcyra {

namespace {

double Whole(double x) { return static_cast<double>(RoundHalfEven(x)); }

// The label state the column is written with: the position of the next
// item, one step of the column, the current font and colour.
class LabelPen {
 public:
  LabelPen(double angle, const SurfaceTwin& twin, const TextMetrics& metrics, std::vector<TextItem>& out)
      : angle_(angle), twin_(twin), metrics_(metrics), out_(out) {}

  void MoveTo(double x, double y) { x_ = x, y_ = y; }
  void SetSize(double size) { font_.size = size; }
  void SetColour(unsigned colour) { colour_ = colour; }
  unsigned Colour() const { return colour_; }

  // The step's cell: a sample's width and the line height, each with its offset.
  void Measure(const WheelText& sample, double widthOffset, double heightOffset) {
    cellWidth_ = Whole(metrics_.TextWidth(sample, font_) + widthOffset);
    cellHeight_ = Whole(metrics_.TextHeight(font_) + heightOffset);
  }
  void MeasureDigit() { Measure(WheelText::Plain("0"), twin_.digitCellWidthOffset, twin_.digitCellHeightOffset); }
  void UseCell(const GlyphCell& cell) { cellWidth_ = cell.width, cellHeight_ = cell.height; }

  // One step along the radius towards the centre.
  void Step() {
    x_ -= CosDeg(angle_) * cellWidth_;
    y_ -= SinDeg(angle_) * cellHeight_ * twin_.stepScale;
  }

  // Large minutes close the label lines up (on the printer only near the right).
  void LineStepRule() {
    if (twin_.printer && !(angle_ <= 75 || angle_ >= 310)) return;
    if (twin_.minutesOption >= twin_.closeUpFrom) cellHeight_ = Whole(cellHeight_ - twin_.closeUpBy);
  }

  void Print(const WheelText& text, bool bold = false) {
    FontSpec font = font_;
    font.bold = bold;
    out_.push_back({x_, y_, text, font, colour_});
  }
  void PrintTens(int value, bool bold) { Print(WheelText::Plain(std::string(1, char('0' + value / 10))), bold); }
  void PrintUnits(int value, bool bold) { Print(WheelText::Plain(std::string(1, char('0' + value % 10))), bold); }

 private:
  double angle_;
  const SurfaceTwin& twin_;
  const TextMetrics& metrics_;
  std::vector<TextItem>& out_;
  double x_ = 0, y_ = 0;
  double cellWidth_ = 0, cellHeight_ = 0;
  FontSpec font_;
  unsigned colour_ = 0;
};

}  // namespace

bool IsLeftHandLabel(int house, double glyphAngle, const LabelContext& context) {
  const int first = context.rightHandFromHouse3 && !context.europeanSingle ? 3 : 4;
  return (!context.europeanSingle || (glyphAngle >= 75 && glyphAngle < 255)) &&
         (house < first || house > first + 5 || context.europeanSingle);
}

bool CarriesRetrogradeMark(int point) { return (point >= 1 && point <= 11) || point == 13 || point == 16; }

std::vector<TextItem> PlanetLabel(const PlacedPoint& placed, double longitude, bool retrograde,
                                  const LabelContext& context, const TextMetrics& metrics) {
  const SurfaceTwin& twin = *context.twin;
  const double angle = placed.glyphAngle;
  const SignDegMin split = SplitSignDegMin(longitude);
  const WheelText signGlyph = WheelText::Glyph(SignGlyphBase + split.sign);
  std::vector<TextItem> items;
  LabelPen pen(angle, twin, metrics, items);

  const double radius = placed.labelRadius * twin.radiusFactor;
  pen.SetSize(twin.glyph.size);
  pen.MoveTo(radius * CosDeg(angle), radius * SinDeg(angle));
  pen.SetColour(twin.glyph.colour);
  pen.Print(WheelText::Glyph(PointGlyphBase + placed.point));

  if (IsLeftHandLabel(placed.house, angle, context)) {
    pen.UseCell(context.glyphCell);
    pen.Step();
    pen.SetSize(twin.degrees.size);
    pen.MeasureDigit();
    pen.SetColour(twin.degrees.colour);
    pen.PrintTens(split.degrees, true);
    pen.Step();
    pen.PrintUnits(split.degrees, true);
    pen.Step();
    pen.SetSize(twin.sign.size);
    pen.SetColour(twin.sign.colour);
    pen.Print(signGlyph);
    pen.Measure(signGlyph, twin.signCellWidthOffset, twin.signCellHeightOffset);
    pen.Step();
    pen.SetSize(twin.minutes.size);
    pen.SetColour(twin.minutes.colour);
    pen.MeasureDigit();
    pen.PrintTens(split.minutes, false);
    pen.Step();
    pen.PrintUnits(split.minutes, false);
    pen.Step();
  } else {
    pen.SetColour(twin.minutes.colour);
    pen.MeasureDigit();  // in the glyph's size: room for the glyph
    pen.LineStepRule();
    pen.Step();
    pen.SetSize(twin.minutes.size);
    pen.MeasureDigit();
    pen.LineStepRule();
    pen.PrintUnits(split.minutes, false);
    pen.Step();
    pen.PrintTens(split.minutes, false);
    pen.Step();
    pen.MeasureDigit();
    pen.Step();
    pen.SetSize(twin.sign.size);
    pen.Measure(WheelText::Plain("0"), twin.signCellWidthOffset, twin.signCellHeightOffset);
    pen.SetColour(twin.sign.colour);
    pen.Print(signGlyph);
    pen.SetSize(twin.degrees.size);
    pen.SetColour(twin.degrees.colour);
    pen.MeasureDigit();
    pen.Step();
    pen.PrintUnits(split.degrees, true);
    pen.Step();
    pen.PrintTens(split.degrees, true);
    pen.Step();
  }

  if (retrograde && CarriesRetrogradeMark(placed.point)) {
    const unsigned kept = pen.Colour();
    pen.SetSize(twin.mark.size);
    pen.SetColour(twin.mark.colour);
    pen.Print(WheelText::Glyph(RetrogradeGlyph));
    pen.SetColour(kept);
  }
  return items;
}

}  // namespace halcyra
