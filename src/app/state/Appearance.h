#pragma once

#include <QObject>
#include <QPalette>
#include <QString>
#include <string>

#include "charts/Palette.h"

namespace scrb {

// Edit > Preferences > Appearance, in the order the dialog lists them.
enum class Appearance { Desktop, Light, Dark, HighContrast };

// The setting's text and back; anything unknown (an old or damaged file) follows the desktop.
std::string AppearanceSettingName(Appearance appearance);
Appearance AppearanceFromSetting(const std::string& text);

// A desktop is dark when its windows' background is.
bool IsDarkPalette(const QPalette& palette);

// The chart colours of an appearance on a desktop of the given darkness.
const Palette& ChartPaletteFor(Appearance appearance, bool darkDesktop);

// Qt's dark Windows palette with alternate rows and tooltips in the base's grey instead of the
// accent blue (every other row of a table would look selected) and links readable on it.
QPalette ReadableDarkWindowsPalette(QPalette palette);

// Whether following the desktop takes more than its palette (on Windows, another style and mended
// colours when it is dark), so that a change of its darkness must be applied afresh.
bool DesktopChangeNeedsApplying();

// Gives the application the style and palette of an appearance: the desktop's own for Desktop
// (so that it goes on following the desktop's changes) and for Light on a light desktop, Fusion's
// light one for Light on a dark desktop, Fusion in the dark chart colours for Dark, the desktop's
// style in black on white for High contrast. The desktop's style is remembered on the first call.
// Whether the desktop itself is dark.
bool ApplyAppearance(Appearance appearance);

}  // namespace scrb
