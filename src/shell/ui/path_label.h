#pragma once
// A label that names a file by its path: as wide as the window it stands
// in allows, never wider, with the middle of a long path left out ("...")
// so that the file's own name stays in sight; the whole path is its tip.
// A deep program folder would otherwise make its window as wide as the
// path, wider than the screen.
#include <QLabel>
#include <QString>

namespace halcyra {

class PathLabel : public QLabel {
 public:
  explicit PathLabel(QWidget* parent = nullptr);
  void SetPath(const QString& path);
  const QString& Path() const { return path_; }
  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Elide();
  QString path_;
};

}  // namespace halcyra
