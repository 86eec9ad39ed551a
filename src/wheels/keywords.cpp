#include "wheels/keywords.h"

#include <algorithm>
#include <initializer_list>

namespace halcyra {

namespace {

constexpr std::string_view NewLine = "\r\n";

std::string Joined(std::initializer_list<std::string_view> pieces) {
  std::string text;
  for (std::string_view piece : pieces) text += piece;
  return text;
}

}  // namespace

std::optional<std::string> KeywordText(std::string_view topic) {
  const auto found = std::ranges::find(KeywordTopics, topic, &KeywordTopic::name);
  if (topic.empty() || found == KeywordTopics.end()) return std::nullopt;
  const KeywordTopic& t = *found;
  switch (t.kind) {
    case KeywordKind::Planet:
      return Joined({t.paragraph, NewLine, NewLine, t.best, NewLine, t.worst, NewLine, t.thought});
    case KeywordKind::Sign:
      // The sign paragraphs finish this sentence.
      return Joined({"In the house where ", t.name, " rules the cusp is where:", NewLine, NewLine, t.paragraph,
                     NewLine, NewLine, t.best, NewLine, t.worst, NewLine, t.thought});
    case KeywordKind::Plain:
      return std::string(t.paragraph);
    case KeywordKind::Aspects: {
      std::string text;
      for (std::string_view line : KeywordAspectLines) text += Joined({line, NewLine});
      return text;
    }
  }
  return std::nullopt;
}

}  // namespace halcyra
