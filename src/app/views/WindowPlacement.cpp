#include "app/views/WindowPlacement.h"

#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>
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

void CentreOnScreen(QWidget& dialog) {
  const QWidget* parent = dialog.parentWidget();
  const QScreen* target = parent != nullptr ? parent->screen() : dialog.screen();
  if (target == nullptr) return;
  // Before it is first shown a dialog has a default size, not its own; without this it would be
  // centred, or kept within the screen, by a size it never takes.
  if (!dialog.testAttribute(Qt::WA_Resized)) dialog.adjustSize();
  const QRect available = target->availableGeometry();
  // What the window manager adds around the dialog: its title bar and frame.
  const QSize room = available.size() - QSize(16, 48);
  if (dialog.width() > room.width() || dialog.height() > room.height()) {
    dialog.resize(dialog.size().boundedTo(room).expandedTo(dialog.minimumSizeHint()));
  }
  dialog.move(available.center() - dialog.rect().center());
}

void ShowOver(QWidget& window, const QWidget* pages, bool& placed) {
  if (!placed && pages != nullptr) {
    placed = true;
    const QRect screen = pages->screen()->availableGeometry();
    const QPoint topLeft = pages->mapToGlobal(QPoint(0, 0));
    window.move(std::max(screen.left(), std::min(topLeft.x(), screen.right() - window.width())),
                std::max(screen.top(), std::min(topLeft.y(), screen.bottom() - window.height())));
  }
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace scrb
