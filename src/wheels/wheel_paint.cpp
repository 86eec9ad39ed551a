#include "wheels/wheel_paint.h"

#include "platform/number_text.h"
#include "wheels/aspect_lines.h"
#include "wheels/cusp_labels.h"
#include "wheels/house_spans.h"
#include "wheels/ring_placement.h"
#include "wheels/wheel_captions.h"
#include "wheels/wheel_frame.h"

namespace halcyra {

namespace {

template <typename Items>
void DrawItems(DrawingSurface& surface, const Items& items) {
  for (const auto& item : items) surface.Draw(item);
}

}  // namespace

GlyphCell MeasureGlyphCell(const SurfaceTwin& twin, const TextMetrics& metrics) {
  const FontSpec font{twin.glyph.size, false};
  const WheelText sample = WheelText::Glyph(GlyphCellSample);
  return {static_cast<double>(RoundHalfEven(metrics.TextWidth(sample, font) + twin.signCellWidthOffset)),
          static_cast<double>(RoundHalfEven(metrics.TextHeight(font) + twin.signCellHeightOffset))};
}

WheelPaintResult PaintWheel(DrawingSurface& surface, WheelSets& wheel, const WheelPaintInput& input) {
  const OptionTables& options = *input.options;
  const SurfaceTwin twin = TwinFor(options, input.printing);
  const bool europeanSingle = input.european && input.wheelKind == 1;
  LabelContext context;
  context.twin = &twin;
  context.europeanSingle = europeanSingle;
  context.rightHandFromHouse3 = options.OptionValues[28] == 1;
  context.glyphCell = MeasureGlyphCell(twin, surface);

  DrawItems(surface, WheelFrame(wheel.CuspRing, input.wheelKind, europeanSingle, input.whiteRingFill, surface));
  const HouseSpans spans = CalcHouseSpans(wheel.CuspRing);
  DrawItems(surface, CuspLabels(spans.CuspDisplayLon, wheel.CuspRing, europeanSingle,
                                input.tables->GlyphStrokeData, twin));

  WheelPaintResult result;
  auto drawRing = [&](int ringNo) {
    const ChartSet& set = ringNo == 1 ? wheel.Display2 : wheel.Display;
    RingInput ring;
    ring.ringNo = ringNo;
    ring.wheelKind = input.wheelKind;
    ring.european = input.european;
    ring.set = &set;
    ring.spans = &spans;
    ring.cuspRing = &wheel.CuspRing;
    ring.glyphRadius = &input.tables->GlyphRadius;
    ring.transitSelection = input.transitSelection;
    const RingPlacement placement = PlaceRingPoints(ring);
    for (const PlacedPoint& placed : placement.points) {
      const int p = placed.point;
      DrawItems(surface, PlanetLabel(placed, set.Long[p], set.Retrograde(p), context, surface));
      wheel.PointGlyphAngle[p] = result.PointGlyphAngle[p] = placed.glyphAngle;
      wheel.RingPointWork[p] = result.RingPointWork[p] = placed.slot;
      result.drawn[static_cast<size_t>(p)] = true;
    }
    if (ringNo == 1) wheel.Ring1PointWork = placement.RingPointWork;
    result.RetroFlags = set.RetroFlags;
    result.HouseTags = set.HouseTags;
    return placement;
  };

  const RingPlacement outer = drawRing(1);
  if (input.wheelKind == 1 && options.OptionValues[47] == 1)
    DrawItems(surface, SingleWheelAspectLines(wheel.Display2.Long, outer.PointGlyphAngle, outer.drawn,
                                              options.AspectOrb, WheelFrameRadii.singleAspect));
  if (input.wheelKind == 2) drawRing(0);

  DrawItems(surface, WheelCaptions(wheel.ChartTitle, wheel.ChartTitle2, input.wheelKind, surface.Area(), twin, surface,
                                   input.footerLines));
  return result;
}

}  // namespace halcyra
