#include "reports/interpretation_texts.h"

#include <cctype>

#include "platform/text_files.h"
#include "state/points.h"

namespace halcyra {

namespace {

std::string Upper(const std::string& text) {
  std::string out;
  for (unsigned char c : text)
    if (!std::isspace(c)) out += static_cast<char>(std::toupper(c));
  return out;
}

bool IsKeyLine(const std::string& line, std::string& inner) {
  std::size_t first = line.find_first_not_of(" \t");
  std::size_t last = line.find_last_not_of(" \t");
  if (first == std::string::npos || line[first] != '[' || line[last] != ']') return false;
  inner = line.substr(first + 1, last - first - 1);
  const std::size_t a = inner.find_first_not_of(" \t");
  const std::size_t b = inner.find_last_not_of(" \t");
  inner = a == std::string::npos ? std::string() : inner.substr(a, b - a + 1);
  return true;
}

// The (aspect, point) pairs a key names; empty when it names none.
std::vector<std::pair<int, int>> KeysOf(const std::string& inner) {
  std::vector<std::pair<int, int>> keys;
  const std::size_t space = inner.find_last_of(" \t");
  if (space == std::string::npos) return keys;
  const int point = InterpretationPointOf(inner.substr(space + 1));
  if (point == 0) return keys;
  std::string aspects = inner.substr(0, space);
  std::size_t start = 0;
  while (start <= aspects.size()) {
    std::size_t slash = aspects.find('/', start);
    if (slash == std::string::npos) slash = aspects.size();
    const int code = InterpretationAspectOf(aspects.substr(start, slash - start));
    if (code != 0) keys.push_back({code, point});
    start = slash + 1;
  }
  return keys;
}

void Store(InterpretationTexts& texts, const std::vector<std::pair<int, int>>& keys,
           std::vector<std::string> paragraph) {
  while (!paragraph.empty() && paragraph.back().find_first_not_of(" \t") == std::string::npos)
    paragraph.pop_back();
  std::size_t lead = 0;
  while (lead < paragraph.size() && paragraph[lead].find_first_not_of(" \t") == std::string::npos)
    ++lead;
  paragraph.erase(paragraph.begin(), paragraph.begin() + static_cast<long>(lead));
  for (const auto& key : keys) texts.emplace(key, paragraph);
}

}  // namespace

int InterpretationPointOf(const std::string& word) {
  const std::string w = Upper(word);
  static const std::pair<const char*, int> kPoints[] = {
      {"SUN", Sun},         {"MOON", Moon},       {"MERCURY", Mercury}, {"VENUS", Venus},
      {"MARS", Mars},       {"JUPITER", Jupiter}, {"SATURN", Saturn},   {"URANUS", Uranus},
      {"NEPTUNE", Neptune}, {"PLUTO", Pluto},     {"ASC", Ascendant},   {"MC", Midheaven}};
  for (const auto& [name, point] : kPoints)
    if (w == name) return point;
  return 0;
}

int InterpretationAspectOf(const std::string& word) {
  const std::string w = Upper(word);
  static const std::pair<const char*, int> kAspects[] = {
      {"CONJUNCT", 2}, {"SEXTILE", 3}, {"SQUARE", 4}, {"TRINE", 5}, {"OPPOSITE", 6}};
  for (const auto& [name, code] : kAspects)
    if (w == name) return code;
  return 0;
}

InterpretationTexts ParseInterpretationLines(const std::vector<std::string>& lines) {
  InterpretationTexts texts;
  std::vector<std::pair<int, int>> keys;
  std::vector<std::string> paragraph;
  for (const std::string& line : lines) {
    if (!line.empty() && line[0] == ';') continue;
    std::string inner;
    if (IsKeyLine(line, inner)) {
      Store(texts, keys, std::move(paragraph));
      paragraph.clear();
      keys = KeysOf(inner);
      continue;
    }
    if (!keys.empty()) paragraph.push_back(line);
  }
  Store(texts, keys, std::move(paragraph));
  return texts;
}

std::optional<InterpretationTexts> ReadInterpretationFile(const std::string& path) {
  const auto lines = ReadTextLines(path);
  if (!lines) return std::nullopt;
  return ParseInterpretationLines(*lines);
}

}  // namespace halcyra
