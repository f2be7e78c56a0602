// The vertical "Cathode side" / "Anode side" labels beside the distribution image and the profile.
#include <QGuiApplication>
#include <QPalette>

#include "painting.h"
#include "pictures.h"

namespace orvane {
namespace {

using namespace pictures_detail;

QPixmap SideLabel(const QString& text) {
  const QColor face = QGuiApplication::palette().color(QPalette::Window);
  QPixmap pixmap = FilledPixmap(kSideLabelSize, face);
  QPainter painter(&pixmap);
  PreparePainter(painter);
  painter.setPen(Qt::black);
  painter.setFont(PixelFont(kSerifFace, 17, false, true));
  // Turned a quarter to the left, so the words read from the bottom upward.
  painter.translate(kSideLabelSize.width() / 2.0, kSideLabelSize.height() / 2.0);
  painter.rotate(-90);
  const QRectF turned(-kSideLabelSize.height() / 2.0, -kSideLabelSize.width() / 2.0, kSideLabelSize.height(),
                      kSideLabelSize.width());
  painter.drawText(turned, Qt::AlignCenter, text);
  return pixmap;
}

}  // namespace

QPixmap CathodeSidePicture() { return SideLabel("Cathode side"); }
QPixmap AnodeSidePicture() { return SideLabel("Anode side"); }

}  // namespace orvane
