#pragma once
// Layout geometry in twips (1/1440 inch). At 96 dpi 15 twips are one pixel; the forms are laid out
// in twips and converted once, here.
#include <QRect>
#include <QSize>

namespace orvane::toolkit {

inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }

// Left, top, width, height of a control in twips, measured from its container's client corner.
struct Twips {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

inline QRect ToPixels(const Twips& t) {
  return QRect(TwipsToPixels(t.left), TwipsToPixels(t.top), TwipsToPixels(t.width), TwipsToPixels(t.height));
}

inline QSize ToPixels(int widthTwips, int heightTwips) {
  return QSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
}

}  // namespace orvane::toolkit
