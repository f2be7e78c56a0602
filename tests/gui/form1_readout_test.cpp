// The pointer over Form1 once a distribution is drawn: position and value read-outs with the cursor
// lines, the spectrum of a pressed field point in blue over the red beam-axis spectrum, "Clear",
// and handlers that stay inert until "描 画".
#include <QtTest>

#include "result_fixtures.h"

using orvane::Form1;
using orvane::test::CountColour;
using orvane::test::ResultSession;
using orvane::toolkit::DrawingSurface;

namespace {

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
QRadioButton* Form1::*const kOptions[] = {nullptr, &Form1::Option1, &Form1::Option2, &Form1::Option3};

// Energy fluence 0.01 per column (one cell 0.9634), air kerma 0.01 per row, HVL 1.02 of the axis:
// the value read out names the cell.
float Coded(int block, int column, int row) {
  if (block == orvane::test::kEnergyFluenceBlock)
    return column == 100 && row == 50 ? 0.9634f : 0.01f * column;
  if (block == orvane::test::kAirKermaBlock) return 0.01f * row;
  return 1.02f;
}

// Red and blue pixels of the spectrum graph up to 100 keV (the curve; "at beam center" lies beyond).
int CountInCurveArea(const DrawingSurface& graph, const QColor& colour) {
  const QRect area(graph.PixelOf({0, 120}), graph.PixelOf({100, 0}));
  return CountColour(graph.Picture().copy(area), colour);
}

}  // namespace

class Form1ReadoutTest : public QObject {
  Q_OBJECT

 private slots:
  void readouts_data();
  void readouts();
  void realPointerIsMapped();
  void inertUntilDrawn();
  void pointSpectraAndClear();
  void refusedClickChangesNothing_data();
  void refusedClickChangesNothing();
};

void Form1ReadoutTest::readouts_data() {
  QTest::addColumn<bool>("onProfile");
  QTest::addColumn<int>("option");
  QTest::addColumn<float>("x");
  QTest::addColumn<float>("y");
  QTest::addColumn<QString>("text1");  // empty: outside, cursors hidden and read-outs empty
  QTest::addColumn<QString>("text2");  // "*": not checked (a value halfway between two whole mm)
  QTest::addColumn<QString>("text3");
  // Columns: value = column / 100.
  QTest::newRow("X 0 column 1") << false << 1 << 0.0f << 50.0f << "-150"
                                << "25"
                                << "1.0";
  QTest::newRow("X 599.9 column 150") << false << 1 << 599.9f << 50.0f << "150"
                                      << "25"
                                      << "150.0";
  QTest::newRow("X 600 column 151") << false << 1 << 600.0f << 50.0f << "150"
                                    << "25"
                                    << "151.0";
  QTest::newRow("X 310 is 5 mm") << false << 1 << 310.0f << 50.0f << "5"
                                 << "25"
                                 << "78.0";
  QTest::newRow("0.9634 reads 96.3") << false << 1 << 398.0f << 198.0f << "49"
                                     << "99"
                                     << "96.3";
  QTest::newRow("HVL 1.02 of 2.5 mm") << false << 3 << 120.0f << -40.0f << "-90"
                                      << "20"
                                      << "2.550";
  // Rows: value = row / 100.
  QTest::newRow("Y 0 row 1") << false << 2 << 300.0f << 0.0f << "0"
                             << "0"
                             << "1.0";
  QTest::newRow("Y 3.9 row 1") << false << 2 << 300.0f << 3.9f << "0"
                               << "2"
                               << "1.0";
  QTest::newRow("Y 4 row 2") << false << 2 << 300.0f << 4.0f << "0"
                             << "2"
                             << "2.0";
  QTest::newRow("Y 300 row 76") << false << 2 << 300.0f << 300.0f << "0"
                                << "150"
                                << "76.0";
  QTest::newRow("Y -0.5 row 1") << false << 2 << 300.0f << -0.5f << "0"
                                << "0"
                                << "1.0";
  QTest::newRow("Y -4 row 1") << false << 2 << 300.0f << -4.0f << "0"
                              << "2"
                              << "1.0";
  QTest::newRow("Y -5 row 1") << false << 2 << 300.0f << -5.0f << "0"
                              << "*"
                              << "1.0";
  QTest::newRow("Y -8.5 row 2") << false << 2 << 300.0f << -8.5f << "0"
                                << "4"
                                << "2.0";
  QTest::newRow("Y -300 row 74") << false << 2 << 300.0f << -300.0f << "0"
                                 << "150"
                                 << "74.0";
  QTest::newRow("Y 100 is 50 mm, row 26") << false << 2 << 200.0f << 100.0f << "-50"
                                          << "50"
                                          << "26.0";
  QTest::newRow("Y -100 is 50 mm, row 24") << false << 2 << 200.0f << -100.0f << "-50"
                                           << "50"
                                           << "24.0";
  // The profile always reads row 1 on the X axis.
  QTest::newRow("profile row 1") << true << 2 << 300.0f << 60.0f << "0"
                                 << "0"
                                 << "1.0";
  QTest::newRow("profile right edge") << true << 1 << 600.0f << 0.0f << "150"
                                      << "0"
                                      << "151.0";
  QTest::newRow("profile top edge") << true << 1 << 0.0f << 120.0f << "-150"
                                    << "0"
                                    << "1.0";
  // Margins of the surfaces, outside the data area.
  QTest::newRow("image right margin") << false << 1 << 600.5f << 0.0f << ""
                                      << ""
                                      << "";
  QTest::newRow("image left margin") << false << 1 << -0.5f << 0.0f << ""
                                     << ""
                                     << "";
  QTest::newRow("image bottom margin") << false << 1 << 300.0f << 300.5f << ""
                                       << ""
                                       << "";
  QTest::newRow("image top margin") << false << 1 << 300.0f << -301.0f << ""
                                    << ""
                                    << "";
  QTest::newRow("profile above the frame") << true << 1 << 300.0f << 120.5f << ""
                                           << ""
                                           << "";
  QTest::newRow("profile below the axis") << true << 1 << 300.0f << -0.5f << ""
                                          << ""
                                          << "";
}

