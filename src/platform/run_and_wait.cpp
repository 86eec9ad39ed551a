#include "platform/run_and_wait.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace halcyra {

bool RunAndWait(const std::string& commandLine) {
  QStringList arguments = QProcess::splitCommand(
      QString::fromLatin1(commandLine.data(), static_cast<qsizetype>(commandLine.size())));
  if (arguments.isEmpty()) return false;
  const QString program = arguments.takeFirst();
  QProcess process;
  // The started program shares our terminal, as a started window program would.
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.start(program, arguments);
  if (!process.waitForStarted(-1)) return false;
  process.waitForFinished(-1);
  return true;
}

}  // namespace halcyra
