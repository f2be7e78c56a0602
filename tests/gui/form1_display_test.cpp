// Loading the engine's results into the forms and drawing them on Form1: the conditions back in
// Form2's boxes, the reset of Form1, the legend, the colour scale, the mirrored image, the profile,
// the captions, and loads that fail and must change nothing.
#include <QtTest>
#include <filesystem>

#include "beam_axis_graph.h"
#include "field_result.h"
#include "file_error.h"
#include "result_fixtures.h"
#include "run_parameters.h"

using orvane::Form1;
using orvane::test::CountColour;
using orvane::test::ResultSession;
using orvane::toolkit::DrawingSurface;

namespace {

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);

QColor At(const DrawingSurface& surface, double x, double y) {
  return surface.Picture().pixelColor(surface.PixelOf({x, y}));
}

float AllOne(int, int, int) { return 1.0f; }

// Centre of cell (column, row) in the lower half of the image; -y is its mirror image.
QPointF CellCentre(int column, int row) { return {4.0 * (column - 1), 4.0 * row - 2}; }

}  // namespace

class Form1DisplayTest : public QObject {
  Q_OBJECT

 private slots:
  void uniformGridImageProfileAndLegend();
  void colourScale_data();
  void colourScale();
  void profileIsRowOne();
  void quantityCaptionsAndOptions();
  void loadResetsFormAndReloadsInPlace();
  void beamAxisGraphFromFile();
  void conditionsComeBack_data();
  void conditionsComeBack();
  void failedLoadChangesNothing_data();
  void failedLoadChangesNothing();
  void conditionsWrittenAfterTheRunStillLoad();
};

void Form1DisplayTest::uniformGridImageProfileAndLegend() {
  ResultSession session;
  Form1& form1 = session.Load(AllOne);
  QVERIFY(form1.isVisible());
  // The legend is there from the first showing: white at 0.70, (255, 153, 153) at k = 102 (0.90),
  // yellow at k = 153 (1.00), red at k = 255 (1.20), black ticks every 0.05 beside the strip.
  const DrawingSurface& legend = *form1.Picture7;
  QCOMPARE(At(legend, 2, 0), kWhite);
  QCOMPARE(At(legend, 2, 102), QColor(255, 153, 153));
  QCOMPARE(At(legend, 2, 153), kYellow);
  QCOMPARE(At(legend, 2, 255), kRed);
  QCOMPARE(At(legend, 5.5, 127.5), kBlack);
  QCOMPARE(At(legend, 8, 100), kWhite);
  const QImage legendAtLoad = legend.Picture().copy();

  form1.Command1->click();
  QCOMPARE(session.module().DistributionShown, 1);
  QCOMPARE(form1.ShownQuantity, 1);
  const DrawingSurface& image = *form1.Picture2;
  for (const QPointF cell : {CellCentre(1, 1), CellCentre(151, 76), CellCentre(40, 30), CellCentre(76, 5)}) {
    QCOMPARE(At(image, cell.x(), cell.y()), QColor(255, 102, 102));
    QCOMPARE(At(image, cell.x(), -cell.y()), QColor(255, 102, 102));
  }
  QCOMPARE(At(image, 300, 0), kYellow);
  QCOMPARE(At(image, 298, -2), kYellow);
  QCOMPARE(At(image, 296, 0), QColor(255, 102, 102));
  QCOMPARE(At(image, -5, 0), QColor(224, 224, 224));  // outside the field: the background
  QCOMPARE(At(image, 604, -306), QColor(224, 224, 224));

  // The profile is a straight red line at 100, the centre line drawn over it.
  const DrawingSurface& profile = *form1.Picture1;
  for (int column = 2; column <= 150; ++column) {
    if (column == 76) continue;
    QCOMPARE(At(profile, 4.0 * column - 4, 100), kRed);
    QVERIFY(At(profile, 4.0 * column - 4, 95) != kRed);
  }
  QCOMPARE(At(profile, 300, 100), kBlack);
  QCOMPARE(At(profile, 300, 60), kBlack);

  // Drawing again gives the same picture; the legend is not touched.
  const QImage first = image.Picture().copy();
  const QImage firstProfile = profile.Picture().copy();
  form1.Command1->click();
  QCOMPARE(image.Picture(), first);
  QCOMPARE(profile.Picture(), firstProfile);
  QCOMPARE(legend.Picture(), legendAtLoad);
}

