#pragma once
// The constant tables every subsystem reads: point names, packed name
// strings, aspect angles, month lengths, weekdays, the wheel's ring tables
// and the screen-size classes.
#include <array>
#include <string>
#include <string_view>

#include "state/points.h"
#include "state/screen_class.h"

namespace halcyra {

inline constexpr std::string_view VersionText = "2.00";

// Full point names by point number; "MC " and "TP " keep their trailing blank.
inline constexpr std::array<std::string_view, NumPoints + 1> PointName = {
    "",        "Sun",    "Mercury", "Venus",   "Mars",     "Jupiter", "Saturn",  "Uranus",
    "Neptune", "Pluto",  "Moon",    "N. Node", "P. Fort",  "Chiron",  "ASC",     "MC ",
    "Lilith",  "TP ",    "Cupido",  "Hades",   "Zeus",     "Kronos",  "Apollon", "Admetos",
    "Vulkanus", "Poseidon", "1st H.", "2nd H.", "3rd H.",  "4th H.",  "5th H.",  "6th H."};

// The nine-character point names of the horary tables (PointAbbr()), by
// point number; points without one stay empty.
inline constexpr std::array<std::string_view, NumPoints + 1> PointAbbrNames = {
    "",          "Sun      ", "Mercury  ", "Venus    ", "Mars     ", "Jupiter  ", "Saturn   ",
    "Uranus   ", "Neptune  ", "Pluto    ", "Moon     ", "NN       ", "",          "Part F.  ",
    "Ascendant"};

// Packed strings: field k (from 1) of width w is the w characters from w*(k-1).
inline constexpr std::string_view PointNames10 =
    "Sun       Mercury   Venus     Mars      Jupiter   Saturn    Uranus    Neptune   "
    "Pluto     Moon      N. Node   P. Fort   Chiron    ASC       MC        Lilith    TP        "
    "Cupido    Hades     Zeus      Kronos    Apollon   Admetos   Vulkanus  Poseidon  "
    "1st h     2nd h     3rd h     4th h     5th h     6th h     ";
inline constexpr std::string_view SignAbbrevs = "ARITAUGEMCANLEOVIRLIBSCOSAGCPRAQUPIS";
// By cusp entry (1 = 10th house); field 13 is four blanks.
inline constexpr std::string_view HouseLabels = "10TH11TH12TH 1ST 2ND 3RD 4TH 5TH 6TH 7TH 8TH 9TH    ";
// By aspect code; code 1 (no aspect) is blank.
inline constexpr std::string_view AspectNames12 =
    "            conjunct    sextile     square      trine       "
    "opposite    PARALLEL    s.sextile   s.square    ses.square  "
    "quincunx    s.quintile  nonagen     quintile    trecile     "
    "bi-quintile ";
inline constexpr std::string_view MonthAbbrevs = "JanFebMarAprMayJunJulAugSepOctNovDec";
// By weekday number, 0 = Wednesday.
inline constexpr std::string_view DayNames = "WEDNESDAYTHURSDAY FRIDAY   SATURDAY SUNDAY   MONDAY   TUESDAY  ";
inline constexpr double WeekdayEpochJD = 2411369;  // a Wednesday

// Field k (from 1) of a packed string of fields `width` wide; "" past the end.
std::string_view PackedField(std::string_view packed, int width, int k);

// Weekday number of a noon-based day number: 0 Wednesday .. 6 Tuesday, also
// for days before the Wednesday of WeekdayEpochJD.
int WeekdayNumber(long julianDay);

// Exact angle of each aspect code; codes 0 and 1 hold 0, code 7 (parallel) too.
inline constexpr std::array<int, 17> AspectAngle = {0, 0, 0, 60, 90, 120, 180, 0, 30,
                                                    45, 135, 150, 36, 40, 72, 108, 144};

// Start angle and glyph radius of each house's sector (1..12) on the single
// wheel or inner ring (Inner) and on the other ring of a dual wheel (Outer).
inline constexpr std::array<int, 13> RingBaseInner = {0, 180, 209, 240, 272, 304, 335, 4, 34, 65, 95, 124, 153};
inline constexpr std::array<int, 13> RingRadiusInner = {0, 217, 212, 201, 196, 194, 197, 199, 202, 206, 208, 212, 217};
inline constexpr std::array<int, 13> RingBaseOuter = {0, 181, 209, 240, 273, 306, 337, 7, 37, 68, 96, 126, 154};
inline constexpr std::array<int, 13> RingRadiusOuter = {0, 138, 130, 123, 119, 120, 121, 126, 126, 129, 132, 137, 139};
// The wheel's drawing code names the same tables after its rings.
inline constexpr const auto& RingBaseMain = RingBaseInner;
inline constexpr const auto& RingBaseDualInner = RingBaseOuter;
inline constexpr const auto& RingRadiusDualInner = RingRadiusOuter;

// Initial per-chart strings: no point retrograde; every house label blank
// except the ASC and MC fields, which read "---- -----".
std::string InitialRetroFlags();
std::string InitialHouseTags();

// The house-system code chosen by option 27: 2 "R", 3 "K", 4 "C", 5 "O",
// 6 "EA", 7 "EM", 8 "M", 9 "I", anything else "P".
std::string HouseSystemFromOption(float option27);

}  // namespace halcyra
