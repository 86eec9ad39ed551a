#pragma once
// One computed chart. Every chart the program holds is a ChartSet: the
// working set the computation passes refill, the natal, progressed,
// solar-arc and transit (or second-person) sets, the solar- and lunar-return
// sets, the wheel's two sets and its two display sets. Every per-point table
// is indexed by point number (state/points.h), entry 0 unused; the cusps by
// cusp entry. Copying a chart is one assignment.
#include <string>

#include "state/place.h"
#include "state/points.h"

namespace halcyra {

struct ChartSet {
  PointArray Long{};         // ecliptic longitudes, degrees [0, 360)
  PointArray Decl{};         // declinations, degrees, north positive
  PointArray LongNextDay{};  // longitudes one day later (points 1 to 11); 0 elsewhere
  PointArray Speed{};        // LongNextDay - Long brought into -180..180: degrees a day
  PointArray Lat{};          // ecliptic latitudes of points 1 to 10, degrees
  CuspTable Cusp{};          // CuspIndex order: entry 1 the MC, 4 the Ascendant
  std::string RetroFlags = std::string(NumPoints, ' ');  // "R" at position p - 1
  std::string HouseTags;     // NumPoints fields of 10 characters ("10TH HOUSE")
  PointFlags NoData{};       // a table-driven point outside its table's span

  double Vertex = 0, EquatorialAsc = 0, CoAsc = 0, PolarAsc = 0;
  double MoonDeclNextDay = 0;  // the Moon's declination one day later, degrees
  double Moment = 0;           // Julian date, universal time

  // The chart's moment and place as its captions and headers show them.
  std::string DateText;        // in DateFormat order ("   yyyy" for a return)
  double ClockTime = 0;        // 12-hour clock, hours + minutes / 100
  std::string AmPm = "A.M.";
  double Zone = 0;             // hours, west positive
  Place Where;
  std::string SiderealText;    // "hhH  mmM  ssS "

  bool Retrograde(int point) const {
    return point >= 1 && point <= static_cast<int>(RetroFlags.size()) && RetroFlags[point - 1] == 'R';
  }
  // House number of a point: the value of its house-tag field's first two
  // characters; 0 for a blank or "----" label.
  int HouseOf(int point) const;

  bool operator==(const ChartSet&) const = default;
};

// House number of a point read from a house-tag string (ChartSet::HouseOf).
int HouseNumberOf(const std::string& houseTags, int point);

// What a report takes into the working set before it lists a set: the
// positions with their no-data flags, the cusps, the retrograde flags, the
// house row, the sidereal time and the four special points. The next-day
// longitudes, latitudes and speeds stay those of the last computation.
void LoadListedSet(ChartSet& working, const ChartSet& set);

// Only the longitudes and declinations (and no-data flags) of points 1 to
// NumPoints, as the aspect pages take them.
void LoadPointPositions(ChartSet& working, const ChartSet& set);

}  // namespace halcyra
