#include "layout_font.h"

#include <QString>
#include <cmath>

namespace orvane::toolkit {

namespace {

QString InstalledFace(const QString& layoutFace) {
  if (layoutFace == QStringLiteral("Times New Roman")) return QStringLiteral("Liberation Serif");
  if (layoutFace == QStringLiteral("Century")) return QStringLiteral("Liberation Serif");
  // Every other face of the layout is a Japanese one.
  return QStringLiteral("Noto Sans CJK JP");
}

}  // namespace

QFont LayoutFont(const char* layoutFace, double points, FontStyle style) {
  const QString face = InstalledFace(QString::fromUtf8(layoutFace));
  QFont font(face);
  font.setFamilies({face, QStringLiteral("Noto Sans CJK JP")});
  font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
  font.setItalic(style == FontStyle::Italic);
  font.setBold(style == FontStyle::Bold);
  font.setStyleStrategy(QFont::PreferDefault);
  return font;
}

}  // namespace orvane::toolkit
