#include "engine_starter.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace orvane {

namespace {

// xterm and its wrappers (lxterm, uxterm) show Japanese only with a CJK face given explicitly.
bool IsXtermFamily(const QString& terminalPath) {
  return QFileInfo(terminalPath).canonicalFilePath().contains(QStringLiteral("xterm"));
}

}  // namespace

StartResult ConsoleStarter::StartEngine() {
  const QString folder = QDir::currentPath();
  const QString engine = QStringLiteral("./") + QString::fromLatin1(kEngineProgram);
  const QFileInfo engineFile(QDir(folder).filePath(QString::fromLatin1(kEngineProgram)));
  if (!engineFile.exists() || !engineFile.isExecutable()) {
    return {false, QStringLiteral("The calculation engine \"%1\" was not found in the working folder\n%2\n\n"
                                  "Copy %1 into this folder and press the button again.")
                       .arg(QString::fromLatin1(kEngineProgram), folder)};
  }

  QString terminal = QStandardPaths::findExecutable(QStringLiteral("x-terminal-emulator"));
  if (terminal.isEmpty()) terminal = QStandardPaths::findExecutable(QStringLiteral("xterm"));
  if (terminal.isEmpty()) {
    return {false, QStringLiteral("No terminal window program was found to run \"%1\" in.\n\n"
                                  "Install xterm (apt-get install xterm), or run %1 by hand in\n%2")
                       .arg(QString::fromLatin1(kEngineProgram), folder)};
  }

  QStringList arguments;
  if (IsXtermFamily(terminal)) {
    // A Latin monospace face with the CJK face for double-width characters keeps the columns even.
    arguments << QStringLiteral("-fa") << QStringLiteral("Liberation Mono") << QStringLiteral("-fd")
              << QStringLiteral("Noto Sans Mono CJK JP") << QStringLiteral("-fs") << QStringLiteral("12");
  }
  arguments << QStringLiteral("-T") << QString::fromLatin1(kEngineProgram) << QStringLiteral("-e") << engine;
  if (!QProcess::startDetached(terminal, arguments, folder)) {
    return {false, QStringLiteral("The terminal window \"%1\" could not be started to run \"%2\".\n\n"
                                  "Run %2 by hand in\n%3")
                       .arg(terminal, QString::fromLatin1(kEngineProgram), folder)};
  }
  return {true, QString()};
}

}  // namespace orvane
