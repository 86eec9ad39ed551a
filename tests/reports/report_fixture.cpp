#include "reports/report_fixture.h"

#include <cmath>

#include "state/shared_tables.h"

namespace halcyra::testing {

namespace {

PointArray Points(std::initializer_list<double> values) {
  PointArray a{};
  int i = 1;
  for (double v : values) a[i++] = v;
  return a;
}

// Cusp table from houses 1..12.
CuspTable Cusps(std::initializer_list<double> houses) {
  CuspTable c{};
  int h = 1;
  for (double v : houses) c[CuspEntryOfHouse(h++)] = v;
  return c;
}

double Normalized(double x) { return x - 360.0 * std::floor(x / 360.0); }

// House labels by the last-match rule of the house row, for the fixture's own tags.
std::string HouseTagsOf(const PointArray& longs, const CuspTable& cusps) {
  std::string tags = InitialHouseTags();
  for (int k = 1; k <= 12; ++k) {
    const int n = NextCuspEntry(k);
    for (int i = 1; i <= NumPoints; ++i) {
      tags.replace(static_cast<size_t>(i - 1) * 10 + 4, 6, " HOUSE");
      const double l = longs[i] + 1.0 / 36000;
      const bool inside = cusps[k] > cusps[n] ? (l >= cusps[k] && l < 360) || (l < cusps[n] && l >= 0)
                                              : l >= cusps[k] && l < cusps[n];
      if (inside) tags.replace(static_cast<size_t>(i - 1) * 10, 4, std::string(PackedField(HouseLabels, 4, k)));
    }
  }
  return tags;
}

}  // namespace

void FillFixtureChart(AppState& state) {
  ChartInput& in = state.input;
  in.NatalDayInt = 14, in.NatalMonthInt = 3, in.NatalYearInt = 1990;
  in.NatalClockTime = 10.30f, in.NatalAmPm = "P.M.", in.NatalTZ = 5;
  in.NatalGeoLat = 42.21f, in.NatalGeoLong = 71.04f;
  in.NatalNSText = in.NSText = "NORTH", in.NatalEWText = in.EWText = "WEST";
  in.TransitDay = 1, in.TransitMonth = 6, in.TransitYear = 2024;
  in.ChartClockTime = 1.00f, in.ChartAmPm = "P.M.", in.TransitTZ = 4;
  in.TransitGeoLat = 40.43f, in.TransitGeoLong = 74.00f;
  in.TransitNSText = "NORTH", in.TransitEWText = "WEST";

  ChartState& c = state.chart;
  c.ChartName = "Fixture Natal";
  c.TransitChartName = "Transits";

  NatalSet& n = c.natal;
  n.NatalLong = Points({354.2870, 350.5419, 308.8344, 302.5789, 91.3582, 293.3087, 279.2107,
                        284.2870, 227.6221, 215.5241, 314.5882, 90.7765, 100.5674, 229.5393,
                        151.9160, 224.6040, 141.3906, 230.6233, 67.6296, 176.6224, 80.2401,
                        194.6936, 43.4060, 104.2894, 209.6052, 229.5393, 259.6227, 295.0978,
                        331.9160, 3.7708, 29.0671});
  n.NatalDecl = Points({-2.2698, -5.4035, -14.9025, -20.5121, 23.4820, -21.2153, -23.4125,
                        -21.8272, -1.8599, -18.1461, -16.4586, 23.4402, 16.1116, -17.6192,
                        10.7943, 0.0, 14.3770, -16.8713, 20.5684, 1.3427, 23.0951, -5.7952,
                        15.8735, 22.6871, -11.3407, -17.6192, -23.0367, -21.1166, -10.7943,
                        1.4992, 11.1442});
  n.NatalCusp = Cusps({229.5393, 259.6227, 295.0978, 331.9160, 3.7708, 29.0671, 49.5393,
                       79.6227, 115.0978, 151.9160, 183.7708, 209.0671});
  for (int p = 1; p <= NumPoints; ++p) n.NatalSolstice[p] = Normalized(180 - n.NatalLong[p]);
  n.NatalRetroFlags = std::string(NumPoints, ' ');
  for (int p : {Pluto, Chiron, TransPluto, Cupido, Zeus, Apollon, Vulkanus, Poseidon})
    n.NatalRetroFlags[p - 1] = 'R';
  n.NatalHouseTags = HouseTagsOf(n.NatalLong, n.NatalCusp);
  n.NatalSiderealText = "10H  15M  40S ";
  n.NatalVertex = 92.1072, n.NatalEquatorialAsc = 245.8132;
  n.NatalCoAsc = 267.4013, n.NatalPolarAsc = 87.4013;

  ProgressedSet& pr = c.prog;
  pr.ProgLong = Points({28.0560, 46.3249, 342.6174, 328.0844, 94.9542, 295.1134, 279.5808,
                        284.5735, 226.9165, 298.8504, 312.7762, 173.7244, 101.4328, 262.9300,
                        185.6850, 228.4383, 141.1842, 230.1248, 68.0683, 176.1442, 80.4756,
                        194.2746, 43.8314, 104.3066, 209.2723, 262.9300, 293.1000, 328.4000,
                        5.6850, 37.5000, 62.8000});
  pr.ProgDecl = Points({10.7842, 19.5625, -7.1148, -13.4643, 23.4529, -20.9324, -23.3999,
                        -21.7856, -1.5241, -21.6218, -16.9783, 2.5000, 16.3604, -23.3000,
                        -2.2700, 0.0, 14.4430, -16.7297, 20.6482, 1.5326, 23.1120, -5.6330,
                        16.0008, 22.6851, -11.2231, -23.3000, -21.3000, -11.0000, 2.2700,
                        14.9000, 20.6000});
  pr.ProgCusp = Cusps({262.9300, 293.1000, 328.4000, 5.6850, 37.5000, 62.8000, 82.9300,
                       113.1000, 148.4000, 185.6850, 217.5000, 242.8000});
  pr.ProgRetroFlags = std::string(NumPoints, ' ');
  for (int p : {Saturn, Uranus, Neptune, Chiron, TransPluto, Cupido, Zeus, Apollon, Vulkanus, Poseidon})
    pr.ProgRetroFlags[p - 1] = 'R';

  SolarArcSet& arc = c.arc;
  arc.SolarArc = 33.7690f;
  for (int p = 1; p <= NumPoints; ++p) arc.SolarArcLong[p] = Normalized(arc.SolarArc + n.NatalLong[p]);
  for (int e = 1; e <= 13; ++e) arc.SolarArcCusp[e] = Normalized(arc.SolarArc + n.NatalCusp[e]);

  TransitSet& t = c.transit;
  t.TransitLong = Points({71.6801, 56.8824, 70.8833, 24.4121, 61.5806, 348.7797, 54.2129,
                          359.6776, 301.9014, 8.0294, 12.7907, 101.8160, 22.2924, 165.4667,
                          73.0908, 176.9322, 153.2619, 277.7657, 102.6296, 203.3321, 104.6365,
                          215.2911, 64.0641, 123.0030, 225.4732, 165.4667, 190.1750, 219.7142,
                          253.0908, 287.1333, 318.3326});
  t.TransitDecl = Points({22.1853, 18.1926, 21.9019, 8.3743, 19.7758, -6.1507, 18.5705, -1.2792,
                          -22.7724, 2.6913, 5.0521, 22.9132, 9.7313, 5.7286, 22.3689, 0.0,
                          10.3127, -22.6016, 21.9652, -9.0714, 22.6498, -13.2954, 20.9739,
                          19.4987, -16.4858, 5.7286, -4.0293, -14.7235, -22.3689, -22.3406,
                          -15.3334});
  t.TransitCusp = Cusps({165.4667, 190.1750, 219.7142, 253.0908, 287.1333, 318.3326, 345.4667,
                         10.1750, 39.7142, 73.0908, 107.1333, 138.3326});
  t.TransitRetroFlags = std::string(NumPoints, ' ');
  for (int p : {Pluto, TransPluto, Zeus, Apollon, Poseidon}) t.TransitRetroFlags[p - 1] = 'R';
  t.TransitHouseTags = HouseTagsOf(t.TransitLong, t.TransitCusp);
  t.TransitSiderealText = "04H  46M  40S ";

  // The working set as the driver leaves it: the transit pass.
  c.work.PointLong = t.TransitLong;
  c.work.PointDecl = t.TransitDecl;
  c.work.ChartCusp = t.TransitCusp;
  c.work.RetroFlags = t.TransitRetroFlags;
  c.work.HouseTags = t.TransitHouseTags;
  c.work.VertexLong = 322.4230, c.work.EquatorialAscLong = 160.1436;
  c.work.CoAscLong = 149.2466, c.work.PolarAscLong = 329.2466;

  c.moments.NatalMoment = 2447965.645833;
  c.moments.TransitMoment = 2460463.208333;
  c.moments.ProgMoment = 2447999.862294;
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
