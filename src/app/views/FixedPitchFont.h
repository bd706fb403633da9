#pragma once

#include <QFont>
#include <initializer_list>

namespace scrb {

// The first of the families that is installed and truly fixed-pitch, else the system's own
// fixed-pitch font: texts padded with blanks (the dive list's entries, the raw dump) line up on
// Linux and on Windows alike, whichever fonts each has.
QFont FixedPitchFont(std::initializer_list<const char*> families);

// The dive list's entries: DejaVu Sans Mono on Linux, Consolas on Windows.
inline QFont EntryFont() {
  return FixedPitchFont({"DejaVu Sans Mono", "Consolas", "Liberation Mono", "Courier New"});
}

}  // namespace scrb