void Form1DisplayTest::colourScale_data() {
  QTest::addColumn<float>("value");
  QTest::addColumn<int>("level");  // green and blue of (255, c, c)
  QTest::newRow("0.7 white") << 0.7f << 255;
  QTest::newRow("0.75 gives 229.5, to even 230") << 0.75f << 230;
  QTest::newRow("0.9") << 0.9f << 153;
  QTest::newRow("1.0") << 1.0f << 102;
  QTest::newRow("1.2 pure red") << 1.2f << 0;
  QTest::newRow("0.5 stays white") << 0.5f << 255;
  QTest::newRow("1.5 stays red") << 1.5f << 0;
  QTest::newRow("0.85 gives 178.5, to even 178") << 0.85f << 178;
}

void Form1DisplayTest::colourScale() {
  QFETCH(float, value);
  QFETCH(int, level);
  ResultSession session;
  Form1& form1 =
      session.Load([value](int, int column, int row) { return column == 40 && row == 20 ? value : 1.0f; });
  form1.Command1->click();
  const QPointF cell = CellCentre(40, 20);
  QCOMPARE(At(*form1.Picture2, cell.x(), cell.y()), QColor(255, level, level));
  QCOMPARE(At(*form1.Picture2, cell.x(), -cell.y()), QColor(255, level, level));
  QCOMPARE(At(*form1.Picture2, cell.x() + 4, cell.y()), QColor(255, 102, 102));
}

// The profile joins the values of row 1 (the X axis), column i at x = 4i - 4, from (0, 100 v(1, 1))
// to (600, 100 v(151, 1)); the other rows never enter it.
void Form1DisplayTest::profileIsRowOne() {
  ResultSession session;
  Form1& form1 =
      session.Load([](int, int column, int row) { return row == 1 ? 0.8f + 0.002f * column : 0.5f; });
  form1.Command1->click();
  const auto& grid = session.module().DisplayGrid;
  for (int column : {1, 2, 40, 75, 77, 150, 151}) {
    QCOMPARE(At(*form1.Picture1, 4.0 * column - 4, 100 * grid[column][1]), kRed);
  }
  QCOMPARE(CountColour(form1.Picture1->Picture().copy(
                           QRect(form1.Picture1->PixelOf({0, 75}), form1.Picture1->PixelOf({600, 0}))),
                       kRed),
           0);
}

void Form1DisplayTest::quantityCaptionsAndOptions() {
  ResultSession session;
  // Energy fluence 0.8, air kerma 0.9, HVL 1.1 everywhere.
  Form1& form1 = session.Load([](int block, int, int) {
    return block == orvane::test::kEnergyFluenceBlock ? 0.8f
           : block == orvane::test::kAirKermaBlock    ? 0.9f
                                                      : 1.1f;
  });
  struct Case {
    QRadioButton* Form1::*option;
    int quantity;
    const char* readout;
    const char* title;
    int level;
  };
  const Case cases[] = {
      {&Form1::Option1, 1, "Energy Fluence =", "Profile of Relative Energy Fluence on X-axis", 204},
      {&Form1::Option2, 2, "Air Kerma =", "Profile of Relative Air Kerma on X-axis", 153},
      {&Form1::Option3, 3, "HVL Al (mm) =", "Profile of Relative H.V.L. on X-axis", 51},
  };
  for (const Case& c : cases) {
    session.Draw(c.option);
    QCOMPARE(form1.ShownQuantity, c.quantity);
    QCOMPARE(form1.Label3->text(), QString::fromLatin1(c.readout));
    QCOMPARE(form1.Label4->text(), QString::fromLatin1(c.title));
    QCOMPARE(At(*form1.Picture2, 100, 100), QColor(255, c.level, c.level));
    // Long captions stay readable: none runs under a neighbouring box or button.
    QVERIFY(form1.Label3->geometry().right() < form1.TextBox[3]->x());
    QVERIFY(form1.Label3->x() > form1.TextBox[2]->geometry().right());
    QVERIFY(form1.Label4->geometry().right() < form1.Command4->x());
  }
  // Choosing another quantity only moves the focus: picture, captions and grid stay.
  const QImage shown = form1.Picture2->Picture().copy();
  form1.Option1->click();
  QCOMPARE(form1.focusWidget(), form1.Command1);
  QCOMPARE(form1.ShownQuantity, 3);
  QCOMPARE(form1.Label3->text(), QStringLiteral("HVL Al (mm) ="));
  QCOMPARE(form1.Picture2->Picture(), shown);
  QCOMPARE(session.module().DisplayGrid[10][10], 1.1);
}

