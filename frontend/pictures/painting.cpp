#include "painting.h"

#include <QLineF>
#include <QPolygonF>

namespace orvane::pictures_detail {

QPixmap FilledPixmap(QSize size, const QColor& fill) {
  QPixmap pixmap(size);
  pixmap.fill(fill);
  return pixmap;
}

QFont PixelFont(const QString& family, int pixelSize, bool bold, bool italic) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setItalic(italic);
  font.setStyleHint(italic || family == kSerifFace ? QFont::Serif : QFont::SansSerif);
  return font;
}

void PreparePainter(QPainter& painter) {
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
}

void DrawArrowHead(QPainter& painter, QPointF from, QPointF tip, double length, double halfWidth) {
  const QLineF shaft(from, tip);
  if (shaft.length() <= 0.0) return;
  const QPointF along = (tip - from) / shaft.length();
  const QPointF across(-along.y(), along.x());
  const QPointF base = tip - along * length;
  const QPolygonF head{tip, base + across * halfWidth, base - across * halfWidth};
  const QColor colour = painter.pen().color();
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  painter.drawPolygon(head);
  painter.restore();
}

}  // namespace orvane::pictures_detail
