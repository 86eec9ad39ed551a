#include "horary/essential_dignities.h"

#include "state/points.h"

namespace halcyra {

namespace {

// Columns: domicile, exaltation, detriment, fall, triplicity by day, by
// night, modern ruler; one row per sign from Aries, entry 0 unused.
struct SignRulers {
  int domicile, exaltation, detriment, fall, tripDay, tripNight, modern;
};
constexpr SignRulers kSigns[13] = {
    {0, 0, 0, 0, 0, 0, 0},
    {Mars, Sun, Venus, Saturn, Sun, Jupiter, 0},                  // Aries
    {Venus, Moon, Mars, 0, Venus, Moon, 0},                       // Taurus
    {Mercury, 0, Jupiter, 0, Saturn, Mercury, 0},                 // Gemini
    {Moon, Jupiter, Saturn, Mars, Mars, Mars, 0},                 // Cancer
    {Sun, 0, Saturn, 0, Sun, Jupiter, 0},                         // Leo
    {Mercury, Mercury, Jupiter, Venus, Venus, Moon, 0},           // Virgo
    {Venus, Saturn, Mars, Sun, Saturn, Mercury, 0},               // Libra
    {Mars, 0, Venus, Moon, Mars, Mars, Pluto},                    // Scorpio
    {Jupiter, 0, Mercury, 0, Sun, Jupiter, 0},                    // Sagittarius
    {Saturn, Mars, Moon, Jupiter, Venus, Moon, 0},                // Capricorn
    {Saturn, 0, Sun, 0, Saturn, Mercury, Uranus},                 // Aquarius
    {Jupiter, Venus, Mercury, Mercury, Mars, Mars, Neptune},      // Pisces
};

// The five Ptolemaic terms of each sign: ruler and the degree of the sign
// at which the term ends.
struct Term {
  int ruler, end;
};
constexpr Term kTerms[12][5] = {
    {{Jupiter, 6}, {Venus, 14}, {Mercury, 21}, {Mars, 26}, {Saturn, 30}},   // Aries
    {{Venus, 8}, {Mercury, 15}, {Jupiter, 22}, {Saturn, 26}, {Mars, 30}},   // Taurus
    {{Mercury, 7}, {Jupiter, 14}, {Venus, 21}, {Saturn, 25}, {Mars, 30}},   // Gemini
    {{Mars, 6}, {Jupiter, 13}, {Mercury, 20}, {Venus, 27}, {Saturn, 30}},   // Cancer
    {{Saturn, 6}, {Mercury, 13}, {Venus, 19}, {Jupiter, 25}, {Mars, 30}},   // Leo
    {{Mercury, 7}, {Venus, 13}, {Jupiter, 18}, {Saturn, 24}, {Mars, 30}},   // Virgo
    {{Saturn, 6}, {Venus, 11}, {Jupiter, 19}, {Mercury, 24}, {Mars, 30}},   // Libra
    {{Mars, 6}, {Jupiter, 14}, {Venus, 21}, {Mercury, 27}, {Saturn, 30}},   // Scorpio
    {{Jupiter, 8}, {Venus, 14}, {Mercury, 19}, {Saturn, 25}, {Mars, 30}},   // Sagittarius
    {{Venus, 6}, {Mercury, 12}, {Jupiter, 19}, {Mars, 25}, {Saturn, 30}},   // Capricorn
    {{Saturn, 6}, {Mercury, 12}, {Venus, 20}, {Jupiter, 25}, {Mars, 30}},   // Aquarius
    {{Venus, 8}, {Jupiter, 14}, {Mercury, 20}, {Mars, 26}, {Saturn, 30}},   // Pisces
};

// The faces repeat every 70 degrees in the Chaldean order from Mars.
constexpr int kFaceRulers[7] = {Mars, Sun, Venus, Mercury, Moon, Saturn, Jupiter};

const SignRulers& RulersOf(int sign) { return kSigns[sign >= 1 && sign <= 12 ? sign : 0]; }

}  // namespace

int DomicileRuler(int sign) { return RulersOf(sign).domicile; }
int ExaltationRuler(int sign) { return RulersOf(sign).exaltation; }
int DetrimentPlanet(int sign) { return RulersOf(sign).detriment; }
int FallPlanet(int sign) { return RulersOf(sign).fall; }
int ModernRuler(int sign) { return RulersOf(sign).modern; }

int TriplicityRuler(int sign, bool dayChart) {
  return dayChart ? RulersOf(sign).tripDay : RulersOf(sign).tripNight;
}

int TermRuler(double longitude) {
  const int sign = static_cast<int>(longitude / 30);
  if (sign < 0 || sign > 11) return 0;
  // against the absolute longitude, so a term's end is exact
  for (const Term& term : kTerms[sign])
    if (longitude < 30 * sign + term.end) return term.ruler;
  return kTerms[sign][4].ruler;
}

int FaceRuler(double longitude) {
  while (longitude >= 70) longitude -= 70;
  const int face = static_cast<int>(longitude / 10);
  return face >= 0 && face < 7 ? kFaceRulers[face] : 0;
}

bool IsOwnSign(int planet, int sign) {
  return planet != 0 && (DomicileRuler(sign) == planet || ModernRuler(sign) == planet);
}

int ExaltationSignOf(int planet) {
  for (int sign = 1; sign <= 12; ++sign)
    if (ExaltationRuler(sign) == planet) return sign;
  return 0;
}

}  // namespace halcyra
