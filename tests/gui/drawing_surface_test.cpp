// The drawing surface: user units to pixels on the five surfaces of the forms, the drawing
// operations' pixels, line controls above the drawing, and the pointer in user units.
#include "drawing_surface.h"

#include <QSignalSpy>
#include <QtTest>
#include <cmath>

#include "form1.h"
#include "form2.h"
#include "gui_test_support.h"

using orvane::toolkit::DrawingSurface;

namespace {

const QColor kGreen(0, 200, 0);
const QColor kMagenta(255, 0, 255);

DrawingSurface* SurfaceNamed(orvane::FormRegistry& forms, const QString& form, const QString& name) {
  QWidget* owner = form == QLatin1String("Form2") ? static_cast<QWidget*>(forms.Conditions())
                                                  : static_cast<QWidget*>(&forms.Distribution());
  return owner->findChild<DrawingSurface*>(name);
}

}  // namespace

class DrawingSurfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void userUnitsLandOnTheirPixels_data();
  void userUnitsLandOnTheirPixels();
  void operationsPaintTheirPixels();
  void lineControlsLieAboveTheDrawing();
  void pointerArrivesInUserUnits();
};

void DrawingSurfaceTest::userUnitsLandOnTheirPixels_data() {
  QTest::addColumn<QString>("form");
  QTest::addColumn<QString>("surface");
  QTest::addColumn<QSize>("client");  // pixels: outer twips less 60, over 15
  QTest::addColumn<QPointF>("user");
  QTest::addColumn<QPoint>("pixel");
  // Spectrum graph of Form2: 0..6000 across, 0..2500 down.
  QTest::newRow("form2 graph origin corner")
      << "Form2"
      << "Picture3" << QSize(725, 421) << QPointF(0, 0) << QPoint(0, 0);
  QTest::newRow("form2 plot top left")
      << "Form2"
      << "Picture3" << QSize(725, 421) << QPointF(1000, 100) << QPoint(120, 16);
  QTest::newRow("form2 plot bottom right")
      << "Form2"
      << "Picture3" << QSize(725, 421) << QPointF(5500, 2100) << QPoint(664, 353);
  // Spectrum graph of Form1: -20..152 across, 123 at the top down to -10.
  QTest::newRow("form1 graph origin") << "Form1"
                                      << "Picture3" << QSize(613, 341) << QPointF(0, 0) << QPoint(71, 315);
  QTest::newRow("form1 graph top right")
      << "Form1"
      << "Picture3" << QSize(613, 341) << QPointF(150, 120) << QPoint(605, 7);
  // Profile: -6..607 across, 123 down to -10.
  QTest::newRow("profile origin") << "Form1"
                                  << "Picture1" << QSize(613, 317) << QPointF(0, 0) << QPoint(6, 293);
  QTest::newRow("profile level 100 at 600")
      << "Form1"
      << "Picture1" << QSize(613, 317) << QPointF(600, 100) << QPoint(606, 54);
  // Image: one unit is one pixel, y grows downward.
  QTest::newRow("image top left") << "Form1"
                                  << "Picture2" << QSize(613, 613) << QPointF(-6, -306) << QPoint(0, 0);
  QTest::newRow("image centre") << "Form1"
                                << "Picture2" << QSize(613, 613) << QPointF(300, 0) << QPoint(306, 306);
  QTest::newRow("image lower right") << "Form1"
                                     << "Picture2" << QSize(613, 613) << QPointF(600, 300)
                                     << QPoint(606, 606);
  // Legend: 0..10 across, 262 down to -7, y grows upward.
  QTest::newRow("legend top left") << "Form1"
                                   << "Picture7" << QSize(69, 269) << QPointF(0, 262) << QPoint(0, 0);
  QTest::newRow("legend yellow mark") << "Form1"
                                      << "Picture7" << QSize(69, 269) << QPointF(5, 153) << QPoint(34, 109);
  QTest::newRow("legend value 0.7") << "Form1"
                                    << "Picture7" << QSize(69, 269) << QPointF(0, 0) << QPoint(0, 262);
}

