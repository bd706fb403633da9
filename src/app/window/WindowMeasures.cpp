#include "app/window/WindowMeasures.h"

#include <QScreen>
#include <QWidget>
#include <cmath>

namespace scrb {

double TwipsPerPixel(const QWidget* widget) {
  const QScreen* screen = widget != nullptr ? widget->screen() : nullptr;
  const double dpi = screen != nullptr ? screen->logicalDotsPerInch() : 96.0;
  return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

int TwipsToPixels(double twips, const QWidget* widget) {
  return static_cast<int>(std::lround(twips / TwipsPerPixel(widget)));
}

double PixelsToTwips(int pixels, const QWidget* widget) {
  return pixels * TwipsPerPixel(widget);
}

}  // namespace scrb
