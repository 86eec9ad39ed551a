#include "platform/program_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <dirent.h>

#include <memory>

namespace halcyra {

std::string ExecutableFolder() {
  return QCoreApplication::applicationDirPath().toStdString();
}

std::string ResolveCaseInsensitive(const std::string& path) {
  QString p = QString::fromStdString(path);
  p.replace('\\', '/');
  if (QFileInfo::exists(p)) return p.toStdString();
  const bool absolute = p.startsWith('/');
  const QStringList parts = p.split('/', Qt::SkipEmptyParts);
  QString current = absolute ? "/" : ".";
  QString built = absolute ? "/" : "";
  for (int i = 0; i < parts.size(); ++i) {
    const QString& part = parts[i];
    QString match = part;
    QDir dir(current);
    if (!QFileInfo::exists(dir.filePath(part))) {
      const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
      for (const QString& entry : entries) {
        if (entry.compare(part, Qt::CaseInsensitive) == 0) {
          match = entry;
          break;
        }
      }
    }
    current = dir.filePath(match);
    built += (built.isEmpty() || built.endsWith('/')) ? match : "/" + match;
  }
  return built.toStdString();
}

std::string ProgramFile(const std::string& appPath, const std::string& name) {
  QString n = QString::fromStdString(name);
  n.replace('\\', '/');
  while (n.startsWith('/')) n.remove(0, 1);
  const QString joined = QString::fromStdString(appPath) + "/" + n;
  if (QFileInfo::exists(joined)) return joined.toStdString();
  // Only the part below the program folder is matched loosely.
  QDir base(QString::fromStdString(appPath));
  QString built = QString::fromStdString(appPath);
  for (const QString& part : n.split('/', Qt::SkipEmptyParts)) {
    QString match = part;
    if (!QFileInfo::exists(base.filePath(part))) {
      for (const QString& entry : base.entryList(QDir::AllEntries | QDir::Hidden | QDir::System)) {
        if (entry.compare(part, Qt::CaseInsensitive) == 0) {
          match = entry;
          break;
        }
      }
    }
    built += "/" + match;
    base.setPath(built);
  }
  return built.toStdString();
}

std::vector<std::string> NamesInFolder(const std::string& folder, const std::function<bool(std::string_view)>& wanted) {
  std::vector<std::string> names;
  const QByteArray path = QFile::encodeName(QString::fromStdString(folder));
  // closed however the reading ends (a name that finds no memory)
  const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path.constData()), ::closedir);
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir.get()))
    if (wanted(entry->d_name)) names.emplace_back(entry->d_name);
  return names;
}

bool FileExists(const std::string& path) {
  QFileInfo info(QString::fromStdString(path));
  return info.exists() && info.isFile();
}

}  // namespace halcyra