void DrawingSurfaceTest::userUnitsLandOnTheirPixels() {
  QFETCH(QString, form);
  QFETCH(QString, surface);
  QFETCH(QSize, client);
  QFETCH(QPointF, user);
  QFETCH(QPoint, pixel);
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  DrawingSurface* picture = SurfaceNamed(program.forms, form, surface);
  QVERIFY(picture);
  QCOMPARE(picture->Picture().size(), client);
  QCOMPARE(picture->contentsRect().size(), client);  // a 2-pixel border on every side

  picture->SetPenWidth(1);
  picture->Point(user, kMagenta);
  QCOMPARE(picture->Picture().pixelColor(pixel), kMagenta);
  QCOMPARE(picture->PixelOf(picture->UserOf(pixel)), pixel);
  int painted = 0;
  for (int y = 0; y < client.height(); ++y)
    for (int x = 0; x < client.width(); ++x) painted += picture->Picture().pixelColor(x, y) == kMagenta;
  QCOMPARE(painted, 1);
}

void DrawingSurfaceTest::operationsPaintTheirPixels() {
  QWidget container;
  // 100 x 100 pixels of client, one unit per pixel, y upward from 0 at the bottom.
  DrawingSurface surface(&container, "Surface", {0, 0, 1560, 1560}, {0, 100, 100, -100}, Qt::white, QFont());
  const QImage& image = surface.Picture();

  surface.FilledBox({10, 90}, {19, 81}, kGreen);  // edges included: pixels 10..19 both ways
  QCOMPARE(image.pixelColor(10, 10), kGreen);
  QCOMPARE(image.pixelColor(19, 19), kGreen);
  QCOMPARE(image.pixelColor(20, 19), QColor(Qt::white));
  QCOMPARE(image.pixelColor(9, 10), QColor(Qt::white));
  // Boxes reaching past the edges are clipped to the client area; a box wholly outside paints nothing.
  surface.FilledBox({95, 5}, {130, -30}, kGreen);
  QCOMPARE(image.pixelColor(99, 99), kGreen);
  QCOMPARE(image.pixelColor(94, 99), QColor(Qt::white));
  const QImage beforeOutside = image.copy();
  surface.FilledBox({150, 50}, {160, 40}, kMagenta);
  surface.FilledBox({-60, 150}, {-50, 140}, kMagenta);
  QCOMPARE(image, beforeOutside);

  surface.SetPenWidth(2);
  surface.Point({50, 50}, kMagenta);  // a 2 x 2 dot, and the current point
  QCOMPARE(image.pixelColor(50, 50), kMagenta);
  QCOMPARE(image.pixelColor(51, 51), kMagenta);
  QCOMPARE(image.pixelColor(52, 50), QColor(Qt::white));
  surface.LineOnward({70, 50}, Qt::red);  // from the dot, end point included
  QCOMPARE(image.pixelColor(70, 50), QColor(Qt::red));
  QCOMPARE(image.pixelColor(60, 51), QColor(Qt::red));
  QCOMPARE(surface.CurrentPoint(), QPointF(70, 50));

  // A value that is not a number draws nothing (and does not hang the line drawing).
  const QImage beforeNaN = image.copy();
  surface.LineOnward({std::nan(""), 10}, Qt::red);
  surface.Line({10, 10}, {20, std::nan("")}, Qt::red);
  surface.Point({std::nan(""), std::nan("")}, Qt::red);
  QCOMPARE(image, beforeNaN);

  surface.SetPenWidth(1);
  surface.SetForeColor(Qt::blue);
  surface.Box({30, 40}, {40, 30});  // outline in the foreground colour, hollow
  QCOMPARE(image.pixelColor(30, 60), QColor(Qt::blue));
  QCOMPARE(image.pixelColor(40, 70), QColor(Qt::blue));
  QCOMPARE(image.pixelColor(35, 65), QColor(Qt::white));

  surface.Text({80, 95}, QStringLiteral("W"));  // glyph ink below and right of the anchor
  bool ink = false;
  for (int y = 5; y < 25; ++y)
    for (int x = 80; x < 95; ++x) ink = ink || image.pixelColor(x, y) == QColor(Qt::blue);
  QVERIFY(ink);

  surface.Clear();
  QCOMPARE(image.pixelColor(50, 50), QColor(Qt::white));
  QCOMPARE(image.pixelColor(15, 15), QColor(Qt::white));
}

