#pragma once
// The Keywords browser's reference card: 46 topics in a grid of 12 rows and
// 4 columns, each with a fixed text that a click on its cell shows.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace halcyra {

enum class KeywordKind { Planet, Sign, Plain, Aspects };

struct KeywordTopic {
  std::string_view name;       // the cell's text and the key a click looks up
  KeywordKind kind;
  std::string_view paragraph{};  // empty for the aspects
  std::string_view best{}, worst{}, thought{};  // the three short lines of planets and signs
};

inline constexpr int KeywordTopicCount = 46;
inline constexpr int KeywordRows = 12, KeywordColumns = 4;

// In the order a click compares them: the planets, the elements and
// qualities, the houses, the signs, the general notes and Symbolism, Aspects.
extern const std::array<KeywordTopic, KeywordTopicCount> KeywordTopics;

// The grid row by row; the two empty cells hold "".
extern const std::array<std::array<std::string_view, KeywordColumns>, KeywordRows> KeywordGrid;

// The aspects with their keywords, two to a line.
extern const std::array<std::string_view, 5> KeywordAspectLines;

// The text a click on a cell reading `topic` shows, lines ended by CR LF;
// nothing for a cell that names no topic.
std::optional<std::string> KeywordText(std::string_view topic);

}  // namespace halcyra
