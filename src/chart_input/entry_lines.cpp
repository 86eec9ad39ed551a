#include "chart_input/entry_lines.h"

namespace halcyra {

namespace {
constexpr size_t ListedLineLimit = 10;  // a long list of line numbers helps nobody
}

bool IsCommentOrBlank(const std::string& line) {
  const size_t first = line.find_first_not_of(" \t");
  return first == std::string::npos || line[first] == ';';
}

std::string TrimBlanks(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::string UpperAscii(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  return text;
}

std::vector<std::string> SplitFields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t comma = line.find(',', start);
    fields.push_back(TrimBlanks(line.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return fields;
}

std::optional<NamedFields> SplitNameAndFields(const std::string& line, int fieldCount) {
  std::vector<std::string> all = SplitFields(line);
  if (static_cast<int>(all.size()) < fieldCount + 1) return std::nullopt;
  // The name is the text before the last fieldCount commas, taken from the
  // line itself so that its own commas and inner blanks stay as written.
  size_t cut = line.size();
  for (int i = 0; i < fieldCount; ++i) cut = line.rfind(',', cut - 1);
  NamedFields named;
  named.Name = TrimBlanks(line.substr(0, cut));
  if (named.Name.empty()) return std::nullopt;
  named.Fields.assign(all.end() - fieldCount, all.end());
  return named;
}

std::optional<int> WholeField(const std::string& field, int low, int high) {
  if (field.empty() || field.size() > 6) return std::nullopt;
  int value = 0;
  for (char c : field) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < low || value > high) return std::nullopt;
  return value;
}

std::optional<bool> ChoiceField(const std::string& field, char first, char second) {
  if (field.size() != 1) return std::nullopt;
  const char c = UpperAscii(field)[0];
  if (c == first) return false;
  if (c == second) return true;
  return std::nullopt;
}

std::string FileProblems::Message(const std::string& kind) const {
  if (Unreadable && Refusal.Missing()) return "The file " + Path + " cannot be read, so the list is empty.";
  if (Unreadable) return "The file " + Path + " cannot be read: " + Refusal.reason + ". The list is empty.";
  if (BadLines.empty()) return "";
  std::string numbers;
  const size_t shown = BadLines.size() < ListedLineLimit ? BadLines.size() : ListedLineLimit;
  for (size_t i = 0; i < shown; ++i) {
    if (i > 0) numbers += (i + 1 == shown && shown == BadLines.size()) ? " and " : ", ";
    numbers += std::to_string(BadLines[i]);
  }
  if (shown < BadLines.size()) numbers += " and " + std::to_string(BadLines.size() - shown) + " more";
  if (BadLines.size() == 1)
    return "Line " + numbers + " of " + Path + " is not a valid " + kind + " entry and was skipped.";
  return "Lines " + numbers + " of " + Path + " are not valid " + kind + " entries and were skipped.";
}

}  // namespace halcyra