void DrawingSurfaceTest::lineControlsLieAboveTheDrawing() {
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  orvane::Form1& form1 = program.forms.Distribution();
  DrawingSurface* image = form1.Picture2;
  image->FilledBox({-6, -306}, {607, 307}, kGreen);
  const QPoint cursorPixel = image->PixelOf({74, 100}) + image->contentsRect().topLeft();
  QCOMPARE(image->grab().toImage().pixelColor(cursorPixel), QColor(0, 0, 255));  // Line18 over the paint

  form1.Line18->SetVisible(false);
  QCOMPARE(image->grab().toImage().pixelColor(cursorPixel), kGreen);
  QCOMPARE(image->Picture().pixelColor(image->PixelOf({74, 100})), kGreen);  // never painted into the image

  form1.Line18->SetEnds({200, -306}, {200, 302});
  form1.Line18->SetVisible(true);
  const QPoint moved = image->PixelOf({200, 100}) + image->contentsRect().topLeft();
  QCOMPARE(image->grab().toImage().pixelColor(moved), QColor(0, 0, 255));
  QCOMPARE(image->grab().toImage().pixelColor(cursorPixel), kGreen);
}

void DrawingSurfaceTest::pointerArrivesInUserUnits() {
  orvane::test::WorkingFolder folder;
  orvane::test::Program program;
  orvane::Form1& form1 = program.forms.Distribution();
  form1.ShowForm();
  QVERIFY(QTest::qWaitForWindowExposed(&form1));
  DrawingSurface* image = form1.Picture2;
  QSignalSpy moves(image, &DrawingSurface::MouseMove);
  QSignalSpy presses(image, &DrawingSurface::MouseDown);
  const QPoint border = image->contentsRect().topLeft();

  QTest::mouseMove(image, border + QPoint(316, 306));  // pixel (316, 306) is user (310, 0)
  QVERIFY(!moves.isEmpty());
  QCOMPARE(moves.last().at(0).toFloat(), 310.0f);
  QCOMPARE(moves.last().at(1).toFloat(), 0.0f);

  QTest::mouseClick(image, Qt::RightButton, Qt::NoModifier, border + QPoint(6, 6));  // user (0, -300)
  QCOMPARE(presses.count(), 1);
  QCOMPARE(presses.last().at(0).toFloat(), 0.0f);
  QCOMPARE(presses.last().at(1).toFloat(), -300.0f);

  // The profile: y grows upward, 133 units over 317 pixels.
  DrawingSurface* profile = form1.Picture1;
  QSignalSpy profileMoves(profile, &DrawingSurface::MouseMove);
  const QPoint origin = profile->PixelOf({0, 0});
  QTest::mouseMove(profile, profile->contentsRect().topLeft() + origin);
  QVERIFY(!profileMoves.isEmpty());
  QCOMPARE(profile->PixelOf({profileMoves.last().at(0).toFloat(), profileMoves.last().at(1).toFloat()}),
           origin);
  QVERIFY(std::abs(profileMoves.last().at(1).toFloat()) < 133.0f / 317.0f);
}

QTEST_MAIN(DrawingSurfaceTest)
#include "drawing_surface_test.moc"
