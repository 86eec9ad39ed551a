#include "platform/run_and_wait.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace halcyra {

namespace {

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

ProgramRun Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  // The started program shares our terminal, as a started window program would.
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.start(program, arguments);
  if (!process.waitForStarted(-1)) return {};
  process.waitForFinished(-1);
  const bool crashed = process.exitStatus() == QProcess::CrashExit;
  return {true, crashed ? -1 : process.exitCode()};
}

}  // namespace

bool RunAndWait(const std::string& commandLine) {
  QStringList arguments = QProcess::splitCommand(Latin1(commandLine));
  if (arguments.isEmpty()) return false;
  const QString program = arguments.takeFirst();
  return Run(program, arguments).started;
}

ProgramRun RunAndWaitWithArguments(const std::string& program, const std::vector<std::string>& arguments) {
  QStringList list;
  for (const std::string& argument : arguments) list << Latin1(argument);
  return Run(Latin1(program), list);
}

}  // namespace halcyra
