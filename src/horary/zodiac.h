#pragma once
// How the horary reports read a longitude: its sign, its degree within the
// sign, and a planet's distance from the Sun; and the names they print.
#include <string>

namespace halcyra {

// Sign of a longitude, 1 Aries .. 12 Pisces: Int(L / 30) + 1.
int SignOf(double longitude);

// Degree within the sign, 0 up to 30: the longitude less 30 as often as it
// is 30 or more.
double DegreeInSign(double longitude);
// Whole degrees within the sign, 0 to 29.
int WholeDegreeInSign(double longitude);

// The Via Combusta, 15 Libra up to (not including) 15 Scorpio.
bool InViaCombusta(double longitude);

// A planet's distance from the Sun for cazimi, combust and under the Sun's
// beams: the shorter arc, 0 to 180, so a planet at 359.9 is 0.2 from a Sun
// at 0.1 (the plain difference would be 359.8 and lose it).
double SolarDistance(double sunLongitude, double planetLongitude);

// Printed names: the full name ("MC " keeps its blank), the name filled
// with blanks to 9 characters ("Moon     ", planets 1 to 10) and the
// three-letter label of the dignity cells ("Moo").
std::string NameOf(int point);
std::string PlanetName9(int planet);
std::string PlanetLabel3(int planet);

}  // namespace halcyra
