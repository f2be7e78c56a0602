#pragma once
// Shared pieces of the forms tests: a fresh working folder, a starter that only counts, and a
// catcher that answers message boxes and keeps their texts.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>

#include "engine_starter.h"
#include "form_registry.h"
#include "module1.h"

namespace orvane::test {

// A temporary folder made the working folder, holding a copy of the attenuation table.
class WorkingFolder {
 public:
  explicit WorkingFolder(bool withTable = true) : previous_(QDir::currentPath()) {
    QDir::setCurrent(dir_.path());
    if (withTable) QFile::copy(QStringLiteral(ORVANE_SOURCE_DIR "/data/MUs-OV.dat"), Path("MUs-OV.dat"));
  }
  ~WorkingFolder() { QDir::setCurrent(previous_); }
  QString Path(const char* file) const { return QDir(dir_.path()).filePath(QString::fromLatin1(file)); }

 private:
  QString previous_;
  QTemporaryDir dir_;
};

class CountingStarter : public ProgramStarter {
 public:
  StartResult StartEngine() override {
    ++starts;
    return next;
  }
  int starts = 0;
  StartResult next{true, QString()};
};

// Answers every modal message box with OK, remembering its text and title.
class MessageCatcher {
 public:
  MessageCatcher() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts << box->text();
        titles << box->windowTitle();
        buttons << box->standardButtons();
        box->done(QMessageBox::Ok);
      }
    });
    timer_.start(10);
  }
  QStringList texts;
  QStringList titles;
  QList<QMessageBox::StandardButtons> buttons;

 private:
  QTimer timer_;
};

// Module1, a counting starter and the forms, with the end of the program recorded, not done.
struct Program {
  Program() : module(std::make_unique<Module1>()), forms(*module, starter) {
    forms.SetEndProgramHook([this](int status) { endStatus = status; });
  }
  std::unique_ptr<Module1> module;
  CountingStarter starter;
  FormRegistry forms;
  int endStatus = -1;  // -1: the program was not ended
};

}  // namespace orvane::test
