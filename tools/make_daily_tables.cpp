// Writes the daily ephemeris tables of the bodies the program has no theory
// for: CHIRON.DAT, TP.DAT and t-Cupido.DAT .. t-Poseidon.DAT.
//
// Each file holds 60000 records "longitude,declination" (degrees, CR LF),
// record i for 12:00 UT of the noon-based day 2415000 + i (11 December 1899
// to 19 March 2064): geocentric, tropical, apparent, of date. Longitudes lie
// in 0 up to 360; five decimals are more than the single precision the
// program keeps them in.
//
// Source: the Swiss Ephemeris library of Debian (libswe-dev, AGPL) with its
// data package swe-basic-data. Chiron comes from the asteroid file
// seas_18.se1 (body 15); TransPluto is the hypothetical body Isis-Transpluto
// (48) and the eight Uranian points are the hypothetical bodies 40 to 47,
// whose orbital elements the library carries (seorbel.txt). The library is
// used only here, never by the program, which reads the files written.
//
// Build and run (outside the program's build):
//   cmake -S tools -B build-tools && cmake --build build-tools
//   build-tools/make_daily_tables appdata [ephemeris folder]
#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr int Days = 60000;
constexpr double FirstDay = 2415000.0;

struct Body {
  int number;  // Swiss Ephemeris body number
  const char* file;
};
constexpr Body Bodies[] = {
    {SE_CHIRON, "CHIRON.DAT"},      {SE_ISIS, "TP.DAT"},             {SE_CUPIDO, "t-Cupido.DAT"},
    {SE_HADES, "t-Hades.DAT"},      {SE_ZEUS, "t-Zeus.DAT"},         {SE_KRONOS, "t-Kronos.DAT"},
    {SE_APOLLON, "t-Apollon.DAT"},  {SE_ADMETOS, "t-Admetos.DAT"},   {SE_VULKANUS, "t-Vulkanus.DAT"},
    {SE_POSEIDON, "t-Poseidon.DAT"},
};

// One coordinate pair of a body; false (and a message) when the library fails
// or falls back to a theory other than its own ephemeris files.
bool Position(int body, double jd, int extraFlags, double& first, double& second) {
  double xx[6];
  char error[AS_MAXCH] = "";
  const int32 flags = SEFLG_SWIEPH | extraFlags;
  const int32 got = swe_calc_ut(jd, body, flags, xx, error);
  if (got < 0 || (body == SE_CHIRON && (got & SEFLG_SWIEPH) == 0)) {
    std::fprintf(stderr, "body %d at JD %.1f: %s\n", body, jd, error);
    return false;
  }
  first = xx[0];
  second = xx[1];
  return true;
}

// Five decimals, with a longitude that rounds up to 360 written as 0.
std::string Record(double lon, double decl) {
  char text[64];
  std::snprintf(text, sizeof text, "%.5f", lon);
  if (std::string(text) == "360.00000") std::snprintf(text, sizeof text, "%.5f", 0.0);
  std::string record = text;
  std::snprintf(text, sizeof text, ",%.5f\r\n", decl);
  return record + text;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string out = argc > 1 ? argv[1] : "appdata";
  const std::string ephe = argc > 2 ? argv[2] : "/usr/share/libswe/ephe";
  swe_set_ephe_path(ephe.c_str());
  char version[AS_MAXCH];
  std::printf("Swiss Ephemeris %s, files from %s\n", swe_version(version), ephe.c_str());

  for (const Body& body : Bodies) {
    std::string bytes;
    bytes.reserve(Days * 24);
    for (int i = 0; i < Days; ++i) {
      const double jd = FirstDay + i;
      double lon, lat, ra, decl;
      if (!Position(body.number, jd, 0, lon, lat) || !Position(body.number, jd, SEFLG_EQUATORIAL, ra, decl)) {
        return 1;
      }
      bytes += Record(lon, decl);
    }
    const std::string path = out + "/" + body.file;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
      std::fprintf(stderr, "cannot write %s\n", path.c_str());
      return 1;
    }
    std::printf("%s: %d records\n", path.c_str(), Days);
  }
  swe_close();
  return 0;
}
