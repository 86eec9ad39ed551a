#pragma once
// Natal emphasis (More Natal Data): which of the ten planets fall into each
// group of signs (cardinal, fire, masculine ...) and of houses (angular,
// life, eastern ...), one line per group; only names, no counts.
#include <string>
#include <vector>

#include "state/chart_set.h"
#include "state/line_sink.h"

namespace halcyra {

struct EmphasisGroup {
  std::string label;        // 15 characters, "Cardinal     - "
  std::vector<int> planets; // point numbers in index order
};

// The sign groups in printed order; a planet's sign comes from its longitude.
std::vector<EmphasisGroup> SignEmphasis(const ChartSet& natal);
// The house groups in printed order; a planet's house from its house tag.
std::vector<EmphasisGroup> HouseEmphasis(const ChartSet& natal);

// The report body: SIGNS: and HOUSES: with their blocks of group lines.
void WriteSignHouseEmphasis(LineSink& out, const ChartSet& natal);

}  // namespace halcyra
