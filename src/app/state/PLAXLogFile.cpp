#include "app/state/PLAXLogFile.h"

namespace scrb {

namespace {

LogFileError Failure(const QString& what, const QFile& file) {
  return LogFileError(
      QStringLiteral("%1 %2: %3").arg(what, file.fileName(), file.errorString()).toStdString());
}

}  // namespace

PLAXLogFile::~PLAXLogFile() {
  LogClose();
  fileName_.clear();
}

void PLAXLogFile::SetFileName(const QString& fileName) {
  if (fileName == fileName_) return;
  LogClose();
  fileName_ = fileName;
  if (!fileName_.isEmpty()) Open();
}

void PLAXLogFile::Open() {
  auto file = std::make_unique<QFile>(fileName_);
  // No text mode: the line breaks are written as given, CR LF included.
  if (!file->open(QIODevice::WriteOnly | QIODevice::Append))
    throw Failure(QStringLiteral("Cannot open log file"), *file);
  file_ = std::move(file);
}

void PLAXLogFile::LogString(const QString& text) {
  if (fileName_.isEmpty()) return;
  if (!file_) Open();
  const QByteArray bytes = text.toUtf8();
  // Flushed at once, so that a log read while the program runs, or after it died, is complete.
  if (file_->write(bytes) != bytes.size() || !file_->flush()) {
    const LogFileError error = Failure(QStringLiteral("Cannot write log file"), *file_);
    LogClose();
    throw error;
  }
}

void PLAXLogFile::LogStringFlush(const QString& text) {
  LogString(text);
  LogClose();
}

void PLAXLogFile::LogStringLN(const QString& text) {
  LogString(QStringLiteral("\r\n") + text);
}

void PLAXLogFile::LogStringLNFlush(const QString& text) {
  LogStringLN(text);
  LogClose();
}

void PLAXLogFile::LogClose() {
  if (!file_) return;
  file_->close();
  file_.reset();
}

void PLAXLogFile::LogReset() {
  LogClose();
  if (!fileName_.isEmpty()) QFile::remove(fileName_);
}

}  // namespace scrb
