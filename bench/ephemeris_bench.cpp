// The ephemeris pass and a day of the minute-by-minute listing, beside the
// Swiss Ephemeris computing the same bodies (Sun, Moon, Mercury to Pluto and
// the mean node, and for the listed day also the table-driven points) for
// the same moments. Every iteration moves the moment on, so neither side
// answers from a cache of the previous call.
#include <benchmark/benchmark.h>

#include <iterator>

#include "core/angle_helpers.h"
#include "core/chart_time.h"
#include "core/ephemeris_driver.h"
#include "core/table_bodies.h"

#ifdef HALCYRA_HAVE_SWE
#include <swephexp.h>
#endif

namespace {

using namespace halcyra;

constexpr double StartDay = 2459945;  // 1 January 2023

EphemerisMoment MomentAt(double moment) {
  EphemerisMoment m;
  m.JDay = static_cast<double>(static_cast<long>(moment + 0.5));
  m.DayFraction = moment + 0.5 - m.JDay;
  m.T = CenturiesFrom1900(m.JDay, m.DayFraction);
  m.Obliquity = -DegToRad(MeanObliquityDeg(m.T));
  m.AscLong = 100;
  m.MCLong = 10;
  return m;
}

void RunPasses(benchmark::State& state, int skipNextDay) {
  ChartSet set;
  double moment = StartDay;
  for (auto _ : state) {
    CalcPlanetPositions(MomentAt(moment), skipNextDay, set);
    benchmark::DoNotOptimize(set.Long.data());
    moment += 0.37;
  }
}

void BM_PlanetPositionsWithNextDay(benchmark::State& state) { RunPasses(state, 0); }
void BM_PlanetPositionsSkipNextDay(benchmark::State& state) { RunPasses(state, 1); }
BENCHMARK(BM_PlanetPositionsWithNextDay);
BENCHMARK(BM_PlanetPositionsSkipNextDay);

// Tables with a little motion in them; their content does not change the cost.
const StartupTables& BenchTables() {
  static const StartupTables tables = [] {
    StartupTables t;
    auto fill = [](DailyTable& d, float speed) {
      for (std::size_t k = 0; k < d.Long.size(); ++k) {
        d.Long[k] = static_cast<float>(NormalizeDegrees(k * speed));
        d.Decl[k] = static_cast<float>(20 * SinDeg(k * speed));
      }
    };
    fill(t.Chiron, 0.02f);
    fill(t.TransPluto, 0.003f);
    fill(t.Lilith, 3.0184f);
    for (int i = 0; i < UranianCount; ++i) fill(t.Uranian[i], 0.01f + 0.002f * i);
    return t;
  }();
  return tables;
}

// One listed day of the minute-by-minute listing: 1440 passes without the
// next day, each with the table-driven bodies.
void BM_ListedDay(benchmark::State& state) {
  const StartupTables& tables = BenchTables();
  ChartSet set;
  double day = StartDay;
  for (auto _ : state) {
    for (int minute = 0; minute < 1440; ++minute) {
      const double moment = day + minute / 1440.0;
      CalcPlanetPositions(MomentAt(moment), 1, set);
      CalcTableBodies(moment, tables, set);
      benchmark::DoNotOptimize(set.Long.data());
    }
    day += 1;
  }
}
BENCHMARK(BM_ListedDay)->Unit(benchmark::kMillisecond);

#ifdef HALCYRA_HAVE_SWE

constexpr int SwissBodies[] = {SE_SUN,    SE_MOON,   SE_MERCURY, SE_VENUS, SE_MARS,     SE_JUPITER,
                               SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MEAN_NODE};
// The table-driven points of the listed day: Chiron, Lilith (the mean
// apogee), TransPluto (the library's Isis) and Cupido to Poseidon.
constexpr int SwissTableBodies[] = {SE_CHIRON,  SE_MEAN_APOG, SE_ISIS,    SE_CUPIDO,   SE_HADES, SE_ZEUS,
                                    SE_KRONOS,  SE_APOLLON,   SE_ADMETOS, SE_VULKANUS, SE_POSEIDON};

// Opens the library's own files; a run that would silently fall back to
// its slower analytic ephemeris is reported as an error instead.
struct SwissSession {
  explicit SwissSession(benchmark::State& state) {
    swe_set_ephe_path(const_cast<char*>("/usr/share/libswe/ephe"));
    char error[256];
    double xx[6];
    if (!(swe_calc_ut(StartDay - 1000, SE_SUN, SEFLG_SWIEPH, xx, error) & SEFLG_SWIEPH))
      state.SkipWithError("the Swiss Ephemeris files are missing");
  }
  ~SwissSession() { swe_close(); }
};

// Longitudes only, the library's least work for the bodies. Our pass also
// gives the declinations of the first ten; asking the library for them too
// (its equatorial call at the same moment) adds about a twentieth to its
// time, left out here so the comparison leans towards the library.
void SwissPass(double moment, int flags, double* out) {
  char error[256];
  double xx[6];
  for (int body : SwissBodies) {
    swe_calc_ut(moment, body, flags, xx, error);
    *out++ = xx[0];
  }
}

// The library's cheapest call: the match of our pass without the next day.
void BM_SwissEphemerisPass(benchmark::State& state) {
  const SwissSession session(state);
  double lon[11];
  double moment = StartDay;
  for (auto _ : state) {
    SwissPass(moment, SEFLG_SWIEPH, lon);
    benchmark::DoNotOptimize(lon);
    moment += 0.37;
  }
}
BENCHMARK(BM_SwissEphemerisPass);

// With daily speeds, from which retrograde flags follow: the match of our
// pass with the next day. It is the library's cheaper way to the flags;
// computing the next day's positions instead would cost it a second pass.
void BM_SwissEphemerisPassWithSpeed(benchmark::State& state) {
  const SwissSession session(state);
  double lon[11];
  double moment = StartDay;
  for (auto _ : state) {
    SwissPass(moment, SEFLG_SWIEPH | SEFLG_SPEED, lon);
    benchmark::DoNotOptimize(lon);
    moment += 0.37;
  }
}
BENCHMARK(BM_SwissEphemerisPassWithSpeed);

// The eleven bodies of the pass only, a minute at a time: our listed day
// also interpolates eleven table-driven points, so this comparison leans
// towards the library.
void BM_SwissEphemerisListedDay(benchmark::State& state) {
  const SwissSession session(state);
  double lon[11];
  double day = StartDay;
  for (auto _ : state) {
    for (int minute = 0; minute < 1440; ++minute) {
      SwissPass(day + minute / 1440.0, SEFLG_SWIEPH, lon);
      benchmark::DoNotOptimize(lon);
    }
    day += 1;
  }
}
BENCHMARK(BM_SwissEphemerisListedDay)->Unit(benchmark::kMillisecond);

// The same bodies as our listed day, the table-driven points computed by
// the library's own theories. Most of its cost is theirs: the library
// reads its orbital elements file (seorbel.txt) again on every call for
// the fictitious bodies.
void BM_SwissEphemerisListedDayWithTableBodies(benchmark::State& state) {
  const SwissSession session(state);
  double lon[11 + std::size(SwissTableBodies)];
  double day = StartDay;
  for (auto _ : state) {
    for (int minute = 0; minute < 1440; ++minute) {
      const double moment = day + minute / 1440.0;
      SwissPass(moment, SEFLG_SWIEPH, lon);
      char error[256];
      double xx[6];
      double* out = lon + 11;
      for (int body : SwissTableBodies) {
        swe_calc_ut(moment, body, SEFLG_SWIEPH, xx, error);
        *out++ = xx[0];
      }
      benchmark::DoNotOptimize(lon);
    }
    day += 1;
  }
}
BENCHMARK(BM_SwissEphemerisListedDayWithTableBodies)->Unit(benchmark::kMillisecond);

#endif

}  // namespace
