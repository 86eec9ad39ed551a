#include "wheels/ring_placement.h"

#include <algorithm>
#include <cmath>

#include "core/angle_helpers.h"
#include "platform/number_text.h"
#include "state/shared_tables.h"

namespace halcyra {

namespace {

int MaskValue(char c) { return c >= '1' && c <= '9' ? 1 : 0; }

// The cusp entry of the house after house h.
int NextHouseCuspEntry(int house) { return house <= 8 ? house + 4 : house - 8; }

}  // namespace

RingSetup RingSetupFor(int ringNo, int wheelKind) {
  RingSetup setup;
  if (wheelKind == 2 && ringNo == 0) {
    setup.SlotsPerHouse = 5;
    setup.SlotWidth = 5.3;
    setup.RingBase = RingBaseDualInner;
    setup.RingRadius = RingRadiusDualInner;
  } else {
    setup.SlotsPerHouse = 7;
    setup.SlotWidth = 4.0;
    setup.RingBase = RingBaseMain;
  }
  return setup;
}

SortedRing SortRingPoints(const PointArray& longitudes) {
  SortedRing ring;
  for (int i = 1; i <= NumPoints; ++i) {
    ring.SortIndex[i] = i;
    ring.SortKey[i] = longitudes[i];
  }
  // An exchange sort into descending longitude; equal keys stay as they are.
  for (int i = 1; i < NumPoints; ++i)
    for (int j = i + 1; j <= NumPoints; ++j)
      if (ring.SortKey[j] > ring.SortKey[i]) {
        std::swap(ring.SortKey[i], ring.SortKey[j]);
        std::swap(ring.SortIndex[i], ring.SortIndex[j]);
      }
  return ring;
}

void GroupRingPointsByHouse(SortedRing& ring, const ChartSet& set) {
  ring.HouseCount.fill(0);
  for (int i = 1; i <= NumPoints; ++i) {
    const int house = set.HouseOf(ring.SortIndex[i]);
    ring.PointHouse[i] = house;
    if (house >= 0 && house <= 12) ring.HouseCount[static_cast<size_t>(house)] += 1;
  }
  // ASC and MC carry house 0, so the turning ends; with tags that put every
  // point in one house it stops after a full turn.
  for (int turns = 0; turns < NumPoints && ring.PointHouse[NumPoints] == ring.PointHouse[1]; ++turns) {
    std::rotate(ring.SortKey.begin() + 1, ring.SortKey.end() - 1, ring.SortKey.end());
    std::rotate(ring.SortIndex.begin() + 1, ring.SortIndex.end() - 1, ring.SortIndex.end());
    std::rotate(ring.PointHouse.begin() + 1, ring.PointHouse.end() - 1, ring.PointHouse.end());
  }
}

std::string RingPointMask(const std::string& transitSelection) {
  auto chars = [&](size_t from, size_t count) {
    std::string part = from - 1 < transitSelection.size() ? transitSelection.substr(from - 1, count) : "";
    part.resize(count, '0');
    return part;
  };
  return chars(43, 13) + "00" + chars(56, 10) + "000000";
}

int GlyphRadiusAt(const DegreeTable& radii, double angle) {
  if (!std::isfinite(angle)) return radii[0];
  long degree = RoundHalfEven(angle) % 360;
  if (degree < 0) degree += 360;
  return radii[static_cast<size_t>(degree)];
}

RingPlacement PlaceRingPoints(const RingInput& in) {
  const ChartSet& set = *in.set;
  const HouseSpans& spans = *in.spans;
  const CuspTable& cuspRing = *in.cuspRing;
  const RingSetup setup = RingSetupFor(in.ringNo, in.wheelKind);
  const int slots = setup.SlotsPerHouse;
  const bool europeanSingle = in.european && in.wheelKind == 1;
  const bool innerRing = in.wheelKind == 2 && in.ringNo == 0;

  SortedRing ring = SortRingPoints(set.Long);
  GroupRingPointsByHouse(ring, set);
  const std::string mask = RingPointMask(in.transitSelection);

  RingPlacement placement;
  std::array<bool, RingCells> occupied{};
  int currentHouse = 0;
  int housePointNo = 0;
  double lastGlyphAngle = -100;

  for (int j = NumPoints; j >= 1; --j) {
    const int p = ring.SortIndex[j];
    if (MaskValue(mask[static_cast<size_t>(p - 1)]) == 0) continue;
    const int h = set.HouseOf(p);
    // A point its tags put in no house has no sector to stand in.
    if (h < 1 || h > 12) continue;
    if (h != currentHouse) housePointNo = 1;
    currentHouse = h;

    const int k = CuspEntryOfHouse(h);
    double houseOffset = NormalizeDegrees(ring.SortKey[j] - spans.CuspDisplayLon[k]);
    if (houseOffset >= 360 - 1.0 / 36000) houseOffset = 0;

    // The proportional slot. Two equal cusps make a house without width: its
    // points start at slot 0. A tag that disagrees with the cusps would give a
    // slot past the house; it is kept in the house's last slot.
    const double span = spans.HouseSpan[k];
    double proportional = span > 0 ? std::floor(slots * houseOffset / span) : 0;
    if (!(proportional <= slots - 1)) proportional = slots - 1;
    int s = static_cast<int>(proportional);
    const int c = static_cast<int>(ring.HouseCount[static_cast<size_t>(h)]);
    const int n = housePointNo;
    auto cell = [&](int slot) { return (h - 1) * slots + slot; };
    if (s < slots - c || s < slots - c + n) {
      // the slot is free of the points still to come in the house
    } else {
      if (s - (c - n) < 0 || occupied[static_cast<size_t>(cell(s))])
        s = slots - c;
      else
        s = slots - c + n - 1;
      if (s < 0) s = 0;
    }
    while (occupied[static_cast<size_t>(cell(s))] && cell(s) < RingCells - 1) ++s;
    occupied[static_cast<size_t>(cell(s))] = true;
    placement.RingPointWork[p] = s;

    PlacedPoint placed;
    placed.point = p;
    placed.house = h;
    placed.housePointNo = n;
    placed.slot = s;
    double angle = setup.RingBase[static_cast<size_t>(h)] + s * setup.SlotWidth;
    double radius = innerRing ? setup.RingRadius[static_cast<size_t>(h)] : GlyphRadiusAt(*in.glyphRadius, angle);

    if (europeanSingle) {
      EuropeanStep step;
      step.angle = NormalizeDegrees(ring.SortKey[j] - cuspRing[10]);
      step.lastGlyphAngle = lastGlyphAngle;
      step.nextCuspAngle = NormalizeDegrees(cuspRing[NextHouseCuspEntry(h)] - cuspRing[10]);
      step.houseOffset = houseOffset;
      step.housePoints = c;
      step.housePointNo = n;
      step.slotWidth = setup.SlotWidth;
      angle = lastGlyphAngle = EuropeanGlyphAngle(step);
      radius = GlyphRadiusAt(*in.glyphRadius, angle);
    }
    if (innerRing) {
      const int nextHouse = h == 12 ? 1 : h + 1;
      radius += s * (setup.RingRadius[static_cast<size_t>(nextHouse)] - setup.RingRadius[static_cast<size_t>(h)]) /
                static_cast<double>(slots);
    }
    placed.glyphAngle = angle;
    placed.labelRadius = radius;
    placement.PointGlyphAngle[p] = angle;
    placement.drawn[static_cast<size_t>(p)] = true;
    placement.points.push_back(placed);
    ++housePointNo;
  }
  return placement;
}

double EuropeanGlyphAngle(const EuropeanStep& step) {
  double angle = step.angle;
  const double gap = angle - step.lastGlyphAngle;
  // too close, also when the last glyph stands just before 360 and this one just after 0
  if ((gap >= -16 && gap < 4) || (gap >= -360 && gap < -356)) {
    angle = NormalizeDegrees(step.lastGlyphAngle + step.slotWidth);
    if (step.houseOffset < 2 && step.housePointNo == 1 && angle >= 102.5 && angle <= 137.5)
      angle += 2 - step.houseOffset;
    return angle;
  }
  const double limit =
      NormalizeDegrees(step.nextCuspAngle - (step.housePoints - step.housePointNo + 1) * step.slotWidth);
  if (angle > limit) angle = limit;
  if (angle <= 28 && limit >= 332) angle = 0;
  if ((angle >= 270 || angle < 180) && angle + 2 < step.nextCuspAngle) angle += 2;
  return angle;
}

}  // namespace halcyra
