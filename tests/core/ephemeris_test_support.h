#pragma once
// What the ephemeris tests share: a moment as the chart time hands it over,
// the Swiss Ephemeris (Debian's libswe with the files of swe-basic-data) as
// the reference, and a plain evaluation of our own series.
#include <gtest/gtest.h>
#include <swephexp.h>

#include "core/angle_helpers.h"
#include "core/chart_time.h"
#include "core/ephemeris_driver.h"
#include "state/points.h"

namespace halcyra::testing {

inline EphemerisMoment MomentOf(double jday, double dayFraction, double ascLong = 123.4, double mcLong = 33.3) {
  EphemerisMoment m;
  m.JDay = jday;
  m.DayFraction = dayFraction;
  m.T = CenturiesFrom1900(jday, dayFraction);
  m.Obliquity = -DegToRad(MeanObliquityDeg(m.T));  // negated, as the chart time leaves it
  m.AscLong = ascLong;
  m.MCLong = mcLong;
  return m;
}

struct SwissEphemeris {
  SwissEphemeris() { swe_set_ephe_path(const_cast<char*>("/usr/share/libswe/ephe")); }
  ~SwissEphemeris() { swe_close(); }
  // longitude and declination of date, degrees, at a universal-time JD
  void Position(double jdUt, int body, double& lon, double& decl) const {
    double ecl[6], equ[6];
    char error[256];
    if (swe_calc_ut(jdUt, body, SEFLG_SWIEPH, ecl, error) < 0) ADD_FAILURE() << error;
    if (swe_calc_ut(jdUt, body, SEFLG_SWIEPH | SEFLG_EQUATORIAL, equ, error) < 0) ADD_FAILURE() << error;
    lon = ecl[0];
    decl = equ[1];
  }
};

// A second evaluation of the ephemeris pass in long double: the same
// coefficient tables (checked against the published sums), summed term by
// term with the C library's long double functions, every angle formed and
// reduced where the method does, with the program's ten-decimal pi. It
// shares no evaluation code with the program.
struct ReferencePass {
  long double Long[NumPoints + 1] = {};     // points 1 to 12, 14, 15
  long double Lat[NumPoints + 1] = {};      // points 1 to 10
  long double Decl[NumPoints + 1] = {};     // points 1 to 10
  long double NextDay[NumPoints + 1] = {};  // points 1 to 11
  long double MoonDeclNextDay = 0;
};

ReferencePass EvaluateReferencePass(const EphemerisMoment& moment);

}  // namespace halcyra::testing
