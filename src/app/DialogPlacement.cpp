#include "app/DialogPlacement.h"

#include <QScreen>
#include <QWidget>

namespace scrb {

void CentreOnScreen(QWidget& dialog) {
  const QWidget* parent = dialog.parentWidget();
  const QScreen* target = parent != nullptr ? parent->screen() : dialog.screen();
  if (target == nullptr) return;
  dialog.move(target->availableGeometry().center() - dialog.rect().center());
}

}  // namespace scrb
