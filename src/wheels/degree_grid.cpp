#include "wheels/degree_grid.h"

#include <array>
#include <cmath>
#include <utility>

#include "core/angle_helpers.h"
#include "state/shared_tables.h"

namespace halcyra {

namespace {

using Band = std::array<std::string, GridLinesPerBand>;

// The two letters naming a point in its cell.
std::string_view GridPointCode(int point) {
  if (point == PartOfFortune) return "PF";
  if (point == NorthNode) return "NN";
  return PointName[static_cast<size_t>(point)].substr(0, 2);
}

std::string RightAligned2(int value) { return (value < 10 ? " " : "") + std::to_string(value); }

Band BlankBand() {
  Band band;
  band.fill(std::string(GridLineWidth, ' '));
  return band;
}

void Put(std::string& line, size_t at, std::string_view text) {
  for (size_t i = 0; i < text.size() && at + i < line.size(); ++i) line[at + i] = text[i];
}

}  // namespace

std::vector<Band> DegreeGridBands(const ChartSet& natal) {
  struct Keyed {
    int point;
    double key;  // the longitude's part within its sign
  };
  std::array<Keyed, LastMainPoint + 1> sorted{};
  for (int p = 1; p <= LastMainPoint; ++p) {
    const double longitude = natal.Long[static_cast<size_t>(p)];
    sorted[static_cast<size_t>(p)] = {p, longitude >= 30 ? std::fmod(longitude, 30.0) : longitude};
  }
  // An exchange sort into rising key that also exchanges equal keys.
  for (size_t j = 1; j < LastMainPoint; ++j)
    for (size_t i = j + 1; i <= LastMainPoint; ++i)
      if (sorted[i].key <= sorted[j].key) std::swap(sorted[i], sorted[j]);

  std::vector<Band> bands;
  for (size_t j = 1; j <= LastMainPoint; ++j) {
    const int p = sorted[j].point;
    const SignDegMin split = SplitSignDegMin(natal.Long[static_cast<size_t>(p)]);
    const size_t at = 3 * static_cast<size_t>(split.degrees);
    // the first band whose cell at this degree is free; bands fill from the first
    size_t b = 0;
    while (b < bands.size() && bands[b][0][at] != ' ') ++b;
    if (b == bands.size()) bands.push_back(BlankBand());
    Band& band = bands[b];
    Put(band[0], at, GridPointCode(p));
    Put(band[1], at, RightAligned2(split.degrees));
    Put(band[2], at, PackedField(SignAbbrevs, 3, split.sign).substr(0, 2));
    Put(band[3], at, RightAligned2(split.minutes));
    Put(band[4], at + 1, natal.Retrograde(p) ? "R" : " ");
  }
  return bands;
}

void DrawAsciiGrid(LineSink& sink, const ChartSet& natal) {
  const std::vector<Band> bands = DegreeGridBands(natal);
  sink.WriteBlankLine();
  sink.WriteBlankLine();
  std::string header = "  ";
  for (int d = 0; d < 30; ++d) header += (d < 10 ? "0" : "") + std::to_string(d) + " ";
  sink.WriteLine(header);
  for (const Band& band : bands)
    for (const std::string& line : band) sink.WriteLine("  " + line);
}

}  // namespace halcyra
