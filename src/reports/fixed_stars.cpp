#include "reports/fixed_stars.h"

#include <cmath>
#include <vector>

#include "reports/report_columns.h"
#include "reports/report_headers.h"

namespace halcyra {

// name, epoch, window at the epoch from, to (degrees)
const std::array<FixedStar, FixedStarCount> FixedStarTable = {{
    {"ALGOL", 1990, 56.03, 56.03},
    {"ALCYONE", 1990, 58.85, 60.85},
    {"ALDEBARAN", 1990, 68.65, 70.65},
    {"REGULUS", 1990, 148.7, 150.7},
    {"SPICA", 1990, 202.7, 204.7},
    {"UNUK", 1990, 230.9167, 232.9167},
    {"ANTARES", 1990, 248.633, 250.633},
    {"FOMALHAUT", 1990, 332.7166667, 334.7166667},
    {"MARKAB", 1990, 352.35, 354.35},
    {"SCHEAT", 1990, 358.233, 360.233},
    {"BETELGEUZE", 1990, 87.616667, 89.616667},
    {"CASTOR", 1990, 109.1166667, 111.1166667},
    {"N. ASELLI", 1990, 126.4, 128.4},
    {"S. ASELLI", 1990, 127.583333, 129.583333},
    {"VINDEMIATRIX", 1990, 188.8166667, 190.8166667},
    {"ACULEUS", 1990, 264.63333, 266.63333},
    {"ACUMEN", 1990, 267.5666667, 269.5666667},
    {"VEGA", 1990, 284.183333, 286.183333},
    {"Alpheratz", 2000, 13.3, 15.3},
    {"Baten Kaitos", 2000, 20.95, 22.95},
    {"Sharatan", 2000, 32.966667, 34.9666667},
    {"Hamal", 2000, 36.66667, 38.66667},
    {"Schedir", 2000, 36.78333, 38.7833333},
    {"Almach", 2000, 43.23333, 45.2333333},
    {"Hyades", 2000, 64.8, 66.8},
    {"N. Bull's Eye", 2000, 67.466667, 69.466667},
    {"Rigel", 2000, 75.83333, 77.8333333},
    {"Bellatrix", 2000, 79.95, 81.95},
    {"Capella", 2000, 80.85, 82.85},
    {"Phact", 2000, 81.166667, 83.166667},
    {"El Nath", 2000, 81.58333, 83.5833333},
    {"Alnilaml", 2000, 82.466667, 84.466667},
    {"Al Hecka", 2000, 83.783333, 85.7833333},
    {"Sirius", 2000, 103.083333, 105.083333},
    {"Canopus", 2000, 103.966667, 105.966667},
    {"Pollux", 2000, 112.216667, 114.216667},
    {"Procyon", 2000, 114.783333, 116.783333},
    {"Praesaepe", 2000, 126.333333, 128.333333},
    {"Acubens", 2000, 132.633333, 134.633333},
    {"Dubhe", 2000, 134.2, 136.2},
    {"Alphard", 2000, 146.283333, 148.283333},
    {"Al Jabhah", 2000, 146.9, 148.9},
    {"Zosma", 2000, 160.316667, 162.316667},
    {"Denebolal", 2000, 170.616667, 172.616667},
    {"Coma Berenices", 2000, 172.866667, 174.866667},
    {"Labrum", 2000, 175.683333, 177.683333},
    {"Algorab", 2000, 192.45, 194.45},
    {"Seginus", 2000, 196.666667, 198.666667},
    {"Foramen", 2000, 201.15, 203.15},
    {"Arcturus", 2000, 203.233333, 205.233333},
    {"Princeps", 2000, 212.15, 214.15},
    {"Alphecca", 2000, 221.3, 223.3},
    {"S. Scale", 2000, 224.083333, 226.083333},
    {"N. Scale", 2000, 228.366667, 230.366667},
    {"Agena", 2000, 232.8, 234.8},
    {"Bungula", 2000, 238.616667, 240.616667},
    {"Yed Prior", 2000, 241.3, 243.3},
    {"Rastaban", 2000, 250.966667, 252.966667},
    {"Algethi", 2000, 255.15, 257.15},
    {"Sinistra", 2000, 268.75, 270.75},
    {"Facies", 2000, 277.3, 279.3},
    {"Ascella", 2000, 282.633333, 284.633333},
    {"Manubrium", 2000, 284, 286},
    {"Deneb", 2000, 288.8, 290.8},
    {"Terebellum", 2000, 294.85, 296.85},
    {"Altair", 2000, 300.783333, 302.783333},
    {"Oculus", 2000, 303.716667, 305.716667},
    {"Bos", 2000, 304.166667, 306.166667},
    {"Nashira", 2000, 320.783333, 322.783333},
    {"Deneb Algedi", 2000, 322.55, 324.55},
    {"Sadalsuud", 2000, 322.816667, 324.816667},
    {"Deneb Adige", 2000, 334.333333, 336.333333},
    {"Skat", 2000, 337.866667, 339.866667},
    {"Achernar", 2000, 344.316667, 346.316667},
}};

namespace {

constexpr std::size_t kNameWidth = 15;
constexpr std::size_t kNoteColumn = 2 + kNameWidth + 9 + 2;  // characters before a note
constexpr std::size_t kLineWidth = 80;

// The note cut into pieces of at most `width` characters, broken at blanks
// where a blank falls in the piece.
std::vector<std::string> WrapNote(const std::string& note, std::size_t width) {
  std::vector<std::string> pieces;
  std::size_t start = 0;
  while (start < note.size()) {
    while (start < note.size() && note[start] == ' ' && !pieces.empty()) ++start;
    if (start >= note.size()) break;
    std::size_t end = start + width;
    if (end >= note.size()) {
      pieces.push_back(note.substr(start));
      break;
    }
    std::size_t blank = note.rfind(' ', end);
    if (blank != std::string::npos && blank > start) end = blank;
    pieces.push_back(note.substr(start, end - start));
    start = end;
  }
  if (pieces.empty()) pieces.emplace_back();
  return pieces;
}

}  // namespace

double PrecessedStarLongitude(const FixedStar& star, const ChartMoments& moments) {
  const double shift = star.epoch == 1990 ? moments.Precession1990 : moments.Precession2000;
  const double longitude = (star.windowFrom + star.windowTo) / 2 + shift;
  return longitude - 360.0 * std::floor(longitude / 360.0);
}

void WriteFixedStarsReport(LineSink& out, int natalYear, const ChartMoments& moments,
                           const std::array<std::string, StarTextLines>& notes) {
  out.WriteBlankLine();
  out.WriteLine("  FIXED STARS, positions for " + std::to_string(natalYear));
  out.WriteBlankLine();
  out.WriteLine("  " + PadRight("STAR", kNameWidth) + PadRight("POSITION", 11) + "NOTES");
  for (int k = 0; k < FixedStarCount; ++k) {
    const FixedStar& star = FixedStarTable[static_cast<std::size_t>(k)];
    std::string note = static_cast<std::size_t>(k) < notes.size() ? notes[static_cast<std::size_t>(k)] : "";
    while (!note.empty() && note.back() == ' ') note.pop_back();
    const std::vector<std::string> pieces = WrapNote(note, kLineWidth - kNoteColumn);
    std::string line =
        "  " + PadRight(star.name, kNameWidth) + SignDegMinText(PrecessedStarLongitude(star, moments));
    if (!pieces.front().empty()) line += "  " + pieces.front();
    out.WriteLine(line);
    for (std::size_t i = 1; i < pieces.size(); ++i) out.WriteLine(std::string(kNoteColumn, ' ') + pieces[i]);
  }
}

}  // namespace halcyra
