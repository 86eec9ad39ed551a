#include "reports/report_fixture.h"

#include <cmath>
#include <map>
#include <sstream>
#include <stdexcept>

#include "core/house_row.h"
#include "platform/text_files.h"
#include "state/shared_tables.h"

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

PointArray Points(const std::vector<double>& values) {
  PointArray a{};
  for (size_t i = 0; i < values.size(); ++i) a[i + 1] = values[i];
  return a;
}

CuspTable Cusps(const std::vector<double>& houses) {
  CuspTable c{};
  for (size_t h = 0; h < houses.size(); ++h) c[CuspEntryOfHouse(static_cast<int>(h) + 1)] = houses[h];
  return c;
}

std::string RetroFlags(std::initializer_list<int> retrograde) {
  std::string flags(NumPoints, ' ');
  for (int p : retrograde) flags[p - 1] = 'R';
  return flags;
}

double Normalized(double x) { return x - 360.0 * std::floor(x / 360.0); }

}  // namespace

void FillFixtureChart(AppState& state) {
  auto v = FixtureValues();
  ChartInput& in = state.input;
  const auto &ni = v["natal.input"], &ti = v["transit.input"];
  in.NatalDayInt = ni[0], in.NatalMonthInt = ni[1], in.NatalYearInt = ni[2], in.NatalClockTime = ni[3];
  in.NatalTZ = ni[4], in.NatalGeoLat = ni[5], in.NatalGeoLong = ni[6];
  in.TransitDay = ti[0], in.TransitMonth = ti[1], in.TransitYear = ti[2], in.ChartClockTime = ti[3];
  in.TransitTZ = ti[4], in.TransitGeoLat = ti[5], in.TransitGeoLong = ti[6];
  in.NatalAmPm = in.ChartAmPm = "P.M.";
  in.NatalNSText = in.NSText = in.TransitNSText = "NORTH", in.NatalEWText = in.EWText = in.TransitEWText = "WEST";

  ChartState& c = state.chart;
  c.ChartName = "Fixture Natal";
  c.TransitChartName = "Transits";

  NatalSet& n = c.natal;
  n.NatalLong = Points(v["natal.long"]), n.NatalDecl = Points(v["natal.decl"]);
  n.NatalCusp = Cusps(v["natal.cusps"]);
  for (int p = 1; p <= NumPoints; ++p) n.NatalSolstice[p] = Normalized(180 - n.NatalLong[p]);
  n.NatalRetroFlags = RetroFlags({Pluto, Chiron, TransPluto, Cupido, Zeus, Apollon, Vulkanus, Poseidon});
  n.NatalHouseTags = BuildPlanetHouseRow(n.NatalLong, n.NatalCusp);
  n.NatalSiderealText = "10H  15M  40S ";
  const auto& na = v["natal.angles"];
  n.NatalVertex = na[0], n.NatalEquatorialAsc = na[1], n.NatalCoAsc = na[2], n.NatalPolarAsc = na[3];

  ProgressedSet& pr = c.prog;
  pr.ProgLong = Points(v["prog.long"]), pr.ProgDecl = Points(v["prog.decl"]);
  pr.ProgCusp = Cusps(v["prog.cusps"]);
  pr.ProgRetroFlags =
      RetroFlags({Saturn, Uranus, Neptune, Chiron, TransPluto, Cupido, Zeus, Apollon, Vulkanus, Poseidon});

  // Solar arc = progressed Sun - natal Sun.
  SolarArcSet& arc = c.arc;
  arc.SolarArc = 33.7690f;
  for (int p = 1; p <= NumPoints; ++p) arc.SolarArcLong[p] = Normalized(arc.SolarArc + n.NatalLong[p]);
  for (int e = 1; e <= 13; ++e) arc.SolarArcCusp[e] = Normalized(arc.SolarArc + n.NatalCusp[e]);

  TransitSet& t = c.transit;
  t.TransitLong = Points(v["transit.long"]), t.TransitDecl = Points(v["transit.decl"]);
  t.TransitCusp = Cusps(v["transit.cusps"]);
  t.TransitRetroFlags = RetroFlags({Pluto, TransPluto, Zeus, Apollon, Poseidon});
  t.TransitHouseTags = BuildPlanetHouseRow(t.TransitLong, t.TransitCusp);
  t.TransitSiderealText = "04H  46M  40S ";

  // The working set as the driver leaves it: the transit pass.
  c.work.PointLong = t.TransitLong, c.work.PointDecl = t.TransitDecl, c.work.ChartCusp = t.TransitCusp;
  c.work.RetroFlags = t.TransitRetroFlags, c.work.HouseTags = t.TransitHouseTags;
  const auto& ta = v["transit.angles"];
  c.work.VertexLong = ta[0], c.work.EquatorialAscLong = ta[1], c.work.CoAscLong = ta[2], c.work.PolarAscLong = ta[3];

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
    for (PointFlags* flags : {&c.natal.NatalNoData, &c.prog.ProgNoData, &c.transit.TransitNoData, &c.work.NoData})
      (*flags)[p] = true;
    for (PointArray* values : {&c.natal.NatalLong, &c.natal.NatalDecl, &c.prog.ProgLong, &c.prog.ProgDecl,
                               &c.transit.TransitLong, &c.transit.TransitDecl, &c.work.PointLong, &c.work.PointDecl})
      (*values)[p] = 0;
  }
}

std::vector<std::string> PageLines(const AppState& state) {
  const auto& lines = state.report.PageLines;
  return std::vector<std::string>(lines.begin(), lines.begin() + state.report.PageLineCount);
}

}  // namespace halcyra::testing