void Form1ReadoutTest::readouts() {
  QFETCH(bool, onProfile);
  QFETCH(int, option);
  QFETCH(float, x);
  QFETCH(float, y);
  QFETCH(QString, text1);
  QFETCH(QString, text2);
  QFETCH(QString, text3);
  ResultSession session;
  session.Load(Coded);
  Form1& form1 = session.Draw(kOptions[option]);
  (form1.*kOptions[option % 3 + 1])->click();  // another choice without "描 画" changes no read-out
  emit form1.Picture2->MouseMove(150, 150);    // cursors on
  DrawingSurface* surface = onProfile ? form1.Picture1 : form1.Picture2;
  emit surface->MouseMove(x, y);

  const bool inside = !text1.isEmpty();
  QCOMPARE(form1.Line17->IsVisible(), inside);
  QCOMPARE(form1.Line18->IsVisible(), inside);
  QCOMPARE(form1.Line19->IsVisible(), inside);
  QCOMPARE(form1.TextBox[1]->text(), text1);
  if (text2 != QLatin1String("*")) QCOMPARE(form1.TextBox[2]->text(), text2);
  QCOMPARE(form1.TextBox[3]->text(), text3);
  if (!inside) return;
  const double height = onProfile ? 0 : y;  // on the profile the cursor jumps to the X axis
  QCOMPARE(form1.Line17->From(), QPointF(-6, height));
  QCOMPARE(form1.Line17->To(), QPointF(610, height));
  QCOMPARE(form1.Line18->From(), QPointF(x, -306));
  QCOMPARE(form1.Line18->To(), QPointF(x, 302));
  QCOMPARE(form1.Line19->From(), QPointF(x, 120));
  QCOMPARE(form1.Line19->To(), QPointF(x, 0));
}

void Form1ReadoutTest::realPointerIsMapped() {
  ResultSession session;
  session.Load(Coded);
  Form1& form1 = session.Draw(&Form1::Option2);
  QVERIFY(QTest::qWaitForWindowExposed(&form1));
  DrawingSurface& image = *form1.Picture2;
  const QPoint at = image.contentsRect().topLeft() + image.PixelOf({310, 100});
  // Moved through the form's window, as the window system delivers it (Form2 may lie above).
  QTest::mouseMove(form1.windowHandle(), image.mapTo(&form1, at));
  QCOMPARE(form1.TextBox[1]->text(), QStringLiteral("5"));
  QCOMPARE(form1.TextBox[2]->text(), QStringLiteral("50"));
  QCOMPARE(form1.TextBox[3]->text(), QStringLiteral("26.0"));
  QTest::mouseClick(&image, Qt::LeftButton, {}, at);  // 0.5 cm to the anode side, 5 cm off the axis
  QCOMPARE(form1.TextBox[4]->text(), QStringLiteral("6"));
  QCOMPARE(form1.TextBox[5]->text(), QStringLiteral("51"));
}

