#pragma once
// What the ephemeris tests share: a moment as the chart time hands it over,
// and the Swiss Ephemeris (Debian's libswe with the files of swe-basic-data)
// as the reference.
#include <gtest/gtest.h>
#include <swephexp.h>

#include "core/angle_helpers.h"
#include "core/chart_time.h"
#include "core/ephemeris_driver.h"

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

}  // namespace halcyra::testing
