#pragma once
// The moments at which the Moon enters each of the 28 lunar mansions during
// one calendar month. The zodiac is cut into 28 equal mansions from 0 Aries;
// the Moon's longitude is sampled at 0h of every day of the month and of the
// 1st of the next, and each entry is interpolated linearly within its day.
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace halcyra {

inline constexpr int MansionCount = 28;

// The start of mansion k + 1 (k = 0 to 27) as the search tests it: k times
// 360/28, the width and the product each held in single precision
// (347.142852783203125 for k = 27).
double MansionBoundary(int k);

// The Moon's longitude in degrees [0, 360) at a Julian date.
using MoonLongitudeAt = std::function<double(double julianDate)>;
// The program's Moon series, the date taken as it is: no delta-T, so the
// entry times are as near to dynamical time as to universal time.
double ProgramMoonLongitude(double julianDate);

// One month's samples: the Julian date of 0h on its 1st and the longitude at
// 0h of each of its days and of the next month's 1st. The month's length is
// the difference of the day numbers of the two 1sts; at most 32 samples.
struct DailyMoonSamples {
  double monthStart = 0;
  std::vector<double> longitudes;
};
DailyMoonSamples SampleMoonMonth(int year, int month, const MoonLongitudeAt& moonLongitude);

// The Julian dates of the first and of a second entry into one mansion
// within the sampled days.
struct MansionEntry {
  std::optional<double> first, second;
};
using MansionEntries = std::array<MansionEntry, MansionCount>;

// Each boundary is scanned over the days in order; a day holds an entry
// when its start is at most the boundary and its end beyond it. A day whose
// end is below its start passes 0 Aries: its end is read 360 higher and each
// boundary is tried as it stands and one turn on, so that the entries into
// mansions 28, 1 and 2 on such a day are all found. A sample exactly on a
// boundary puts the entry at the start of its day.
MansionEntries FindMansionEntries(const DailyMoonSamples& samples);

// The entries of the calendar month, sampled from `moonLongitude`.
MansionEntries CalcMoonMansionTimes(int year, int month, const MoonLongitudeAt& moonLongitude);

}  // namespace halcyra
