// Form2 driven as a user drives it: the title form's "スタート", the defaults and the empty graph,
// the range clamps, the spectrum curves and "リセット", the engine's input files, refused
// conditions, unwritable files and the start of the engine.
#include "form2.h"

#include <QLineEdit>
#include <QtTest>

#include "beam_spectrum.h"
#include "form1.h"
#include "form2_spectrum_graph.h"
#include "form3.h"
#include "gui_test_support.h"
#include "run_parameters.h"

using orvane::Form2;
using orvane::toolkit::DrawingSurface;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kGrey(128, 128, 128);
const QColor kWhite(255, 255, 255);

Form2* Start(orvane::test::Program& program) {
  program.forms.Title().ShowForm();
  program.forms.Title().Command1->click();
  return program.forms.ConditionsIfCreated();
}

int CountColour(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
  return count;
}

void SetConditions(Form2& form, const char* voltage, const char* angle, const char* inherent = "2.5",
                   const char* addedAl = "1.0", const char* addedCu = "0") {
  form.TextBox[1]->setText(QString::fromUtf8(voltage));
  form.TextBox[5]->setText(QString::fromUtf8(angle));
  form.TextBox[2]->setText(QString::fromUtf8(inherent));
  form.TextBox[3]->setText(QString::fromUtf8(addedAl));
  form.TextBox[4]->setText(QString::fromUtf8(addedCu));
}

// Pixel at the centre of the step of `bin` in the curve the model left in `module`.
QPoint StepPixel(const DrawingSurface& graph, const orvane::Module1& module, int bin) {
  const double y = 2100 - 2000 * module.PhotonSpectrum[bin] / module.SpectrumPeak;
  return graph.PixelOf({1000 + 15.0 * bin, y});
}

}  // namespace

class Form2Test : public QObject {
  Q_OBJECT

 private slots:
  void startShowsDefaultsAndEmptyGraph();
  void missingOrShortTableEndsCleanly_data();
  void missingOrShortTableEndsCleanly();
  void conditionsAreClamped_data();
  void conditionsAreClamped();
  void runParametersAndSpectrumFiles();
  void curvesStayUntilReset();
  void refusedConditionsChangeNothing();
  void unwritableFileChangesNoGraph();
  void engineStartsAndUserWaits();
  void failedEngineStartKeepsTheForm();
  void consoleStarterReportsMissingEngine();
  void exitButtonsEndTheProgram();
};

void Form2Test::startShowsDefaultsAndEmptyGraph() {
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  QVERIFY(!program.forms.ConditionsIfCreated());  // nothing but the title form at start
  Form2* form = Start(program);
  QVERIFY(form);
  QVERIFY(form->isVisible());
  QVERIFY(!program.forms.Title().isVisible());
  QCOMPARE(form->TextBox[1]->text(), QStringLiteral("100"));
  QCOMPARE(form->TextBox[2]->text(), QStringLiteral("2.5"));
  QCOMPARE(form->TextBox[3]->text(), QStringLiteral("1.0"));
  QCOMPARE(form->TextBox[4]->text(), QStringLiteral("0"));
  QCOMPARE(form->TextBox[5]->text(), QStringLiteral("16"));
  QCOMPARE(form->size(), QSize(1099, 473));  // 16485 x 7095 twips

  const DrawingSurface& graph = *form->Picture3;
  const QImage& image = graph.Picture();
  // Frame corners (pen width 2), grid every 10 keV and every 0.1, white between, no curve.
  QCOMPARE(image.pixelColor(graph.PixelOf({1000, 100})), kBlack);
  QCOMPARE(image.pixelColor(graph.PixelOf({5500, 2100})), kBlack);
  QCOMPARE(image.pixelColor(graph.PixelOf({3000, 2100})), kBlack);
  for (int x = 1300; x <= 5200; x += 300) QCOMPARE(image.pixelColor(graph.PixelOf({double(x), 1000})), kGrey);
  for (int y = 300; y <= 1900; y += 200) QCOMPARE(image.pixelColor(graph.PixelOf({2000, double(y)})), kGrey);
  QCOMPARE(image.pixelColor(graph.PixelOf({1150, 200})), kWhite);
  QCOMPARE(image.pixelColor(graph.PixelOf({5350, 2000})), kWhite);
  QCOMPARE(CountColour(image, kRed), 0);
  // Texts in the foreground colour below the axis ("100" at 3900, 2120) and at the left ("Relative").
  const QRect below(graph.PixelOf({3900, 2120}), graph.PixelOf({4150, 2240}));
  const QRect left(graph.PixelOf({200, 500}), graph.PixelOf({700, 620}));
  QVERIFY(CountColour(image.copy(below), kBlack) > 10);
  QVERIFY(CountColour(image.copy(left), kBlack) > 10);

  // The axes drawn again over themselves, or after "リセット", give the same picture.
  const QImage loaded = image.copy();
  orvane::DrawSpectrumAxes(*form->Picture3);
  QCOMPARE(image, loaded);
  form->Command3->click();
  QCOMPARE(image, loaded);
  QCOMPARE(form->Picture3->PenWidth(), 2);
}

