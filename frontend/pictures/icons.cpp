// The three small pictures: window icon, exit sign, puppy.
#include <QPainterPath>

#include "painting.h"
#include "pictures.h"

namespace orvane {
namespace {

using namespace pictures_detail;

const QColor kSmileyYellow(255, 220, 0);
const QColor kSmileyOutline(120, 80, 0);
const QColor kExitGreen(0, 150, 70);
const QColor kPuppyBlue(0, 0, 255);
const QColor kPuppyBrown(170, 105, 45);
const QColor kPuppyDarkBrown(105, 60, 25);

// Drawn in a 32 x 32 frame and scaled, so the 16 x 16 icon keeps the same face.
QPixmap SmileyPixmap(int side) {
  QPixmap pixmap = FilledPixmap(QSize(side, side), Qt::transparent);
  QPainter painter(&pixmap);
  PreparePainter(painter);
  painter.scale(side / 32.0, side / 32.0);
  painter.setPen(QPen(kSmileyOutline, 1.5));
  painter.setBrush(kSmileyYellow);
  painter.drawEllipse(QRectF(1.5, 1.5, 29, 29));
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawEllipse(QRectF(9.5, 9, 4, 6));
  painter.drawEllipse(QRectF(18.5, 9, 4, 6));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap));
  painter.drawArc(QRectF(8, 8, 16, 16), -20 * 16, -140 * 16);  // the smile: lower arc
  return pixmap;
}

}  // namespace

QIcon SmileyIcon() {
  QIcon icon;
  icon.addPixmap(SmileyPixmap(32));
  icon.addPixmap(SmileyPixmap(16));
  return icon;
}

QPixmap ExitSignPicture() {
  QPixmap pixmap = FilledPixmap(QSize(32, 32), kExitGreen);
  QPainter painter(&pixmap);
  PreparePainter(painter);
  painter.setPen(QPen(Qt::white, 1));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(QRectF(1.5, 1.5, 29, 29));

  // Arrow up and to the left, in the upper half.
  const QPointF tip(6, 4);
  const QPointF tail(19, 15);
  painter.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::FlatCap));
  painter.drawLine(tail, tip + (tail - tip) * 0.35);
  DrawArrowHead(painter, tail, tip, 7.5, 4.5);

  painter.setPen(Qt::white);
  painter.setFont(PixelFont(kJapaneseFace, 12, true));
  painter.drawText(QRectF(2, 15, 28, 15), Qt::AlignCenter, QString::fromUtf8("出口"));
  return pixmap;
}

QPixmap PuppyPicture() {
  QPixmap pixmap = FilledPixmap(QSize(32, 32), kPuppyBlue);
  QPainter painter(&pixmap);
  PreparePainter(painter);
  painter.setPen(Qt::NoPen);

  painter.setBrush(kPuppyBrown);
  QPainterPath tail;
  tail.moveTo(7, 16);
  tail.quadTo(3, 13, 4, 8);
  painter.strokePath(tail, QPen(kPuppyBrown, 2.2, Qt::SolidLine, Qt::RoundCap));
  for (double legX : {8.0, 11.5, 17.5, 21.0}) painter.drawRoundedRect(QRectF(legX, 19, 2.8, 9), 1, 1);
  painter.drawEllipse(QRectF(5, 13, 19, 10));  // body
  painter.drawEllipse(QRectF(18, 5, 10, 10));  // head
  painter.drawEllipse(QRectF(23, 9, 8, 6));    // muzzle

  painter.setBrush(kPuppyDarkBrown);
  painter.drawEllipse(QRectF(18, 6, 4.5, 8.5));  // drooping ear
  painter.setBrush(Qt::black);
  painter.drawEllipse(QRectF(23.5, 8, 2.2, 2.2));  // eye
  painter.drawEllipse(QRectF(29, 9.8, 2.5, 2.2));  // nose
  painter.setBrush(QColor(255, 120, 150));
  painter.drawEllipse(QRectF(26, 14, 3, 3));  // tongue
  return pixmap;
}

}  // namespace orvane
