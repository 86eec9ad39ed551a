#include "mansions/mansion_times.h"

#include <algorithm>

#include "core/angle_helpers.h"
#include "core/calendar.h"
#include "core/moon.h"

namespace halcyra {

namespace {

constexpr int kMostDays = 31;  // the samples end at 0h of the 1st of the next month

// The day's entry across `boundary` (also tried one turn on), as a fraction
// of the day; none when the day does not reach it.
std::optional<double> CrossingInDay(double start, double end, double boundary) {
  if (end < start) end += 360;  // the day passes 0 Aries
  for (double b : {boundary, boundary + 360})
    if (start <= b && end > b) return (b - start) / (end - start);
  return std::nullopt;
}

}  // namespace

double MansionBoundary(int k) {
  const float width = static_cast<float>(360.0 / 28.0);
  return static_cast<float>(k) * width;
}

double ProgramMoonLongitude(double julianDate) {
  return NormalizeDegrees(CalcMoonPosition((julianDate - 2415020) / 36525).MoonLong);
}

DailyMoonSamples SampleMoonMonth(int year, int month, const MoonLongitudeAt& moonLongitude) {
  const double firstDay = DateToJulianDay(year, month, 1);
  const int days = std::clamp(static_cast<int>(DateToJulianDay(year, month + 1, 1) - firstDay), 1, kMostDays);
  DailyMoonSamples samples;
  samples.monthStart = firstDay - 0.5;
  for (int d = 0; d <= days; ++d) samples.longitudes.push_back(moonLongitude(samples.monthStart + d));
  return samples;
}

MansionEntries FindMansionEntries(const DailyMoonSamples& samples) {
  MansionEntries entries;
  const std::vector<double>& longitudes = samples.longitudes;
  for (int k = 0; k < MansionCount; ++k) {
    const double boundary = MansionBoundary(k);
    MansionEntry& entry = entries[k];
    for (size_t day = 0; day + 1 < longitudes.size(); ++day) {
      const std::optional<double> fraction = CrossingInDay(longitudes[day], longitudes[day + 1], boundary);
      if (!fraction) continue;
      const double moment = samples.monthStart + static_cast<double>(day) + *fraction;
      if (!entry.first) entry.first = moment;
      else if (!entry.second) entry.second = moment;
    }
  }
  return entries;
}

MansionEntries CalcMoonMansionTimes(int year, int month, const MoonLongitudeAt& moonLongitude) {
  return FindMansionEntries(SampleMoonMonth(year, month, moonLongitude));
}

}  // namespace halcyra
