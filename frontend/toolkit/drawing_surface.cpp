#include "drawing_surface.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "layout_font.h"

namespace orvane::toolkit {

namespace {

constexpr int kBorderPixels = 2;         // sunken border, 30 twips on every side
constexpr double kEdgeTolerance = 1e-7;  // keeps a point lying on a pixel edge in that pixel
constexpr double kFarOff = 1e6;          // pixels: far outside every surface, still an int

bool HasPlace(QPointF user) { return !std::isnan(user.x()) && !std::isnan(user.y()); }

void Stamp(QImage& image, int x, int y, int width, QRgb colour) {
  const int first = -(width - 1) / 2;
  for (int dy = first; dy < first + width; ++dy) {
    for (int dx = first; dx < first + width; ++dx) {
      const int px = x + dx;
      const int py = y + dy;
      if (px >= 0 && py >= 0 && px < image.width() && py < image.height()) image.setPixel(px, py, colour);
    }
  }
}

// Bresenham's line between two pixels, both included, a dot of the pen width at every step.
void StampLine(QImage& image, QPoint a, QPoint b, int width, QRgb colour) {
  const int dx = std::abs(b.x() - a.x());
  const int dy = -std::abs(b.y() - a.y());
  const int stepX = a.x() < b.x() ? 1 : -1;
  const int stepY = a.y() < b.y() ? 1 : -1;
  int error = dx + dy;
  int x = a.x();
  int y = a.y();
  for (;;) {
    Stamp(image, x, y, width, colour);
    if (x == b.x() && y == b.y()) break;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y += stepY;
    }
  }
}

}  // namespace

LineControl::LineControl(DrawingSurface* surface, const char* name, QPointF from, QPointF to,
                         const QColor& colour)
    : QObject(surface), surface_(surface), from_(from), to_(to), colour_(colour) {
  setObjectName(QString::fromLatin1(name));
}

void LineControl::SetEnds(QPointF from, QPointF to) {
  from_ = from;
  to_ = to;
  surface_->update();
}

void LineControl::SetVisible(bool visible) {
  visible_ = visible;
  surface_->update();
}

DrawingSurface::DrawingSurface(QWidget* container, const char* name, const Twips& at, const UserFrame& frame,
                               const QColor& background, const QFont& font)
    : QFrame(container), frame_(frame), background_(background), foreColor_(kTextColor) {
  setObjectName(QString::fromLatin1(name));
  setFont(font);
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(kBorderPixels);
  setAttribute(Qt::WA_StaticContents);
  setMouseTracking(true);
  const QRect outer =
      ToPixels(at).translated(qobject_cast<const QFrame*>(container)
                                  ? qobject_cast<const QFrame*>(container)->contentsRect().topLeft()
                                  : QPoint(0, 0));
  setGeometry(outer);
  image_ = QImage(outer.size() - QSize(2 * kBorderPixels, 2 * kBorderPixels), QImage::Format_RGB32);
  image_.fill(background_);
}

void DrawingSurface::Clear() {
  image_.fill(background_);
  update();
}

void DrawingSurface::SetPenWidth(int pixels) { penWidth_ = std::max(1, pixels); }

void DrawingSurface::SetForeColor(const QColor& colour) { foreColor_ = colour; }

QPoint DrawingSurface::PixelOf(QPointF user) const {
  const double u = (user.x() - frame_.left) / frame_.width * image_.width();
  const double v = (user.y() - frame_.top) / frame_.height * image_.height();
  const auto toPixel = [](double w) {
    if (std::isnan(w)) return static_cast<int>(-kFarOff);
    const double clamped = std::clamp(w, -kFarOff, kFarOff);  // far-off points stay representable
    return static_cast<int>(std::floor(clamped + kEdgeTolerance));
  };
  return QPoint(toPixel(u), toPixel(v));
}

QPointF DrawingSurface::UserOf(QPoint pixel) const {
  return QPointF(frame_.left + pixel.x() * frame_.width / image_.width(),
                 frame_.top + pixel.y() * frame_.height / image_.height());
}

void DrawingSurface::PaintLine(QPointF from, QPointF to, const QColor& colour) {
  // A value that is not a number has no place on the surface: no line toward it.
  if (HasPlace(from) && HasPlace(to)) StampLine(image_, PixelOf(from), PixelOf(to), penWidth_, colour.rgb());
  current_ = to;
  update();
}

