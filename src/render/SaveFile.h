#pragma once

#include <QString>
#include <functional>
#include <iosfwd>

class QIODevice;

namespace scrb {

// Writes a file through QSaveFile: the content goes to a temporary file beside the target, which
// replaces the target only once all of it is written, so a failure never leaves a broken file
// where a good one was. `write` streams the content and says whether it succeeded. Returns an
// empty text on success, otherwise the reason.
QString SaveFile(const QString& path, const std::function<bool(std::ostream&)>& write);

// The same for a writer that needs a Qt device (a PDF writer). The reason is the one the system
// gave for the first write that failed ("File too large", "No space left on device"), not the
// cancellation that follows it.
QString SaveFileThrough(const QString& path, const std::function<bool(QIODevice&)>& write);

// A process that writes past its file size limit is killed by SIGXFSZ unless it ignores the
// signal; ignored, the write fails with a reason that can be shown. Called at start-up.
void IgnoreFileSizeSignal();

}  // namespace scrb
