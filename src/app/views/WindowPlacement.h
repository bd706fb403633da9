#pragma once

class QWidget;

namespace scrb {

// Window sizes and places are stored, and the old form's geometry is given, in twips (1/1440 inch);
// the widgets work in pixels. The conversion takes the DPI of the screen the widget is on, so a
// saved size means the same on a high-DPI screen.
double TwipsPerPixel(const QWidget* widget);
int TwipsToPixels(double twips, const QWidget* widget);
double PixelsToTwips(int pixels, const QWidget* widget);

// Puts a dialog in the middle of the screen its parent (or it) is on, made no larger than that
// screen where its layout can shrink.
void CentreOnScreen(QWidget& dialog);

// Shows a window of its own over the main window's pages the first time (`placed` remembers it),
// moved left or up only as far as the screen's edges ask, and brings it to the front.
void ShowOver(QWidget& window, const QWidget* pages, bool& placed);

}  // namespace scrb