void DrawingSurface::Line(QPointF from, QPointF to) { PaintLine(from, to, foreColor_); }
void DrawingSurface::Line(QPointF from, QPointF to, const QColor& colour) { PaintLine(from, to, colour); }
void DrawingSurface::LineOnward(QPointF to) { PaintLine(current_, to, foreColor_); }
void DrawingSurface::LineOnward(QPointF to, const QColor& colour) { PaintLine(current_, to, colour); }

void DrawingSurface::Point(QPointF at, const QColor& colour) {
  const QPoint pixel = PixelOf(at);
  if (HasPlace(at)) Stamp(image_, pixel.x(), pixel.y(), penWidth_, colour.rgb());
  current_ = at;
  update();
}

void DrawingSurface::Box(QPointF corner1, QPointF corner2) { Box(corner1, corner2, foreColor_); }

void DrawingSurface::Box(QPointF corner1, QPointF corner2, const QColor& colour) {
  const QPoint a = PixelOf(corner1);
  const QPoint b = PixelOf(corner2);
  const QRgb rgb = colour.rgb();
  StampLine(image_, a, QPoint(b.x(), a.y()), penWidth_, rgb);
  StampLine(image_, QPoint(b.x(), a.y()), b, penWidth_, rgb);
  StampLine(image_, b, QPoint(a.x(), b.y()), penWidth_, rgb);
  StampLine(image_, QPoint(a.x(), b.y()), a, penWidth_, rgb);
  current_ = corner2;
  update();
}

void DrawingSurface::FilledBox(QPointF corner1, QPointF corner2, const QColor& colour) {
  const QPoint a = PixelOf(corner1);
  const QPoint b = PixelOf(corner2);
  // Edges included, clipped to the client area; the image is filled row by row, with no painter per box.
  const int left = std::max(std::min(a.x(), b.x()), 0);
  const int right = std::min(std::max(a.x(), b.x()), image_.width() - 1);
  const int top = std::max(std::min(a.y(), b.y()), 0);
  const int bottom = std::min(std::max(a.y(), b.y()), image_.height() - 1);
  const QRgb rgb = colour.rgb();
  for (int y = top; y <= bottom && left <= right; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
    std::fill(row + left, row + right + 1, rgb);
  }
  current_ = corner2;
  update();
}

void DrawingSurface::Text(QPointF topLeft, const QString& text) {
  const QPoint at = PixelOf(topLeft);
  QFont face = font();
  face.setStyleStrategy(QFont::NoAntialias);  // whole pixels: text drawn twice looks the same
  QPainter painter(&image_);
  painter.setFont(face);
  painter.setPen(foreColor_);
  painter.drawText(QRect(at, QSize(4 * image_.width(), 4 * image_.height())),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
  update();
}

LineControl* DrawingSurface::AddLine(const char* name, QPointF from, QPointF to, const QColor& colour) {
  auto* line = new LineControl(this, name, from, to, colour);
  update();
  return line;
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);  // the sunken border
  QPainter painter(this);
  const QPoint origin = contentsRect().topLeft();
  painter.drawImage(origin, image_);
  // Line controls lie above the drawing, one pixel wide, clipped to the client area.
  painter.setClipRect(contentsRect());
  painter.translate(origin);
  for (const LineControl* line : findChildren<LineControl*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (!line->IsVisible()) continue;
    painter.setPen(QPen(line->Colour(), 1));
    painter.drawLine(PixelOf(line->From()), PixelOf(line->To()));
  }
}

QPointF DrawingSurface::UserAtWidgetPosition(QPointF position) const {
  const QPointF client = position - QPointF(contentsRect().topLeft());
  return UserOf(QPoint(static_cast<int>(std::floor(client.x())), static_cast<int>(std::floor(client.y()))));
}

void DrawingSurface::mouseMoveEvent(QMouseEvent* event) {
  const QPointF user = UserAtWidgetPosition(event->position());
  emit MouseMove(static_cast<float>(user.x()), static_cast<float>(user.y()));
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
  const QPointF user = UserAtWidgetPosition(event->position());
  emit MouseDown(static_cast<float>(user.x()), static_cast<float>(user.y()));
}

}  // namespace orvane::toolkit
