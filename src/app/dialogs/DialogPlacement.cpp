#include "app/dialogs/DialogPlacement.h"

#include <QScreen>
#include <QWidget>

namespace scrb {

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

}  // namespace scrb
