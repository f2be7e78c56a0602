#pragma once
// Stands in for the console window: runs the real Orvane-Calc in the working folder to its end,
// answering its wait for Enter with a newline, so the results are there when the click returns.
#include <QDir>
#include <QProcess>

#include "engine_starter.h"

namespace orvane::test {

class EngineRunner : public ProgramStarter {
 public:
  StartResult StartEngine() override {
    QProcess engine;
    engine.setWorkingDirectory(QDir::currentPath());
    engine.start(QStringLiteral(ORVANE_ENGINE), QStringList());
    if (!engine.waitForStarted(10000)) return {false, QStringLiteral("Orvane-Calc could not be started")};
    engine.write("\n");
    engine.closeWriteChannel();
    finished = engine.waitForFinished(300000);
    exitCode = engine.exitCode();
    output = QString::fromUtf8(engine.readAllStandardOutput());
    errors = QString::fromUtf8(engine.readAllStandardError());
    ++runs;
    return {true, QString()};
  }
  int runs = 0;
  bool finished = false;
  int exitCode = -1;
  QString output;
  QString errors;
};

}  // namespace orvane::test
