#pragma once
// The essential dignities of the seven traditional planets: the rulers of
// each sign by domicile, exaltation, detriment, fall and triplicity, the
// Ptolemaic terms and the Chaldean faces, and the outer planets' signs.
// Rulers are point numbers; 0 where a sign has none.

namespace halcyra {

// By sign 1 Aries .. 12 Pisces.
int DomicileRuler(int sign);
int ExaltationRuler(int sign);
int DetrimentPlanet(int sign);   // the planet in its detriment there
int FallPlanet(int sign);        // the planet in its fall there
// The single ruler of the sign's element for the chart's sect (fire Sun by
// day, Jupiter by night; earth Venus, Moon; air Saturn, Mercury; water Mars).
int TriplicityRuler(int sign, bool dayChart);
// Uranus for Aquarius, Neptune for Pisces, Pluto for Scorpio.
int ModernRuler(int sign);

// The ruler of the Ptolemaic term and of the face that hold a longitude
// (0 up to 360). A term runs from its start, included, to its end.
int TermRuler(double longitude);
int FaceRuler(double longitude);

// A sign the planet rules by domicile, or for Uranus, Neptune and Pluto by
// the modern rulership.
bool IsOwnSign(int planet, int sign);
// The sign in which the planet is exalted; 0 for none.
int ExaltationSignOf(int planet);

}  // namespace halcyra
