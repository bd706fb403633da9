#pragma once

#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace scrb {

// Shows a window of its own over the main window's pages the first time (`placed` remembers it),
// moved left or up only as far as the screen's edges ask, and brings it to the front.
inline void ShowOver(QWidget& window, const QWidget* pages, bool& placed) {
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
