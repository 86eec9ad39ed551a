#include "horary/natal_emphasis.h"

#include <initializer_list>
#include <span>

#include "horary/zodiac.h"
#include "reports/report_names.h"

namespace halcyra {

namespace {

struct GroupDefinition {
  const char* label;
  unsigned members;  // bit n: sign or house n
};

constexpr unsigned Of(std::initializer_list<int> numbers) {
  unsigned bits = 0;
  for (int n : numbers) bits |= 1u << n;
  return bits;
}

constexpr GroupDefinition kSignGroups[] = {
    {"Cardinal     - ", Of({1, 4, 7, 10})},     {"Fixed        - ", Of({2, 5, 8, 11})},
    {"Mutable      - ", Of({3, 6, 9, 12})},     {"Fire         - ", Of({1, 5, 9})},
    {"Earth        - ", Of({2, 6, 10})},        {"Air          - ", Of({3, 7, 11})},
    {"Water        - ", Of({4, 8, 12})},        {"Intellectual - ", Of({1, 2, 3})},
    {"Maternal     - ", Of({4, 5, 6})},         {"Reproductive - ", Of({7, 8, 9})},
    {"Serving      - ", Of({10, 11, 12})},      {"Masculine    - ", Of({1, 3, 5, 7, 9, 11})},
    {"Feminine     - ", Of({2, 4, 6, 8, 10, 12})}, {"Commanding   - ", Of({1, 2, 3, 4, 5, 6})},
    {"Obeying      - ", Of({7, 8, 9, 10, 11, 12})},
};
constexpr GroupDefinition kHouseGroups[] = {
    {"Angular      - ", Of({1, 4, 7, 10})},     {"Succedent    - ", Of({2, 5, 8, 11})},
    {"Cadent       - ", Of({3, 6, 9, 12})},     {"Life         - ", Of({1, 5, 9})},
    {"Possessive   - ", Of({2, 6, 10})},        {"Association  - ", Of({3, 7, 11})},
    {"Psychic      - ", Of({4, 8, 12})},        {"Intuition    - ", Of({1, 2, 3})},
    {"Feeling      - ", Of({4, 5, 6})},         {"Relationship - ", Of({7, 8, 9})},
    {"Thinking     - ", Of({10, 11, 12})},      {"Self         - ", Of({12, 1, 2, 3})},
    {"Companions   - ", Of({4, 5, 6, 7})},      {"Public       - ", Of({8, 9, 10, 11})},
    {"Eastern      - ", Of({10, 11, 12, 1, 2, 3})}, {"Western      - ", Of({4, 5, 6, 7, 8, 9})},
    {"North        - ", Of({1, 2, 3, 4, 5, 6})}, {"South        - ", Of({7, 8, 9, 10, 11, 12})},
};
// How many group lines stand in each block before its blank line.
constexpr int kSignBlocks[] = {3, 4, 4, 2, 2};
constexpr int kHouseBlocks[] = {3, 4, 4, 3, 4};

template <typename PlaceOf>
std::vector<EmphasisGroup> Groups(std::span<const GroupDefinition> definitions, PlaceOf placeOf) {
  std::vector<EmphasisGroup> groups;
  for (const GroupDefinition& d : definitions) {
    EmphasisGroup& g = groups.emplace_back(EmphasisGroup{d.label, {}});
    for (int p = Sun; p <= Moon; ++p) {
      const int place = placeOf(p);
      if (place >= 1 && place <= 12 && (d.members >> place & 1u)) g.planets.push_back(p);
    }
  }
  return groups;
}

void WriteBlocks(LineSink& out, const std::vector<EmphasisGroup>& groups, std::span<const int> blocks) {
  size_t next = 0;
  for (int size : blocks) {
    for (int i = 0; i < size; ++i, ++next) {
      std::string line = "  " + groups[next].label;
      for (int p : groups[next].planets) line += PointName10(p) + " ";
      out.WriteLine(line);
    }
    out.WriteBlankLine();
  }
}

}  // namespace

std::vector<EmphasisGroup> SignEmphasis(const ChartSet& natal) {
  return Groups(kSignGroups, [&](int p) { return SignOf(natal.Long[p]); });
}

std::vector<EmphasisGroup> HouseEmphasis(const ChartSet& natal) {
  return Groups(kHouseGroups, [&](int p) { return natal.HouseOf(p); });
}

void WriteSignHouseEmphasis(LineSink& out, const ChartSet& natal) {
  out.WriteBlankLine();
  out.WriteLine("  SIGNS:");
  WriteBlocks(out, SignEmphasis(natal), kSignBlocks);
  out.WriteLine("  HOUSES:");
  WriteBlocks(out, HouseEmphasis(natal), kHouseBlocks);
}

}  // namespace halcyra
