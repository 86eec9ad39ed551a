#pragma once
// A chart's place: signed longitude and latitude in decimal degrees, with
// the forms the rest of the program shows or keeps it in.
#include <string>

namespace halcyra {

// A magnitude in whole degrees and minutes, as the input boxes, the names
// file and the step record hold it.
struct DegreesMinutes {
  int Degrees = 0;
  int Minutes = 0;  // 0 to 59
  // Degrees plus minutes / 100, the form reports print ("84.23").
  double Dot() const { return Degrees + Minutes / 100.0; }
  bool operator==(const DegreesMinutes&) const = default;
};

struct Place {
  // West and north positive. A zero keeps the hemisphere it was given in its
  // sign (-0 is east or south), as the option buttons chose it.
  double Longitude = 0;
  double Latitude = 0;

  static Place FromDegreesMinutes(DegreesMinutes longitude, bool east, DegreesMinutes latitude, bool south);
  // From signed degrees plus minutes / 100 (east and south negative), the
  // part after the point read as minutes: 40.45 is 40 degrees 45 minutes.
  static Place FromDotMinutes(double longitudeDot, double latitudeDot);

  bool East() const;
  bool South() const;
  // "EAST" or "WEST", "NORTH" or "SOUTH": the words of headings and captions.
  std::string EWText() const { return East() ? "EAST" : "WEST"; }
  std::string NSText() const { return South() ? "SOUTH" : "NORTH"; }
  // The magnitudes to the nearest whole minute.
  DegreesMinutes LongitudeDM() const;
  DegreesMinutes LatitudeDM() const;

  // Equal coordinates in the same hemispheres (a zero's sign counts).
  bool operator==(const Place& other) const;
};

}  // namespace halcyra
