#pragma once
// DrawingSurface: a picture box that the program draws on, in a user coordinate system of its own.
//
// The user frame is (left, top, width, height) over the client area (inside the 2-pixel sunken
// border); a negative height makes y grow upward. What is drawn is kept in a retained image until
// Clear(). Every drawing call paints into that image; the screen only copies it.
//
// Pixel rule: a user point maps to the pixel that contains it, PixelOf(); pointer positions map back
// from a pixel's top-left corner, UserOf(), so a pointer on pixel p reports a point drawn on pixel p.
// Lines are drawn end points included; a point is a square dot of the pen width; a filled box covers
// both of its corner pixels.
//
// Line controls (AddLine) are drawn above the retained image, so they always lie over the drawing.
// Child controls (labels) may be placed inside with the toolkit's Add... functions.
#include <QColor>
#include <QFrame>
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QString>

#include "twips.h"

namespace orvane::toolkit {

// User frame of a surface: x at the left edge, y at the top edge, width and height in user units.
struct UserFrame {
  double left = 0;
  double top = 0;
  double width = 1;
  double height = 1;
};

class DrawingSurface;

// A line control: two end points in its surface's user units, a colour and a visible flag.
// Its objectName is its layout name ("Line17"); find it with surface->findChild<LineControl*>().
class LineControl : public QObject {
 public:
  LineControl(DrawingSurface* surface, const char* name, QPointF from, QPointF to, const QColor& colour);
  void SetEnds(QPointF from, QPointF to);
  void SetVisible(bool visible);
  QPointF From() const { return from_; }
  QPointF To() const { return to_; }
  QColor Colour() const { return colour_; }
  bool IsVisible() const { return visible_; }

 private:
  DrawingSurface* surface_;
  QPointF from_;
  QPointF to_;
  QColor colour_;
  bool visible_ = true;
};

class DrawingSurface : public QFrame {
  Q_OBJECT

 public:
  // `at` is the outer rectangle in twips; the client area is 60 twips smaller both ways.
  // `font` is the surface's text font; the foreground starts as the text colour, pen width 1.
  DrawingSurface(QWidget* container, const char* name, const Twips& at, const UserFrame& frame,
                 const QColor& background, const QFont& font);

  // Drawing operations, all in user units.
  void Clear();                  // fill with the background colour
  void SetPenWidth(int pixels);  // width of later lines, points and box outlines
  void SetForeColor(const QColor& colour);
  QColor ForeColor() const { return foreColor_; }
  int PenWidth() const { return penWidth_; }
  void Line(QPointF from, QPointF to);  // in the foreground colour; current point becomes `to`
  void Line(QPointF from, QPointF to, const QColor& colour);
  void LineOnward(QPointF to);  // from the current point, which becomes `to`
  void LineOnward(QPointF to, const QColor& colour);
  void Point(QPointF at, const QColor& colour);  // a dot of the pen width; current point becomes `at`
  void Box(QPointF corner1, QPointF corner2);    // outline in the foreground colour
  void Box(QPointF corner1, QPointF corner2, const QColor& colour);
  void FilledBox(QPointF corner1, QPointF corner2, const QColor& colour);  // edges included
  void Text(QPointF topLeft, const QString& text);  // surface's font, foreground colour

  // A line control lying above the drawing (visible at creation).
  LineControl* AddLine(const char* name, QPointF from, QPointF to, const QColor& colour);

  // Mapping between user units and pixels of the client area (= pixels of Picture()).
  QPoint PixelOf(QPointF user) const;
  QPointF UserOf(QPoint pixel) const;
  const QImage& Picture() const { return image_; }
  QPointF CurrentPoint() const { return current_; }
  const UserFrame& Frame() const { return frame_; }

 signals:
  // Pointer over the surface (client area and border), in user units; any button for MouseDown.
  void MouseMove(float x, float y);
  void MouseDown(float x, float y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPointF PixelCentre(QPointF user) const;
  void PaintLine(QPointF from, QPointF to, const QColor& colour);
  QPointF UserAtWidgetPosition(QPointF position) const;

  UserFrame frame_;
  QImage image_;
  QColor background_;
  QColor foreColor_;
  int penWidth_ = 1;
  QPointF current_{0, 0};
};

}  // namespace orvane::toolkit
