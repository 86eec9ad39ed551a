#include "reports/report_fixture.h"

#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>

#include "core/house_row.h"
#include "platform/text_files.h"
#include "state/shared_tables.h"
#include "support/test_support.h"

namespace halcyra::testing {

namespace {

// The keyed value lines of fixture_chart.dat.
std::map<std::string, std::vector<double>> FixtureValues() {
  const std::string path = std::string(HALCYRA_TEST_DATA) + "/reports/fixture_chart.dat";
  const auto lines = ReadTextLines(path);
  if (!lines) throw std::runtime_error("cannot read " + path);
  std::map<std::string, std::vector<double>> values;
  for (const std::string& line : *lines) {
    if (line.empty() || line[0] == ';') continue;
    std::istringstream in(line);
    std::string key;
    in >> key;
    for (double v; in >> v;) values[key].push_back(v);
  }
  return values;
}

// One set's positions, declinations, cusps and angles (where the file has
// them) from the lines "<key>.long" and so on, and its retrograde points.
ChartSet SetOf(std::map<std::string, std::vector<double>>& v, const std::string& key,
               std::initializer_list<int> retrograde) {
  ChartSet set;
  for (size_t i = 0; i < v[key + ".long"].size(); ++i) set.Long[i + 1] = v[key + ".long"][i];
  for (size_t i = 0; i < v[key + ".decl"].size(); ++i) set.Decl[i + 1] = v[key + ".decl"][i];
  for (int h = 1; h <= 12; ++h) set.Cusp[CuspEntryOfHouse(h)] = v[key + ".cusps"][h - 1];
  set.RetroFlags = std::string(NumPoints, ' ');
  for (int p : retrograde) set.RetroFlags[p - 1] = 'R';
  if (const auto& a = v[key + ".angles"]; !a.empty())
    set.Vertex = a[0], set.EquatorialAsc = a[1], set.CoAsc = a[2], set.PolarAsc = a[3];
  return set;
}

double Normalized(double x) { return x - 360.0 * std::floor(x / 360.0); }

}  // namespace

void FillFixtureChart(AppState& state) {
  auto v = FixtureValues();
  ChartInput& in = state.input;
  const auto &ni = v["natal.input"], &ti = v["transit.input"];
  // day, month, year, clock time, zone, latitude, longitude; P.M., north and west
  in.Natal = TypedMoment(static_cast<int>(ni[2]), static_cast<int>(ni[1]), static_cast<int>(ni[0]), ni[3], true, ni[4]);
  in.NatalPlace = Place::FromDotMinutes(ni[6], ni[5]);
  in.Transit = TypedMoment(static_cast<int>(ti[2]), static_cast<int>(ti[1]), static_cast<int>(ti[0]), ti[3], true, ti[4]);
  in.TransitPlace = Place::FromDotMinutes(ti[6], ti[5]);

  ChartState& c = state.chart;
  c.ChartName = "Fixture Natal";
  c.TransitChartName = "Transits";

  ChartSet& n = c.Natal = SetOf(v, "natal", {Pluto, Chiron, TransPluto, Cupido, Zeus, Apollon, Vulkanus, Poseidon});
  for (int p = 1; p <= NumPoints; ++p) c.NatalSolstice[p] = Normalized(180 - n.Long[p]);
  n.HouseTags = BuildPlanetHouseRow(n.Long, n.Cusp);
  n.SiderealText = "10H  15M  40S ";
  n.ClockTime = in.Natal.ClockTime(), n.AmPm = in.Natal.AmPmText(), n.Zone = in.Natal.ZoneHours();
  n.Where = in.NatalPlace;
  c.Prog = SetOf(v, "prog", {Saturn, Uranus, Neptune, Chiron, TransPluto, Cupido, Zeus, Apollon, Vulkanus, Poseidon});

  // Solar arc = progressed Sun - natal Sun.
  c.moments.SolarArc = 33.7690f;
  ChartSet& arc = c.SolarArc;
  for (int p = 1; p <= NumPoints; ++p) arc.Long[p] = Normalized(c.moments.SolarArc + n.Long[p]);
  for (int e = 1; e <= 13; ++e) arc.Cusp[e] = Normalized(c.moments.SolarArc + n.Cusp[e]);

  ChartSet& t = c.Transit = SetOf(v, "transit", {Pluto, TransPluto, Zeus, Apollon, Poseidon});
  t.HouseTags = BuildPlanetHouseRow(t.Long, t.Cusp);
  t.SiderealText = "04H  46M  40S ";
  t.ClockTime = in.Transit.ClockTime(), t.AmPm = in.Transit.AmPmText(), t.Zone = in.Transit.ZoneHours();
  t.Where = in.TransitPlace;

  // The working set as the driver leaves it: the transit pass.
  c.Working = t;

  const auto& m = v["moments"];
  c.moments.NatalMoment = m[0], c.moments.TransitMoment = m[1], c.moments.ProgMoment = m[2];
  c.moments.Precession1990 = (1990 - 1990) * 50.23 / 3600;
  c.moments.Precession2000 = (1990 - 2000) * 50.23 / 3600;

  // Notes of the first two stars: a short one, and one long enough to wrap.
  state.tables.StarText[0] = "Saturn and Jupiter: the Gorgon's head.";
  state.tables.StarText[1] =
      "Moon and Mars: the brightest of the Pleiades, a star of ambition, of sight and of "
      "sorrow; here written long on purpose, so that the report must carry it over several lines.";

  state.options.HouseSystem = "P";
  const float orbs[17] = {0, 8, 6, 7, 7, 8, 1, 2, 2, 2, 3, 1, 1, 2, 1, 2, 1};
  for (int k = 1; k <= 16; ++k) state.options.OptionValues[k] = orbs[k];
}

void MarkTableBodiesWithoutData(AppState& state) {
  ChartState& c = state.chart;
  for (int p = Chiron; p <= LastUranianPoint; ++p) {
    if (p == Ascendant || p == Midheaven) continue;
    for (ChartSet* set : {&c.Natal, &c.Prog, &c.SolarArc, &c.Transit, &c.Working}) {
      set->NoData[p] = true;
      set->Long[p] = set->Decl[p] = 0;
    }
  }
}

std::vector<std::string> PageLines(const AppState& state) {
  const auto& lines = state.report.PageLines;
  return std::vector<std::string>(lines.begin(), lines.begin() + state.report.PageLineCount);
}

}  // namespace halcyra::testing
