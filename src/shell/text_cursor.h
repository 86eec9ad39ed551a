#pragma once
// How the text cursor of the text views moves over rows and words.
#include <utility>

#include "shell/text_rows.h"

namespace halcyra {

enum class CursorMove { Left, Right, Up, Down, PageUp, PageDown, RowStart, RowEnd, TextStart, TextEnd, WordLeft, WordRight };

// Where the cursor goes from `from`. Up, Down and the page moves go by rows
// (`pageRows` a page) to `goalColumn`, or the row's end where it is shorter;
// Left and Right cross row ends; the word moves go to a word's start.
TextPos MoveCursor(const TextRows& rows, TextPos from, CursorMove move, size_t pageRows, size_t goalColumn);

// The word around a position, as a double click selects it: a run of
// letters and digits, of blanks, or of other signs; at a row's end the one
// before it.
std::pair<TextPos, TextPos> WordAround(const TextRows& rows, TextPos pos);

}  // namespace halcyra
