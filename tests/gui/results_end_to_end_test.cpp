// The whole road through the forms with the real engine process: default conditions, the beam-axis
// spectrum, the field calculation, loading the results, the air-kerma and HVL displays, read-outs
// and the spectrum of a point. The physical checks are loose: the beam centre reads 1.0 of the axis
// value (the engine divides by the axis sums), and the heel effect lowers the anode side.
#include <QtTest>

#include "engine_runner.h"
#include "form1.h"
#include "form2.h"
#include "form3.h"
#include "gui_test_support.h"
#include "number_text.h"

namespace {

double Number(const QLineEdit* box) { return orvane::ReadLeadingNumber(box->text().toStdString()); }

int CountInCurveArea(const orvane::toolkit::DrawingSurface& graph, const QColor& colour) {
  const QImage area = graph.Picture().copy(QRect(graph.PixelOf({0, 120}), graph.PixelOf({100, 0})));
  int count = 0;
  for (int y = 0; y < area.height(); ++y)
    for (int x = 0; x < area.width(); ++x) count += area.pixelColor(x, y) == colour;
  return count;
}

}  // namespace

class ResultsEndToEndTest : public QObject {
  Q_OBJECT

 private slots:
  void conditionsToPointSpectrum();
};

void ResultsEndToEndTest::conditionsToPointSpectrum() {
  orvane::test::WorkingFolder folder;
  auto module = std::make_unique<orvane::Module1>();
  orvane::test::EngineRunner engine;
  orvane::FormRegistry forms(*module, engine);
  int endStatus = -1;
  forms.SetEndProgramHook([&endStatus](int status) { endStatus = status; });
  orvane::test::MessageCatcher messages;

  forms.Title().ShowForm();
  forms.Title().Command1->click();
  orvane::Form2* form2 = forms.ConditionsIfCreated();
  QVERIFY(form2);
  form2->Command1->click();  // "Ｘ線スペクトル" with the defaults
  for (int box = 1; box <= 5; ++box) form2->TextBox[box]->setText(QStringLiteral("typed"));
  form2->TextBox[1]->setText(QStringLiteral("100"));
  form2->TextBox[5]->setText(QStringLiteral("16"));
  form2->Command6->click();  // "照射野内分布の計算": the engine runs to its end here
  QCOMPARE(engine.runs, 1);
  QVERIFY2(engine.finished && engine.exitCode == 0, qPrintable(engine.errors));
  QVERIFY(engine.output.contains(QStringLiteral("計算が終了しました")));
  QTRY_COMPARE(messages.texts.size(), 1);  // the request to wait

  form2->Command4->click();  // "計算結果の表示"
  QCOMPARE(messages.texts.size(), 1);
  orvane::Form1* form1 = forms.DistributionIfCreated();
  QVERIFY(form1 && form1->isVisible());
  const char* conditions[] = {"", "100", "2.5", "1", "0", "16"};
  for (int box = 1; box <= 5; ++box)
    QCOMPARE(form2->TextBox[box]->text(), QString::fromLatin1(conditions[box]));
  QVERIFY2(module->AxisHvl > 2 && module->AxisHvl < 6, qPrintable(QString::number(module->AxisHvl)));

  form1->Option2->click();
  form1->Command1->click();  // air kerma
  emit form1->Picture2->MouseMove(300, 0);
  QCOMPARE(form1->TextBox[1]->text(), QStringLiteral("0"));
  QCOMPARE(form1->TextBox[2]->text(), QStringLiteral("0"));
  QVERIFY2(std::abs(Number(form1->TextBox[3]) - 100) < 1, qPrintable(form1->TextBox[3]->text()));
  const QColor centre = form1->Picture2->Picture().pixelColor(form1->Picture2->PixelOf({296, 2}));
  QVERIFY2(centre.red() == 255 && std::abs(centre.green() - 102) <= 5, qPrintable(centre.name()));
  emit form1->Picture1->MouseMove(20, 50);  // 14 cm to the cathode side
  const double cathodeSide = Number(form1->TextBox[3]);
  emit form1->Picture1->MouseMove(580, 50);  // 14 cm to the anode side
  const double anodeSide = Number(form1->TextBox[3]);
  QVERIFY2(anodeSide < 0.95 * cathodeSide,
           qPrintable(QStringLiteral("%1 %2").arg(cathodeSide).arg(anodeSide)));

  // At the beam centre the point spectrum, with the conditions unchanged, covers the red one.
  const int red = CountInCurveArea(*form1->Picture3, QColor(255, 0, 0));
  emit form1->Picture2->MouseDown(300, 0);
  QCOMPARE(form1->TextBox[4]->text(), QStringLiteral("1"));
  QCOMPARE(form1->TextBox[5]->text(), QStringLiteral("1"));
  QVERIFY(CountInCurveArea(*form1->Picture3, QColor(255, 0, 0)) < red / 10);
  QVERIFY(CountInCurveArea(*form1->Picture3, QColor(0, 0, 255)) > red / 2);

  form1->Option3->click();
  form1->Command1->click();  // half-value layer: the centre reads the beam-axis HVL in mm Al
  emit form1->Picture2->MouseMove(300, 0);
  QVERIFY2(std::abs(Number(form1->TextBox[3]) - module->AxisHvl) < 0.02,
           qPrintable(form1->TextBox[3]->text()));
  QCOMPARE(messages.texts.size(), 1);
  QCOMPARE(endStatus, -1);
}

QTEST_MAIN(ResultsEndToEndTest)
#include "results_end_to_end_test.moc"
