#include "chart_input/ui/select_file_window.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>

namespace halcyra {

SelectFileWindow::SelectFileWindow(AppState& state, QWidget* parent) : QDialog(parent), state_(state) {
  setObjectName("SelectFIle");
  setWindowTitle("Select a File");
  setModal(true);
  auto* grid = new QGridLayout(this);
  drvList_ = new QComboBox(this);
  drvList_->setObjectName("drvList");
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes())
    if (volume.isValid() && volume.isReady()) drvList_->addItem(volume.rootPath());
  lblFolder_ = new QLabel(this);
  lblFolder_->setObjectName("lblFolder");
  dirList_ = new QListWidget(this);
  dirList_->setObjectName("dirList");
  filList_ = new QListWidget(this);
  filList_->setObjectName("filList");
  txtPattern_ = new QLineEdit("*.*", this);
  txtPattern_->setObjectName("txtPattern");
  auto* select = new QPushButton("&Select", this);
  select->setObjectName("cmdSelect");
  select->setDefault(true);
  auto* cancel = new QPushButton("&Cancel", this);
  cancel->setObjectName("cmdCancel");

  grid->addWidget(drvList_, 0, 0);
  grid->addWidget(txtPattern_, 0, 1);
  grid->addWidget(lblFolder_, 1, 0, 1, 2);
  grid->addWidget(dirList_, 2, 0);
  grid->addWidget(filList_, 2, 1);
  grid->addWidget(select, 3, 0);
  grid->addWidget(cancel, 3, 1);
  setMinimumSize(520, 360);

  connect(drvList_, &QComboBox::textActivated, this, [this](const QString& root) { SetFolder(root.toStdString()); });
  connect(dirList_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { OpenFolderRow(dirList_->row(item)); });
  connect(filList_, &QListWidget::itemActivated, this, [this] { cmdSelect_Click(); });
  connect(txtPattern_, &QLineEdit::editingFinished, this, &SelectFileWindow::Refresh);
  connect(select, &QPushButton::clicked, this, &SelectFileWindow::cmdSelect_Click);
  connect(cancel, &QPushButton::clicked, this, &SelectFileWindow::cmdCancel_Click);

  state_.input.SelectedFile.clear();
  SetFolder(state_.AppPath.empty() ? QDir::currentPath().toStdString() : state_.AppPath);
}

void SelectFileWindow::SetPattern(const std::string& pattern) {
  txtPattern_->setText(QString::fromLatin1(pattern.c_str()));
  Refresh();
}

void SelectFileWindow::SetFolder(const std::string& folder) {
  QDir dir(QString::fromStdString(folder));
  if (!dir.exists()) return;
  folder_ = dir.absolutePath();
  Refresh();
}

std::string SelectFileWindow::Folder() const { return folder_.toStdString(); }

void SelectFileWindow::Refresh() {
  QDir dir(folder_);
  lblFolder_->setText(folder_);
  const int drive = drvList_->findText(QStorageInfo(dir).rootPath());
  if (drive >= 0) drvList_->setCurrentIndex(drive);

  dirList_->clear();
  if (!dir.isRoot()) dirList_->addItem("..");
  dirList_->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));

  filList_->clear();
  // Name filters match without regard to letter case: "*.FIL" finds names.fil too.
  const QStringList filters = txtPattern_->text().split(';', Qt::SkipEmptyParts);
  filList_->addItems(dir.entryList(filters, QDir::Files, QDir::Name | QDir::IgnoreCase));
  if (filList_->count() > 0) filList_->setCurrentRow(0);
}

void SelectFileWindow::OpenFolderRow(int row) {
  if (row < 0 || row >= dirList_->count()) return;
  QDir dir(folder_);
  if (!dir.cd(dirList_->item(row)->text())) return;
  folder_ = dir.absolutePath();
  Refresh();
}

void SelectFileWindow::cmdSelect_Click() {
  QListWidgetItem* item = filList_->currentItem();
  if (!item) return;  // nothing chosen yet: the window stays open
  state_.input.SelectedFile = QDir(folder_).filePath(item->text()).toStdString();
  accept();
}

void SelectFileWindow::cmdCancel_Click() { reject(); }

void SelectFileWindow::reject() {
  state_.input.SelectedFile.clear();
  QDialog::reject();
}

}  // namespace halcyra
