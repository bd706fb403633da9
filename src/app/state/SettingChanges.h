#pragma once

#include <QFlags>

namespace scrb {

// What a settings change touched.
enum class SettingChange {
  Units = 1,
  Language = 2,
  Model = 4,
  Repetitive = 8,
  SurfacePressure = 16,
  Appearance = 32,
};
Q_DECLARE_FLAGS(SettingChanges, SettingChange)
Q_DECLARE_OPERATORS_FOR_FLAGS(SettingChanges)

// The parts of what a view shows that a change can make stale. A view renews only the parts that
// Invalidated names; it never decides for itself what a setting affects, so that no view throws
// away work that is still good or keeps what is not.
enum class ShownPart {
  // What the analysis works out: each dive's summary, the over-saturations, the air estimates and
  // every figure built on them (statistics, comparison).
  Figures = 1,
  // The unit each measurement reads in, and the axes that tick at its round values.
  Units = 2,
  // The words: captions, headers, month names and the trip names made with them.
  Texts = 4,
  // The colours and line widths of charts, keys and swatches.
  Colours = 8,
};
Q_DECLARE_FLAGS(ShownParts, ShownPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(ShownParts)

ShownParts Invalidated(SettingChanges changes);

}  // namespace scrb
