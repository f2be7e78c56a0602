// Takes the picture of Form1 for the user guide: the default conditions, a real engine run in a
// temporary folder, the air-kerma distribution, a read-out and the spectrum of one point on the
// anode side. Run it under xvfb-run; writes the PNG named on the command line.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "engine_runner.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "form_registry.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  if (argc != 2) {
    std::fprintf(stderr, "usage: orvane-results-screenshot OUTPUT.png\n");
    return 2;
  }
  const QString output = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
  QTemporaryDir folder;
  QDir::setCurrent(folder.path());
  QFile::copy(QStringLiteral(ORVANE_SOURCE_DIR "/data/MUs-OV.dat"), QStringLiteral("MUs-OV.dat"));

  auto module = std::make_unique<orvane::Module1>();
  orvane::test::EngineRunner engine;
  orvane::FormRegistry forms(*module, engine);
  forms.Title().ShowForm();
  forms.Title().Command1->click();
  orvane::Form2* form2 = forms.ConditionsIfCreated();
  if (!form2) return 1;
  form2->Command1->click();
  QTimer::singleShot(500, [] {  // the request to wait, answered like the user does
    if (QWidget* box = QApplication::activeModalWidget()) box->close();
  });
  form2->Command6->click();
  if (engine.exitCode != 0) {
    std::fprintf(stderr, "the engine failed: %s\n", qPrintable(engine.errors));
    return 1;
  }
  form2->Command4->click();
  orvane::Form1* form1 = forms.DistributionIfCreated();
  if (!form1) return 1;
  form1->Option2->click();
  form1->Command1->click();
  emit form1->Picture2->MouseMove(500, -100);  // 10 cm to the anode side, 5 cm off the axis
  emit form1->Picture2->MouseDown(500, -100);
  form1->raise();
  form1->activateWindow();
  QTest::qWait(500);
  if (!form1->grab().save(output)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(output));
    return 1;
  }
  return 0;
}