void Form1ReadoutTest::inertUntilDrawn() {
  ResultSession session;
  Form1& form1 = session.Load(Coded);
  const QImage spectrum = form1.Picture3->Picture().copy();
  emit form1.Picture2->MouseMove(100, 100);
  emit form1.Picture1->MouseMove(100, 60);
  emit form1.Picture2->MouseDown(300, 0);
  QCOMPARE(form1.TextBox[1]->text(), QString());
  QCOMPARE(form1.TextBox[4]->text(), QString());
  QVERIFY(!form1.Line17->IsVisible() && !form1.Line18->IsVisible() && !form1.Line19->IsVisible());
  QCOMPARE(form1.Picture3->Picture(), spectrum);
  QCOMPARE(session.module().SpectrumMode, 1);  // left by Form2's beam-axis spectrum
}

void Form1ReadoutTest::pointSpectraAndClear() {
  ResultSession session;
  Form1& form1 = session.Load(Coded);
  session.Draw(&Form1::Option1);
  const DrawingSurface& graph = *form1.Picture3;
  const QImage beamAxisOnly = graph.Picture().copy();
  const int redCurve = CountInCurveArea(graph, kRed);
  QVERIFY(redCurve > 300);

  // At the beam centre with unchanged conditions the blue curve covers the red one.
  emit form1.Picture2->MouseDown(300, 0);
  QCOMPARE(form1.TextBox[4]->text(), QStringLiteral("1"));
  QCOMPARE(form1.TextBox[5]->text(), QStringLiteral("1"));
  QCOMPARE(session.module().PointX, 0.0);
  QCOMPARE(session.module().PointY, 0.0);
  QCOMPARE(session.module().SpectrumMode, 2);
  QVERIFY2(CountInCurveArea(graph, kRed) < redCurve / 10, "red left uncovered");
  const int oneCurve = CountInCurveArea(graph, kBlue);
  QVERIFY(oneCurve > redCurve / 2);

  struct Click {
    float x, y;
    const char* text4;
    const char* text5;
  };
  const Click clicks[] = {{0, -300, "-149", "149"}, {600, 300, "151", "151"}};
  int blue = oneCurve;
  for (const Click& c : clicks) {
    emit form1.Picture2->MouseDown(c.x, c.y);
    QCOMPARE(form1.TextBox[4]->text(), QString::fromLatin1(c.text4));
    QCOMPARE(form1.TextBox[5]->text(), QString::fromLatin1(c.text5));
    const int now = CountInCurveArea(graph, kBlue);
    QVERIFY2(now > blue, "each click adds a curve, nothing is cleared");
    blue = now;
  }

  form1.Command3->click();
  QCOMPARE(graph.Picture(), beamAxisOnly);
  QCOMPARE(form1.TextBox[4]->text(), QString());
  QCOMPARE(form1.TextBox[5]->text(), QString());
  QCOMPARE(session.module().AxisHvl, 2.5);
}

void Form1ReadoutTest::refusedClickChangesNothing_data() {
  QTest::addColumn<float>("axisPeakFactor");
  QTest::addColumn<int>("box");  // Form2 box changed after the run; 0: none
  QTest::addColumn<QString>("typed");
  QTest::addColumn<float>("x");
  QTest::addColumn<QString>("says");
  QTest::newRow("zero beam-axis peak") << 0.0f << 0 << QString() << 300.0f << "Beam_Axis.dat";
  QTest::newRow("copper absorbs every photon") << 1.0f << 4 << "100000" << 300.0f << "No photons";
  QTest::newRow("5 deg leaves no path to the anode edge") << 1.0f << 5 << "5" << 600.0f << "target angle";
}

// The click is refused with a message; no curve, no point texts, the point and mode of the last
// spectrum computed (Form2's beam axis) stay.
void Form1ReadoutTest::refusedClickChangesNothing() {
  QFETCH(float, axisPeakFactor);
  QFETCH(int, box);
  QFETCH(QString, typed);
  QFETCH(float, x);
  QFETCH(QString, says);
  ResultSession session;
  Form1& form1 = session.Load(Coded, axisPeakFactor);
  session.Draw(&Form1::Option1);
  if (box != 0) session.form2->TextBox[box]->setText(typed);
  const orvane::BinArray<double> spectrum = session.module().PhotonSpectrum;
  orvane::test::MessageCatcher messages;
  emit form1.Picture2->MouseDown(x, 0);
  QCOMPARE(messages.texts.size(), 1);
  QVERIFY2(messages.texts[0].contains(says), qPrintable(messages.texts[0]));
  QCOMPARE(CountColour(form1.Picture3->Picture(), kBlue), 0);
  QCOMPARE(form1.TextBox[4]->text(), QString());
  QCOMPARE(session.module().PointX, 0.0);
  QCOMPARE(session.module().PointY, 0.0);
  QCOMPARE(session.module().SpectrumMode, 1);
  QVERIFY(session.module().PhotonSpectrum == spectrum);
}

QTEST_MAIN(Form1ReadoutTest)
#include "form1_readout_test.moc"
