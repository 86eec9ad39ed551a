// Writes Lilith.dat: Lilith's longitude on 1 January of each year from 1900
// to 2065 (166 values, degrees, CR LF).
//
// The program's Lilith is a hypothetical dark moon in uniform motion at
// 3.01844767123288 degrees a day; the program fills the days between two
// 1 January values at the pace that joins them, so values of a uniform
// motion give that motion back. The motion needs one epoch value: we take
// the longitude of Waldemath's dark moon (the body astrologers after
// Sepharial call Lilith) at 12:00 UT on 1 January 1900 (JD 2415021) from the
// Swiss Ephemeris (Debian's libswe-dev, hypothetical body 58, elements after
// D. Koch from Waldemath's published ones, in its seorbel.txt). Every later
// value is that epoch value plus the uniform motion, reduced to 0 up to 360.
//
// Build and run (outside the program's build):
//   cmake -S tools -B build-tools && cmake --build build-tools
//   build-tools/make_lilith_table appdata [ephemeris folder]
#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr double DailyMotion = 3.01844767123288;
constexpr double EpochDay = 2415021.0;  // 1 January 1900, 12:00 UT
constexpr int FirstYear = 1900, LastYear = 2065;

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

int main(int argc, char* argv[]) {
  const std::string out = argc > 1 ? argv[1] : "appdata";
  const std::string ephe = argc > 2 ? argv[2] : "/usr/share/libswe/ephe";
  swe_set_ephe_path(ephe.c_str());

  double xx[6];
  char error[AS_MAXCH] = "";
  if (swe_calc_ut(EpochDay, SE_WALDEMATH, SEFLG_SWIEPH, xx, error) < 0) {
    std::fprintf(stderr, "Waldemath moon at JD %.1f: %s\n", EpochDay, error);
    return 1;
  }
  const double epochLongitude = xx[0];
  std::printf("epoch longitude %.6f at JD %.1f\n", epochLongitude, EpochDay);

  std::string bytes;
  double day = EpochDay;
  for (int year = FirstYear; year <= LastYear; ++year) {
    double lon = std::fmod(epochLongitude + DailyMotion * (day - EpochDay), 360.0);
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", lon);
    if (std::string(text) == "360.000000") std::snprintf(text, sizeof text, "%.6f", 0.0);
    bytes += std::string(text) + "\r\n";
    day += IsLeapYear(year) ? 366 : 365;
  }
  const std::string path = out + "/Lilith.dat";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return 1;
  }
  std::printf("%s: %d yearly values\n", path.c_str(), LastYear - FirstYear + 1);
  swe_close();
  return 0;
}
