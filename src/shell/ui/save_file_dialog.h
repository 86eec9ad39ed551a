#pragma once
// The save dialog of Save As and of the prints that go to a PDF file where
// no printer is installed; the services' ChooseSaveFile answers in its
// place when set (tests).
#include <optional>
#include <string>

#include "state/app_state.h"

class QWidget;

namespace halcyra {

struct SaveFileKind {
  const char* title;
  const char* filter;
  const char* defaultSuffix;
};
inline constexpr SaveFileKind DataFilesFilter{"Save As", "Data Files (*.txt)", "doc"};
inline constexpr SaveFileKind PdfFilesFilter{"Print to PDF file", "PDF Files (*.pdf)", "pdf"};

// The chosen file, or nullopt when the dialog was cancelled. The dialog
// starts in `folder` with `proposedName` and asks before overwriting.
std::optional<std::string> AskSaveFileName(AppState& state, QWidget* parent, const std::string& folder,
                                           const std::string& proposedName, const SaveFileKind& kind);

}  // namespace halcyra
