// Small helpers shared by the picture painters.
#pragma once

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QString>

namespace orvane::pictures_detail {

// A pixmap of the given size filled with one colour, ready for painting.
QPixmap FilledPixmap(QSize size, const QColor& fill);

// A font of the given face at a fixed pixel size, so pictures look the same on any screen resolution.
QFont PixelFont(const QString& family, int pixelSize, bool bold = false, bool italic = false);

// An antialiased painter on the pixmap.
void PreparePainter(QPainter& painter);

// A filled arrow head with its tip at `tip`, pointing along the direction from `from` to `tip`.
void DrawArrowHead(QPainter& painter, QPointF from, QPointF tip, double length, double halfWidth);

inline constexpr const char* kSerifFace = "Liberation Serif";
inline constexpr const char* kJapaneseFace = "Noto Sans CJK JP";

}  // namespace orvane::pictures_detail
