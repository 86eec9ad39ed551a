#include "reports/transit_interpretations.h"

#include <cmath>
#include <optional>

#include "core/angle_helpers.h"
#include "core/chart_time.h"
#include "core/ephemeris_driver.h"
#include "core/table_bodies.h"
#include "platform/number_format.h"
#include "platform/program_files.h"
#include "reports/aspect_finder.h"
#include "reports/interpretation_texts.h"
#include "reports/report_columns.h"
#include "reports/report_headers.h"
#include "reports/report_names.h"
#include "shell/new_date.h"
#include "shell/report_output.h"

namespace halcyra {

namespace {

constexpr int kConjunction = 2, kOpposition = 6;

// The day ListingDate at the chart clock's time of day, through the
// ephemeris with its next-day pass, and Chiron.
void ComputeListingDay(AppState& state) {
  ChartClock& clock = state.chart.clock;
  clock.JDay = state.flags.ListingDate;
  clock.ListJulianDay = clock.JDay + clock.DayFraction - 0.5;
  clock.NextJulianDay = clock.ListJulianDay + 1;
  clock.TCenturies = CenturiesFrom1900(clock.JDay, clock.DayFraction);
  CalcPlanetPositions(
      MeanObliquityMoment(clock.JDay, clock.DayFraction, clock.TCenturies, clock.AscLong, clock.MCLong), 0,
      state.chart.Working);
  CalcChironFromTable(clock.ListJulianDay, state.tables, state.chart.Working);
}

std::string BodyName10(const InterpretedBody& body) {
  return body.southNode ? std::string("S. Node   ") : PointName10(body.point);
}

}  // namespace

const std::vector<InterpretedBody>& InterpretedBodies() {
  static const std::vector<InterpretedBody> bodies = {
      {"SUN.TXT", Sun, false},         {"MOON.TXT", Moon, false},
      {"MERCURY.TXT", Mercury, false}, {"VENUS.TXT", Venus, false},
      {"MARS.TXT", Mars, false},       {"JUPITER.TXT", Jupiter, false},
      {"SATURN.TXT", Saturn, false},   {"URANUS.TXT", Uranus, false},
      {"NEPTUNE.TXT", Neptune, false}, {"PLUTO.TXT", Pluto, false},
      {"N_NODE.TXT", NorthNode, false}, {"S_NODE.TXT", NorthNode, true}};
  return bodies;
}

const std::vector<int>& InterpretedNatalPoints() {
  static const std::vector<int> points = {Sun,    Moon,   Mercury, Venus,   Mars,      Jupiter, Saturn,
                                          Uranus, Neptune, Pluto,  Ascendant, Midheaven};
  return points;
}

void WriteTransitInterpretations(AppState& state, LineSink& out) {
  ShowListingMoreMenu(state);
  state.flags.ListingDate = ListingDayInRange(state.flags.ListingDate);
  ComputeListingDay(state);

  const NewDateFields day = NewDateFieldsOf(state.flags.ListingDate);
  out.WriteBlankLine();
  out.WriteLine("               TRANSITING PLANET ASPECTS TO NATAL PLANETS   " +
                       FormatDateDdMmmYyyy(day.Day, day.Month, day.Year));
  out.WriteBlankLine();

  const ChartSet& natal = state.chart.Natal;
  bool any = false;
  for (const InterpretedBody& body : InterpretedBodies()) {
    double longitude = state.chart.Working.Long[body.point];
    if (body.southNode) longitude = NormalizeDegrees(longitude + 180);
    std::optional<InterpretationTexts> texts;
    bool read = false;
    for (int natalPoint : InterpretedNatalPoints()) {
      const AspectFound found = FindAspect(longitude, natal.Long[natalPoint], state.options);
      if (found.code < kConjunction || found.code > kOpposition) continue;
      if (body.point == NorthNode && found.code != kConjunction) continue;
      if (!read) {
        texts = ReadInterpretationFile(ProgramFile(state.AppPath, body.fileName));
        read = true;
      }
      any = true;
      out.WriteLine("  " + BodyName10(body) + AspectName12(found.code) + PointName10(natalPoint) +
                           "  " + PadLeft(FormatNumber(found.orb, "#0.00"), 5));
      if (texts) {
        const auto paragraph = texts->find({found.code, natalPoint});
        if (paragraph != texts->end())
          for (const std::string& line : paragraph->second)
            out.WriteLine(line.empty() ? line : "     " + line);
      }
      out.WriteBlankLine();
    }
  }
  if (!any) out.WriteLine("     No aspects today.");
  state.flags.ListingDate += 1;
  out.WriteBlankLine();
}

}  // namespace halcyra
