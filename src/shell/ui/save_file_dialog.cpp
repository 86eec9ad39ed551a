#include "shell/ui/save_file_dialog.h"

#include <QFileDialog>

#include "shell/ui/latin1_text.h"

namespace halcyra {

std::optional<std::string> AskSaveFileName(AppState& state, QWidget* parent, const std::string& folder,
                                           const std::string& proposedName, const SaveFileKind& kind) {
  if (state.services.ChooseSaveFile) return state.services.ChooseSaveFile(folder, proposedName);
  QFileDialog dialog(parent, kind.title, QString::fromStdString(folder));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(kind.filter);
  dialog.setDefaultSuffix(kind.defaultSuffix);
  dialog.selectFile(FromLatin1(proposedName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first().toStdString();
}

}  // namespace halcyra
