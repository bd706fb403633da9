#pragma once

#include <QString>
#include <functional>
#include <iosfwd>

namespace scrb {

// Writes a file through QSaveFile: the content goes to a temporary file beside the target, which
// replaces the target only once all of it is written, so a failure never leaves a broken file
// where a good one was. `write` streams the content and says whether it succeeded. Returns an
// empty text on success, otherwise the reason.
QString SaveFile(const QString& path, const std::function<bool(std::ostream&)>& write);

}  // namespace scrb
