#pragma once
// The chart wheel in plain characters, for a report page: 25 rows of 79
// characters with the horizon, the meridian and eight cusp lines in "*",
// the twelve cusps labelled with degree and sign at the rim, and the
// points Sun to Chiron in their house sectors as 7-character entries
// ("SU25Gem": the point, its whole degrees, its sign). The picture shows
// one chart: the chart of the single wheel or of a dual wheel's outer ring,
// in the cusps that framed the wheel, with the slots that ring gave its
// points.
#include <array>
#include <string>
#include <vector>

#include "state/app_state.h"
#include "state/chart_set.h"
#include "state/line_sink.h"
#include "state/wheel_sets.h"

namespace halcyra {

inline constexpr int AsciiRowCount = 25;
inline constexpr int AsciiRowWidth = 79;
inline constexpr int AsciiPointCount = 13;  // Sun to Chiron
inline constexpr int AsciiSlotsPerHouse = 7;
inline constexpr int AsciiEntryWidth = 7;

struct AsciiPlace {
  int row = 0, column = 0;  // of the entry's first character, both from 1
};
// Slot s (0 to 6) of house h is entry 7 (h - 1) + s + 1; entries 85 to 91
// repeat house 1's places, so a crowded house 12 runs on into house 1 as
// every other house runs on into the next. Entry 0 is unused.
using AsciiLayout = std::array<AsciiPlace, 12 * AsciiSlotsPerHouse + AsciiSlotsPerHouse + 1>;
const AsciiLayout& AsciiSlotLayout();

// One point written into the picture: its house and the slot counted from
// the house's first place (past 6 it stands on the next house's places).
struct AsciiEntry {
  int point = 0, house = 0, slot = 0;
};
// The points of `chart` (its longitudes and house tags) in the order they
// are written: by rising longitude, the house that holds 0 Aries last. In a
// house of more than seven points the N. Node and the Part of Fortune are
// left out; a house's lone point stands at slot 4 when its ring slot was 4
// or more. Points without a house are left out.
std::vector<AsciiEntry> PlaceAsciiPoints(const ChartSet& chart, const PointArray& ringSlots);

// The 25 rows: frame, cusp labels, then the points, each write replacing
// what stood under it.
std::vector<std::string> AsciiWheelRows(const ChartSet& chart, const CuspTable& cuspRing,
                                        const PointArray& ringSlots);

// What the wheel window's last paint left for the picture: the chart of
// ring 1 (display set 2) with its house tags, the framing cusps, ring 1's
// slots and that chart's caption block. On a single wheel and in modes 0
// and 1 of a dual wheel this is the first wheel set with its caption.
struct TextWheelView {
  const ChartSet& chart;
  const CuspTable& cuspRing;
  const PointArray& ringSlots;
  const CaptionBlock& caption;
};
TextWheelView TextWheelOf(const WheelSets& wheel);

// The caption's lines 1 to 7 after five blanks, then the 25 rows.
void DrawAsciiWheel(LineSink& sink, const TextWheelView& view);

// The ASCII page's body: a blank line, the picture, the natal degree grid.
void WriteTextChartWheel(LineSink& sink, const WheelSets& wheel, const ChartSet& natal);
// The wheel window's ASCII page: a new page holding the picture of the last
// paint and the degree grid of the natal set (the caller shows it).
void TextChartWheelPage(AppState& state);

}  // namespace halcyra
