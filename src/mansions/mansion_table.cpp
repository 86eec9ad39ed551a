#include "mansions/mansion_table.h"

#include <cmath>

#include "core/calendar.h"
#include "platform/number_format.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"

namespace halcyra {

std::string MansionEntryText(double julianDate) {
  constexpr double kMinutesADay = 1440;
  // minutes since the midnight that begins the day numbered 0
  const double minutes = std::round((julianDate + 0.5) * kMinutesADay);
  const double dayNumber = std::floor(minutes / kMinutesADay);
  const double minuteOfDay = minutes - dayNumber * kMinutesADay;
  const CivilDate date = CivilDateOf(dayNumber);
  return FormatDateDdMmmYyyy(static_cast<int>(date.Day), static_cast<int>(date.Month),
                             static_cast<int>(date.Year)) +
         " at " + FormatNumber(std::floor(minuteOfDay / 60), "00") + ":" +
         FormatNumber(std::fmod(minuteOfDay, 60), "00");
}

std::string MansionLine(int k, const MansionEntry& entry) {
  std::string line = "  " + PadLeft(std::to_string(k + 1), 2) + ".  " + SignDegMinText(k * 360.0 / 28);
  if (entry.first) line += "   " + MansionEntryText(*entry.first);
  if (entry.second) line += "     " + MansionEntryText(*entry.second);
  return line;
}

void WriteMansionTable(LineSink& sink, const MansionEntries& entries) {
  sink.WriteLine(MansionTableHeading);
  for (int k = 0; k < MansionCount; ++k) sink.WriteLine(MansionLine(k, entries[k]));
}

}  // namespace halcyra
