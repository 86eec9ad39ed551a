#pragma once
// The wheel window's Print command: a full page drawn for the printer, with
// the captions and the PERSONAL.NAM lines, or the window's own picture with
// white rings on the upper half of a page; where no printer is installed,
// into a PDF file the user chooses.
namespace halcyra {

class WheelsWindow;

inline constexpr const char* PrintQuestionText =
    "Click 'YES' for full page chartwheel. Click 'NO' for half page chartwheel.";
inline constexpr const char* PrintQuestionTitle = "Full page or half page chartwheel";

// Asks full page (Yes), half page (No) or nothing (Cancel); whatever the
// answer, the window ends in its normal size.
void PrintChartwheel(WheelsWindow& window);

}  // namespace halcyra