void Form1DisplayTest::loadResetsFormAndReloadsInPlace() {
  ResultSession session;
  Form1& form1 = session.Load(AllOne);
  const QImage spectrumAfterLoad = form1.Picture3->Picture().copy();
  // The engine's spectrum replaced the model's in PhotonSpectrum; the red curve starts at the origin.
  QCOMPARE(session.module().AxisHvl, 2.5);
  QCOMPARE(At(*form1.Picture3, 100, 110), QColor(128, 128, 128));
  QVERIFY(CountColour(spectrumAfterLoad, kRed) > 300);
  for (int box = 1; box <= 5; ++box) QCOMPARE(form1.TextBox[box]->text(), QString());
  QVERIFY(!form1.Line17->IsVisible() && !form1.Line18->IsVisible() && !form1.Line19->IsVisible());

  form1.Command1->click();
  emit form1.Picture2->MouseMove(100, 100);
  emit form1.Picture2->MouseDown(300, 0);
  QVERIFY(form1.Line17->IsVisible());

  // Pressed again with Form1 on screen: the same form, reset in place, the same spectrum graph.
  session.form2->Command4->click();
  QCOMPARE(&session.program.forms.Distribution(), &form1);
  QCOMPARE(session.module().DistributionShown, 0);
  QCOMPARE(form1.Picture3->Picture(), spectrumAfterLoad);
  QCOMPARE(CountColour(form1.Picture2->Picture(), QColor(224, 224, 224)),
           form1.Picture2->Picture().width() * form1.Picture2->Picture().height());
  QCOMPARE(CountColour(form1.Picture1->Picture(), kWhite),
           form1.Picture1->Picture().width() * form1.Picture1->Picture().height());
  for (int box = 1; box <= 5; ++box) QCOMPARE(form1.TextBox[box]->text(), QString());
  QVERIFY(!form1.Line17->IsVisible() && !form1.Line18->IsVisible() && !form1.Line19->IsVisible());
  QCOMPARE(At(*form1.Picture7, 2, 102), QColor(255, 153, 153));
}

void Form1DisplayTest::beamAxisGraphFromFile() {
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  orvane::Module1& module = *program.module;
  DrawingSurface& graph = *program.forms.Distribution().Picture3;
  module.PhotonSpectrum.fill(0.5);
  const QImage empty = graph.Picture().copy();
  QVERIFY_THROWS_EXCEPTION(orvane::FileError, orvane::PlotBeamAxisSpectrum(graph, module));
  QCOMPARE(graph.Picture(), empty);  // a missing file leaves graph and data as they were
  QCOMPARE(module.PhotonSpectrum[10], 0.5);

  // Spectrum rows all 0: the curve runs along the energy axis, under the frame drawn after it;
  // nothing red above it. Bin 0 is not the file's.
  orvane::WriteBeamAxisSummary(orvane::kBeamAxisSummaryFile, orvane::BinArray<float>{}, 1234.0f, 0.3f);
  orvane::PlotBeamAxisSpectrum(graph, module);
  QCOMPARE(module.PhotonSpectrum[10], 0.0);
  QCOMPARE(module.PhotonSpectrum[0], 0.5);
  QCOMPARE(module.AxisSpectrumPeak, 1234.0);
  QCOMPARE(module.AxisHvl, 3.0);
  QCOMPARE(CountColour(graph.Picture().copy(QRect(graph.PixelOf({0, 120}), graph.PixelOf({100, 1}))), kRed),
           0);
  QCOMPARE(At(graph, 75, 0), kBlack);
  QCOMPARE(At(graph, 100, 100), kBlack);  // the level of the peak
  QCOMPARE(graph.PenWidth(), 2);
  QCOMPARE(graph.ForeColor(), kBlack);
}

void Form1DisplayTest::conditionsComeBack_data() {
  QTest::addColumn<QStringList>("typed");  // Text1, Text5, Text2, Text3, Text4
  QTest::addColumn<QStringList>("loaded");
  QTest::newRow("defaults") << QStringList{"100", "16", "2.5", "1.0", "0"}
                            << QStringList{"100", "16", "2.5", "1", "0"};
  QTest::newRow("copper 0.35 mm, 0.0350 cm in the file")
      << QStringList{"80", "12.5", "3", "0.5", "0.35"} << QStringList{"80", "12.5", "3", "0.5", "0.35"};
}

void Form1DisplayTest::conditionsComeBack() {
  QFETCH(QStringList, typed);
  QFETCH(QStringList, loaded);
  ResultSession session;
  const int boxes[] = {1, 5, 2, 3, 4};
  for (int n = 0; n < 5; ++n) session.form2->TextBox[boxes[n]]->setText(typed[n]);
  session.form2->Command1->click();
  for (int n = 0; n < 5; ++n) session.form2->TextBox[boxes[n]]->setText(QStringLiteral("typed later"));
  session.Load(AllOne);
  for (int n = 0; n < 5; ++n) QCOMPARE(session.form2->TextBox[boxes[n]]->text(), loaded[n]);
}

