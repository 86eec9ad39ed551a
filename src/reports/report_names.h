#pragma once
// Fixed-width fields cut from the shared packed name tables; an index out
// of range gives blanks of the field's width, so a column never shifts.
#include <string>
#include <vector>

namespace halcyra {

// Three-letter abbreviation of sign 1 (Aries) .. 12 (Pisces).
std::string SignAbbrev(int sign);
// Four-character label of cusp entry 1 (10th house) .. 13 (blank).
std::string HouseLabel(int cuspEntry);
// Ten-character name field of point 1..31 ("Sun       ", "1st h     ").
std::string PointName10(int point);
// Twelve-character name field of aspect code 1 (blank) .. 16.
std::string AspectName12(int code);
// Exact angle of aspect code c (0 outside 0..16).
int AngleOfAspect(int code);

// Points 1..lastPoint in listing order: Sun, Moon, then the others by index.
std::vector<int> ListingOrder(int lastPoint);

}  // namespace halcyra
