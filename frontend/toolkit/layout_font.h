#pragma once
// Fonts of the layout, named as the layout names them and mapped to faces installed on Debian:
// the Japanese faces ("HG丸ｺﾞｼｯｸM-PRO", "メイリオ") to "Noto Sans CJK JP", "Times New Roman" to the
// metric-compatible "Liberation Serif", "Century" to a serif face.
#include <QColor>
#include <QFont>

namespace orvane::toolkit {

enum class FontStyle { Regular, Italic, Bold };

// A font of `points` size in the face that stands in for `layoutFace`. The size is set in pixels
// at 96 dpi (points * 4/3) so that text fits the twips geometry whatever the screen reports.
QFont LayoutFont(const char* layoutFace, double points, FontStyle style = FontStyle::Regular);

// Colours used throughout the forms.
inline const QColor kButtonFace(255, 255, 192);  // every command button's face
inline const QColor kTextColor(0, 0, 0);         // the system's text colour

}  // namespace orvane::toolkit