void Form1DisplayTest::failedLoadChangesNothing_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QByteArray>("content");  // empty: the file is removed
  QTest::addColumn<bool>("newer");          // the file touched after Result.dat was written
  QTest::addColumn<QString>("says");
  QTest::newRow("no results yet") << "Result.dat" << QByteArray() << false << "cannot open";
  QTest::newRow("short results") << "Result.dat" << QByteArray("0.1E+04\r\n 0.1000E+01 0.1000E+01\r\n")
                                 << false << "ends";
  QTest::newRow("damaged results") << "Result.dat" << QByteArray("0.1E+04\r\n 0.1000E+01 x.1000E+01\r\n")
                                   << false << "line 2";
  QTest::newRow("no beam axis") << "Beam_Axis.dat" << QByteArray() << false << "Beam_Axis.dat";
  QTest::newRow("short beam axis") << "Beam_Axis.dat" << QByteArray("   0.5   0.00000\r\n") << false
                                   << "ends";
  QTest::newRow("no conditions") << "B2F.dat" << QByteArray() << false << "B2F.dat";
  QTest::newRow("engine still calculating") << "Beam_Axis.dat" << QByteArray() << true << "still running";
}

void Form1DisplayTest::failedLoadChangesNothing() {
  QFETCH(QString, file);
  QFETCH(QByteArray, content);
  QFETCH(bool, newer);
  QFETCH(QString, says);
  ResultSession session;
  Form1& form1 = session.Load([](int, int column, int) { return 0.7f + 0.003f * column; });
  form1.Command1->click();
  emit form1.Picture2->MouseMove(100, 100);
  const QString readout = form1.TextBox[3]->text();
  const QImage image = form1.Picture2->Picture().copy();
  const QImage spectrum = form1.Picture3->Picture().copy();
  session.form2->TextBox[1]->setText(QStringLiteral("120"));
  session.form2->TextBox[4]->setText(QStringLiteral("0.2"));

  namespace fs = std::filesystem;
  const fs::path path = session.folder.Path(file.toLatin1().constData()).toStdString();
  if (newer) {
    fs::last_write_time(path, fs::last_write_time(orvane::kFieldResultFile) + std::chrono::seconds(2));
  } else {
    fs::remove(path);
    if (!content.isEmpty()) {
      QFile out(QString::fromStdString(path.string()));
      QVERIFY(out.open(QIODevice::WriteOnly));
      out.write(content);
    }
    if (file != QLatin1String(orvane::kFieldResultFile) && fs::exists(path))  // rewritten before the results
      fs::last_write_time(path, fs::last_write_time(orvane::kFieldResultFile) - std::chrono::seconds(2));
  }
  orvane::test::MessageCatcher messages;
  session.form2->Command4->click();
  QCOMPARE(messages.texts.size(), 1);
  QVERIFY2(messages.texts[0].contains(file) && messages.texts[0].contains(says),
           qPrintable(messages.texts[0]));
  QCOMPARE(session.program.endStatus, -1);
  QCOMPARE(session.form2->TextBox[1]->text(), QStringLiteral("120"));
  QCOMPARE(session.form2->TextBox[4]->text(), QStringLiteral("0.2"));
  QCOMPARE(session.module().DistributionShown, 1);
  QCOMPARE(form1.Picture2->Picture(), image);
  QCOMPARE(form1.Picture3->Picture(), spectrum);
  emit form1.Picture2->MouseMove(100, 100);
  QCOMPARE(form1.TextBox[3]->text(), readout);
  QCOMPARE(session.module().AxisHvl, 2.5);
}

void Form1DisplayTest::conditionsWrittenAfterTheRunStillLoad() {
  // Files left in the folder load as they are, even after "Ｘ線スペクトル" rewrote "B2F.dat".
  ResultSession session;
  session.Load(AllOne);
  namespace fs = std::filesystem;
  fs::last_write_time(orvane::kRunParametersFile,
                      fs::last_write_time(orvane::kFieldResultFile) + std::chrono::seconds(2));
  session.form2->Command4->click();
  QVERIFY(session.program.forms.Distribution().isVisible());
  QCOMPARE(session.form2->TextBox[1]->text(), QStringLiteral("100"));
}

QTEST_MAIN(Form1DisplayTest)
#include "form1_display_test.moc"
