// The built-in pictures: sizes, and pixels that tell each picture apart from a blank or wrong one.
#include "pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPalette>
#include <QtTest>

namespace {

QImage Image(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); }

bool IsYellow(QColor c) { return c.red() > 200 && c.green() > 180 && c.blue() < 80 && c.alpha() == 255; }
bool IsGreen(QColor c) { return c.green() > 120 && c.red() < 60 && c.blue() < 110; }
bool IsWhite(QColor c) { return c.red() > 220 && c.green() > 220 && c.blue() > 220; }
bool IsBrown(QColor c) { return c.red() > 120 && c.green() > 60 && c.green() < c.red() && c.blue() < 80; }
bool IsDark(QColor c) { return c.red() < 96 && c.green() < 96 && c.blue() < 96; }

// Bounding box of the dark (ink) pixels.
QRect InkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (IsDark(image.pixelColor(x, y))) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

int CountPixels(const QImage& image, QRect area, bool (*test)(QColor)) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) count += test(image.pixelColor(x, y)) ? 1 : 0;
  return count;
}

}  // namespace

class PicturesTest : public QObject {
  Q_OBJECT

 private slots:
  void sizes_data() {
    QTest::addColumn<QPixmap>("picture");
    QTest::addColumn<QSize>("size");
    QTest::newRow("exit sign") << orvane::ExitSignPicture() << QSize(32, 32);
    QTest::newRow("puppy") << orvane::PuppyPicture() << QSize(32, 32);
    QTest::newRow("schematic, natural size 4036 x 5961 twips")
        << orvane::GeometrySchematic() << QSize(269, 397);
    QTest::newRow("schematic, fitted to its box") << orvane::GeometrySchematic({261, 381}) << QSize(261, 381);
    QTest::newRow("schematic, empty size falls back") << orvane::GeometrySchematic({0, 0}) << QSize(269, 397);
    QTest::newRow("cathode side") << orvane::CathodeSidePicture() << QSize(26, 116);
    QTest::newRow("anode side") << orvane::AnodeSidePicture() << QSize(26, 116);
  }
  void sizes() {
    QFETCH(QPixmap, picture);
    QFETCH(QSize, size);
    QCOMPARE(picture.size(), size);
  }

  void smileyIconIsYellowAtBothSizes() {
    const QIcon icon = orvane::SmileyIcon();
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(sizes.contains(QSize(32, 32)));
    QVERIFY(sizes.contains(QSize(16, 16)));
    for (int side : {32, 16}) {
      const QImage image = Image(icon.pixmap(side, side));
      QCOMPARE(image.size(), QSize(side, side));
      QVERIFY2(IsYellow(image.pixelColor(side / 2, side / 6)),
               qPrintable(QString("forehead at %1").arg(side)));
      QCOMPARE(image.pixelColor(0, 0).alpha(), 0);  // round face: the corners stay transparent
    }
  }

  void exitSignIsGreenWithWhiteArrowAndCharacters() {
    const QImage image = Image(orvane::ExitSignPicture());
    QVERIFY(IsGreen(image.pixelColor(0, 0)));
    QVERIFY(IsGreen(image.pixelColor(31, 31)));
    QVERIFY(IsGreen(image.pixelColor(26, 5)));  // right of the arrow, which points to the upper left
    QVERIFY(CountPixels(image, QRect(3, 3, 8, 8), IsWhite) > 12);     // arrow head
    QVERIFY(CountPixels(image, QRect(3, 17, 26, 12), IsWhite) > 60);  // 出口
  }

  void puppyIsBrownOnPureBlue() {
    const QImage image = Image(orvane::PuppyPicture());
    for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
      QCOMPARE(image.pixelColor(corner), QColor(0, 0, 255));
    QVERIFY(IsBrown(image.pixelColor(14, 18)));  // body
    QVERIFY(CountPixels(image, image.rect(), IsBrown) > 150);
  }

  void schematicIsInkOnWhite() {
    const QImage image = Image(orvane::GeometrySchematic());
    for (QPoint corner : {QPoint(0, 0), QPoint(268, 0), QPoint(0, 396), QPoint(268, 396)})
      QCOMPARE(image.pixelColor(corner), QColor(Qt::white));
    const QRect ink = InkBounds(image);
    QVERIFY2(ink.height() > 300 && ink.width() > 180, "drawing fills the portrait frame");
    // The beam axis runs straight down the middle, from the focus to the field.
    for (int y : {120, 200, 300}) QVERIFY(CountPixels(image, QRect(132, y, 5, 1), IsDark) > 0);
  }

  void sideLabelsReadVerticallyOnTheFaceColour() {
    const QColor face = QGuiApplication::palette().color(QPalette::Window);
    const QImage cathode = Image(orvane::CathodeSidePicture());
    const QImage anode = Image(orvane::AnodeSidePicture());
    for (const QImage* image : {&cathode, &anode}) {
      QCOMPARE(image->pixelColor(0, 0), face);
      QCOMPARE(image->pixelColor(25, 115), face);
      const QRect ink = InkBounds(*image);
      QVERIFY2(ink.height() > 3 * ink.width(), "the words run up the strip, not across it");
      // Reading upward puts the baseline, and with it the dense x-height band, on the right.
      const int middle = ink.center().x();
      const int leftInk = CountPixels(*image, QRect(QPoint(ink.left(), 0), QPoint(middle - 1, 115)), IsDark);
      const int rightInk = CountPixels(*image, QRect(QPoint(middle, 0), QPoint(ink.right(), 115)), IsDark);
      QVERIFY2(rightInk > 2 * leftInk,
               qPrintable(QString("ink left %1, right %2").arg(leftInk).arg(rightInk)));
    }
    QVERIFY2(InkBounds(cathode).height() > InkBounds(anode).height(), "\"Cathode side\" is the longer text");
  }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
