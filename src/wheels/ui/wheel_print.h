#pragma once
// The wheel window's Print command: a full page drawn for the printer, with
// the captions and the PERSONAL.NAM lines, or the window's own picture with
// white rings on the upper half of a page.
namespace halcyra {

class WheelsWindow;

inline constexpr const char* PrintQuestionText =
    "Click 'YES' for full page chartwheel. Click 'NO' for half page chartwheel.";
inline constexpr const char* PrintQuestionTitle = "Full page or half page chartwheel";
inline constexpr const char* NoPrinterText = "No printer is installed. Nothing was printed.";
inline constexpr const char* PrinterFailedText = "The printer could not print. Nothing was printed.";

// Asks full page (Yes), half page (No) or nothing (Cancel); whatever the
// answer, the window ends in its normal size.
void PrintChartwheel(WheelsWindow& window);

}  // namespace halcyra
