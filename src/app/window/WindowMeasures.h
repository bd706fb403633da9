#pragma once

class QWidget;

namespace scrb {

// Window sizes and places are stored, and the old form's geometry is given, in twips (1/1440 inch);
// the widgets work in pixels. The conversion takes the DPI of the screen the widget is on, so a
// saved size means the same on a high-DPI screen.
double TwipsPerPixel(const QWidget* widget);
int TwipsToPixels(double twips, const QWidget* widget);
double PixelsToTwips(int pixels, const QWidget* widget);

}  // namespace scrb
