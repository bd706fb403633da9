#pragma once

class QWidget;

namespace scrb {

// Puts a dialog in the middle of the screen its parent (or it) is on, made no larger than that
// screen where its layout can shrink.
void CentreOnScreen(QWidget& dialog);

}  // namespace scrb
