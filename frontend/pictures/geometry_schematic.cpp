// The schematic of the irradiation geometry on the title form: tube focus, filter, beam cone, field.
#include <QPolygonF>
#include <algorithm>

#include "painting.h"
#include "pictures.h"

namespace orvane {
namespace {

using namespace pictures_detail;

// Layout in pixels of the natural size (269 x 397); other sizes scale it uniformly and centre it.
const QPointF kFocus(134, 48);
const double kFieldPlaneY = 330;
const QPointF kFieldBackLeft(92, 312), kFieldBackRight(176, 312);
const QPointF kFieldFrontLeft(58, 348), kFieldFrontRight(210, 348);
const QRectF kFilterBox(112, 82, 44, 10);
const double kDimensionX = 244;

const QColor kAnodeGrey(150, 150, 150);
const QColor kFieldFill(200, 225, 255);
const QColor kFocusRed(220, 0, 0);

void DrawTube(QPainter& painter) {
  // Anode: a bevelled block right of the focus, its target face slanting down to the focal spot.
  const QPolygonF anode{{kFocus.x() + 2, kFocus.y() - 2},
                        {kFocus.x() + 18, kFocus.y() - 22},
                        {kFocus.x() + 34, kFocus.y() - 22},
                        {kFocus.x() + 34, kFocus.y() + 4},
                        {kFocus.x() + 4, kFocus.y() + 4}};
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(kAnodeGrey);
  painter.drawPolygon(anode);
  // Cathode: a focusing cup left of the focus.
  painter.setBrush(QColor(90, 90, 90));
  painter.drawRect(QRectF(kFocus.x() - 34, kFocus.y() - 12, 18, 9));
  painter.setPen(Qt::NoPen);
  painter.setBrush(kFocusRed);
  painter.drawEllipse(kFocus, 3, 3);

  painter.setPen(Qt::black);
  painter.setFont(PixelFont(kSerifFace, 14));
  painter.drawText(QRectF(4, kFocus.y() - 30, kFocus.x() - 42, 20), Qt::AlignRight | Qt::AlignVCenter,
                   "Cathode");
  painter.drawText(QRectF(kFocus.x() + 38, kFocus.y() - 30, 80, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   "Anode");
}

void DrawFilter(QPainter& painter) {
  painter.setPen(QPen(Qt::black, 1));
  painter.setBrush(QColor(235, 235, 235));
  painter.drawRect(kFilterBox);
  const QPointF labelEnd(62, kFilterBox.bottom() + 18);
  const QPointF arrowTip(kFilterBox.left() - 2, kFilterBox.center().y() + 2);
  painter.drawLine(labelEnd, arrowTip);
  DrawArrowHead(painter, labelEnd, arrowTip, 7, 3);
  painter.setFont(PixelFont(kSerifFace, 14));
  painter.drawText(QRectF(14, labelEnd.y() - 2, 50, 18), Qt::AlignLeft | Qt::AlignVCenter, "Filter");
}

void DrawBeamAndField(QPainter& painter) {
  const QPolygonF field{kFieldBackLeft, kFieldBackRight, kFieldFrontRight, kFieldFrontLeft};
  painter.setPen(QPen(Qt::black, 1.2));
  painter.setBrush(kFieldFill);
  painter.drawPolygon(field);

  painter.setPen(QPen(Qt::black, 1, Qt::DashLine));
  for (const QPointF& corner : field) painter.drawLine(kFocus, corner);
  const QPointF fieldCentre(kFocus.x(), kFieldPlaneY);
  painter.setPen(QPen(Qt::black, 1.4));
  painter.drawLine(kFocus, fieldCentre);

  painter.setPen(Qt::black);
  painter.setFont(PixelFont(kSerifFace, 14, false, true));
  painter.drawText(QRectF(14, 272, 70, 18), Qt::AlignLeft | Qt::AlignVCenter, "in air");
  painter.setFont(PixelFont(kSerifFace, 14));
  painter.drawText(
      QRectF(kFieldFrontLeft.x(), kFieldFrontLeft.y() + 6, kFieldFrontRight.x() - kFieldFrontLeft.x(), 20),
      Qt::AlignCenter, QString::fromUtf8("30 × 30 cm²"));
}

// Source-to-field distance: a double-headed vertical arrow with extension lines, text turned by 90°.
void DrawDistance(QPainter& painter) {
  const QPointF top(kDimensionX, kFocus.y()), bottom(kDimensionX, kFieldPlaneY);
  painter.setPen(QPen(Qt::black, 0.8));
  painter.drawLine(QPointF(kFocus.x() + 40, top.y()), top + QPointF(8, 0));
  painter.drawLine(QPointF(kFieldFrontRight.x() - 10, bottom.y()), bottom + QPointF(8, 0));
  painter.setPen(QPen(Qt::black, 1));
  painter.drawLine(top + QPointF(0, 4), bottom - QPointF(0, 4));
  DrawArrowHead(painter, bottom, top, 8, 3);
  DrawArrowHead(painter, top, bottom, 8, 3);

  painter.save();
  painter.translate(kDimensionX - 10, (top.y() + bottom.y()) / 2);
  painter.rotate(-90);
  painter.setFont(PixelFont(kSerifFace, 15));
  painter.drawText(QRectF(-40, -10, 80, 20), Qt::AlignCenter, "100 cm");
  painter.restore();
}

}  // namespace

QPixmap GeometrySchematic(QSize size) {
  if (size.isEmpty()) size = kGeometrySchematicSize;
  QPixmap pixmap = FilledPixmap(size, Qt::white);
  QPainter painter(&pixmap);
  PreparePainter(painter);
  const double scale = std::min(double(size.width()) / kGeometrySchematicSize.width(),
                                double(size.height()) / kGeometrySchematicSize.height());
  painter.translate((size.width() - scale * kGeometrySchematicSize.width()) / 2,
                    (size.height() - scale * kGeometrySchematicSize.height()) / 2);
  painter.scale(scale, scale);
  DrawBeamAndField(painter);
  DrawFilter(painter);
  DrawTube(painter);
  DrawDistance(painter);
  return pixmap;
}

}  // namespace orvane
