#pragma once
// The keyed paragraphs of the transit interpretations, one file per
// transiting body (SUN.TXT ... PLUTO.TXT, MOON.TXT, N_NODE.TXT, S_NODE.TXT;
// format in docs/interpretation-texts.md). A key line such as
// "[SEXTILE/TRINE VENUS]" names one or more major aspects and a natal
// point; the lines after it, up to the next key line, are its paragraph.
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace halcyra {

// Paragraph lines by (aspect code 2..6, natal PointIndex).
using InterpretationTexts = std::map<std::pair<int, int>, std::vector<std::string>>;

// The natal point of a key word: SUN .. PLUTO, MOON, ASC, MC (any letter
// case); 0 for any other word.
int InterpretationPointOf(const std::string& word);
// The aspect code of a key word: CONJUNCT 2, SEXTILE 3, SQUARE 4, TRINE 5,
// OPPOSITE 6; 0 for any other word.
int InterpretationAspectOf(const std::string& word);

// Lines starting with ";" are comments. Leading and trailing empty lines of
// a paragraph are dropped. A key line naming no known aspect or point is
// skipped with its paragraph; a key given twice keeps its first paragraph.
InterpretationTexts ParseInterpretationLines(const std::vector<std::string>& lines);

// The parsed file; nullopt when it cannot be read.
std::optional<InterpretationTexts> ReadInterpretationFile(const std::string& path);

}  // namespace halcyra