void Form2Test::missingOrShortTableEndsCleanly_data() {
  QTest::addColumn<QByteArray>("table");  // empty: no file at all
  QTest::newRow("missing") << QByteArray();
  QTest::newRow("short") << QByteArray("0.5 1 2 3 4\r\n1.0 1 2 3 4\r\n");
}

void Form2Test::missingOrShortTableEndsCleanly() {
  QFETCH(QByteArray, table);
  orvane::test::WorkingFolder folder(false);
  if (!table.isEmpty()) {
    QFile file(folder.Path("MUs-OV.dat"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(table);
  }
  orvane::test::Program program;
  orvane::test::MessageCatcher messages;
  QVERIFY(!Start(program));
  QCOMPARE(messages.texts.size(), 1);
  QVERIFY2(messages.texts[0].contains(QStringLiteral("MUs-OV.dat")), qPrintable(messages.texts[0]));
  QCOMPARE(program.endStatus, 1);
  QVERIFY(!program.forms.ConditionsIfCreated());
  QVERIFY(!program.forms.Title().isVisible());
}

void Form2Test::conditionsAreClamped_data() {
  QTest::addColumn<QString>("voltage");
  QTest::addColumn<QString>("angle");
  QTest::addColumn<QString>("voltageAfter");
  QTest::addColumn<QString>("angleAfter");
  QTest::newRow("150 kV, 25 deg") << "150"
                                  << "25"
                                  << "148"
                                  << "20";
  QTest::newRow("30 kV, 5 deg") << "30"
                                << "5"
                                << "40"
                                << "10";
  QTest::newRow("no digits, empty angle") << "kV"
                                          << ""
                                          << "40"
                                          << "10";
  QTest::newRow("limits stay as typed") << "148"
                                        << "10"
                                        << "148"
                                        << "10";
  QTest::newRow("other limits stay") << "40"
                                     << "20"
                                     << "40"
                                     << "20";
  QTest::newRow("just inside") << "147.9"
                               << "19.5"
                               << "147.9"
                               << "19.5";
}

void Form2Test::conditionsAreClamped() {
  QFETCH(QString, voltage);
  QFETCH(QString, angle);
  QFETCH(QString, voltageAfter);
  QFETCH(QString, angleAfter);
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  Form2* form = Start(program);
  QVERIFY(form);
  SetConditions(*form, voltage.toUtf8().constData(), angle.toUtf8().constData());
  orvane::test::MessageCatcher messages;
  form->Command1->click();
  QCOMPARE(messages.texts, QStringList());
  QCOMPARE(form->TextBox[1]->text(), voltageAfter);
  QCOMPARE(form->TextBox[5]->text(), angleAfter);
  QCOMPARE(form->focusWidget(), form->Command6);
}

void Form2Test::runParametersAndSpectrumFiles() {
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  Form2* form = Start(program);
  QVERIFY(form);
  // A comma ends the number: "2,5" mm reads as 2 mm.
  SetConditions(*form, "150", "25", "2,5", "1.0", "0.35");
  form->Command1->click();

  const auto run = orvane::ReadRunParametersFree(folder.Path("B2F.dat").toStdString());
  QCOMPARE(run.tubeVoltage, 148.0);
  QCOMPARE(run.targetAngle, 20.0);
  QCOMPARE(run.inherentFilter, 0.2);
  QCOMPARE(run.addedAl, 0.1);
  QCOMPARE(run.addedCu, 0.035);
  QCOMPARE(form->TextBox[2]->text(), QStringLiteral("2,5"));  // filter boxes are not rewritten

  const orvane::BeamSpectrum spectrum = orvane::ReadBeamSpectrum(folder.Path("B_SPCTL.dat").toStdString());
  QCOMPARE(spectrum.relative[1], 0.0f);
  float largest = 0;
  for (int bin = 1; bin <= orvane::kBins; ++bin) largest = std::max(largest, spectrum.relative[bin]);
  QCOMPARE(largest, 1.0f);
  for (int bin = 297; bin <= orvane::kBins; ++bin)
    QCOMPARE(spectrum.relative[bin], 0.0f);                                    // above 2 x 148 kV
  QVERIFY(std::abs(spectrum.peak / program.module->SpectrumPeak - 1) < 1e-4);  // five digits in the file
  QCOMPARE(program.module->PointX, 0.0);
  QCOMPARE(program.module->PointY, 0.0);
  QCOMPARE(program.module->SpectrumMode, 1);
}

void Form2Test::curvesStayUntilReset() {
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  Form2* form = Start(program);
  QVERIFY(form);
  const DrawingSurface& graph = *form->Picture3;
  const QImage& image = graph.Picture();

  form->Command1->click();                                       // 100 kV
  const QPoint step100 = StepPixel(graph, *program.module, 80);  // 40 keV
  for (int bin : {60, 80, 100, 160}) QCOMPARE(image.pixelColor(StepPixel(graph, *program.module, bin)), kRed);
  // Bins above 200 (100 keV) lie on the baseline: nothing red above it to the right of 101 keV.
  const int right = graph.PixelOf({1000 + 30 * 101.0, 0}).x();
  for (int x = right; x < graph.PixelOf({5500, 0}).x(); ++x)
    for (int y = graph.PixelOf({0, 150}).y(); y < graph.PixelOf({0, 2050}).y(); ++y)
      QVERIFY2(image.pixelColor(x, y) != kRed, qPrintable(QStringLiteral("red at %1, %2").arg(x).arg(y)));
  QCOMPARE(image.pixelColor(graph.PixelOf({1000, 100})), kBlack);  // the frame is drawn again over the curve

  SetConditions(*form, "60", "16");
  form->Command1->click();
  const QPoint step60 = StepPixel(graph, *program.module, 80);
  QVERIFY(step60 != step100);
  QCOMPARE(image.pixelColor(step60), kRed);
  QCOMPARE(image.pixelColor(step100), kRed);  // the first curve is still there

  form->Command3->click();
  QCOMPARE(CountColour(image, kRed), 0);
  QCOMPARE(image.pixelColor(graph.PixelOf({1000, 100})), kBlack);
  QCOMPARE(image.pixelColor(graph.PixelOf({1300, 1000})), kGrey);
}

void Form2Test::refusedConditionsChangeNothing() {
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  Form2* form = Start(program);
  QVERIFY(form);
  form->Command1->click();
  QFile b2f(folder.Path("B2F.dat"));
  QVERIFY(b2f.open(QIODevice::ReadOnly));
  const QByteArray before = b2f.readAll();
  b2f.close();
  const QImage graphBefore = form->Picture3->Picture().copy();

  SetConditions(*form, "100", "16", "2.5", "1.0", "100000");  // no photon gets through 10 m of copper
  orvane::test::MessageCatcher messages;
  form->Command1->click();
  QCOMPARE(messages.texts.size(), 1);
  QVERIFY(b2f.open(QIODevice::ReadOnly));
  QCOMPARE(b2f.readAll(), before);
  QCOMPARE(form->Picture3->Picture(), graphBefore);
  QCOMPARE(form->TextBox[4]->text(), QStringLiteral("100000"));  // nothing typed is lost
}

void Form2Test::unwritableFileChangesNoGraph() {
  orvane::test::WorkingFolder folder;
  QVERIFY(QDir().mkdir(folder.Path("B2F.dat")));  // a folder where the file should go
  orvane::test::Program program;
  Form2* form = Start(program);
  QVERIFY(form);
  const QImage graphBefore = form->Picture3->Picture().copy();
  orvane::test::MessageCatcher messages;
  form->Command1->click();
  QCOMPARE(messages.texts.size(), 1);
  QVERIFY2(messages.texts[0].contains(QStringLiteral("B2F.dat")), qPrintable(messages.texts[0]));
  QCOMPARE(form->Picture3->Picture(), graphBefore);
  QCOMPARE(program.endStatus, -1);
}

void Form2Test::engineStartsAndUserWaits() {
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  Form2* form = Start(program);
  QVERIFY(form);
  orvane::test::MessageCatcher messages;
  form->Command6->click();  // without a spectrum first: the engine uses the files as they are
  QCOMPARE(program.starter.starts, 1);
  QCOMPARE(messages.texts, QStringList{QStringLiteral("  ***  計算が終わるまで、そのままお待ちください")});
  QCOMPARE(messages.buttons.value(0), QMessageBox::StandardButtons(QMessageBox::Ok));
  QCOMPARE(messages.titles.value(0), QString());
  QCOMPARE(form->focusWidget(), form->Command4);
}

void Form2Test::failedEngineStartKeepsTheForm() {
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  Form2* form = Start(program);
  QVERIFY(form);
  form->TextBox[1]->setText(QStringLiteral("120"));
  form->Command1->setFocus();
  program.starter.next = {false, QStringLiteral("Orvane-Calc is missing")};
  orvane::test::MessageCatcher messages;
  form->Command6->click();
  QCOMPARE(messages.texts, QStringList{QStringLiteral("Orvane-Calc is missing")});
  QCOMPARE(program.endStatus, -1);
  QVERIFY(form->isVisible());
  QCOMPARE(form->TextBox[1]->text(), QStringLiteral("120"));
  QVERIFY(form->focusWidget() != form->Command4);
}

void Form2Test::consoleStarterReportsMissingEngine() {
  orvane::test::WorkingFolder folder;  // no engine in it
  orvane::ConsoleStarter starter;
  const orvane::StartResult result = starter.StartEngine();
  QVERIFY(!result.started);
  QVERIFY(result.problem.contains(QStringLiteral("Orvane-Calc")));
  QVERIFY(result.problem.contains(QDir::currentPath()));
}

void Form2Test::exitButtonsEndTheProgram() {
  orvane::test::WorkingFolder folder;
  {
    orvane::test::Program program;
    program.forms.Title().ShowForm();
    program.forms.Title().Command2->click();
    QCOMPARE(program.endStatus, 0);
    QVERIFY(!program.forms.ConditionsIfCreated());
  }
  orvane::test::Program program;
  Form2* form = Start(program);
  QVERIFY(form);
  program.forms.Distribution().ShowForm();
  form->Command2->click();
  QCOMPARE(program.endStatus, 0);
  QVERIFY(!form->isVisible());
  QVERIFY(!program.forms.Distribution().isVisible());
}

QTEST_MAIN(Form2Test)
#include "form2_test.moc"
