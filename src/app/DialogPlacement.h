#pragma once

class QWidget;

namespace scrb {

// Puts a dialog in the middle of the screen its parent (or it) is on.
void CentreOnScreen(QWidget& dialog);

}  // namespace scrb
