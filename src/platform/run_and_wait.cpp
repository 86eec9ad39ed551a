#include "platform/run_and_wait.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <csignal>

namespace halcyra {

namespace {

// Program names, arguments and folders are paths or parts of them: UTF-8.
QString Utf8(const std::string& text) { return QString::fromStdString(text); }

// The program is started as from a shell, with SIGXFSZ at its default: ours
// ignores it (main), and a started program would inherit that.
void StartWithDefaultSignals(QProcess& process) {
  process.setChildProcessModifier([] { ::signal(SIGXFSZ, SIG_DFL); });
}

ProgramRun Ended(QProcess& process) {
  process.waitForFinished(-1);
  const bool crashed = process.exitStatus() == QProcess::CrashExit;
  return {true, crashed ? -1 : process.exitCode(), {}};
}

}  // namespace

bool RunAndWait(const std::string& commandLine) {
  QStringList arguments = QProcess::splitCommand(Utf8(commandLine));
  if (arguments.isEmpty()) return false;
  QProcess process;
  StartWithDefaultSignals(process);
  // The started program shares our terminal, as a started window program would.
  process.setProcessChannelMode(QProcess::ForwardedChannels);
  process.start(arguments.takeFirst(), arguments);
  if (!process.waitForStarted(-1)) return false;
  return Ended(process).started;
}

std::string CommandLineArgument(const std::string& argument) {
  std::string quoted = "\"";
  for (const char c : argument) quoted += c == '"' ? std::string(3, '"') : std::string(1, c);
  return quoted + '"';
}

ProgramRun RunAndWaitWithArguments(const std::string& program, const std::vector<std::string>& arguments,
                                   const std::string& workingFolder) {
  // Found before it starts, as our working folder sees it: a program of
  // that name in its working folder is not the one meant.
  const QString name = Utf8(program);
  const QString path = name.contains('/') ? QFileInfo(name).absoluteFilePath() : QStandardPaths::findExecutable(name);
  if (path.isEmpty()) return {};
  QStringList list;
  for (const std::string& argument : arguments) list << Utf8(argument);
  QProcess process;
  StartWithDefaultSignals(process);
  process.setProcessChannelMode(QProcess::MergedChannels);
  if (!workingFolder.empty()) process.setWorkingDirectory(Utf8(workingFolder));
  process.start(path, list);
  if (!process.waitForStarted(-1)) return {};
  // Read as it comes, so that a program that writes without end holds no
  // more than the kept part in memory.
  std::string output;
  while (process.waitForReadyRead(-1) || process.bytesAvailable() > 0) {
    const QByteArray part = process.readAll();
    const size_t room = ProgramOutputKept - output.size();
    output.append(part.constData(), std::min(room, static_cast<size_t>(part.size())));
  }
  ProgramRun run = Ended(process);
  run.output = std::move(output);
  return run;
}

}  // namespace halcyra
