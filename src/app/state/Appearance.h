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

// Gives the application the style and palette of an appearance: the desktop's own for Desktop
// (so that it goes on following the desktop's changes) and for Light on a light desktop, Fusion's
// light one for Light on a dark desktop, Fusion in the dark chart colours for Dark, the desktop's
// style in black on white for High contrast. The desktop's style is remembered on the first call.
// Whether the desktop itself is dark.
bool ApplyAppearance(Appearance appearance);

}  // namespace scrb
