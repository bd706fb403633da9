#pragma once

#include <QFile>
#include <QString>
#include <memory>
#include <stdexcept>

namespace scrb {

// A file that could not be opened or written, with its path and the system's reason.
class LogFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Appends text to a named log file. The file is opened on first need and stays open until
// LogClose; an empty file name means no log, and every write is then ignored.
// Opening or writing may throw LogFileError; only LogReset swallows its failure.
class PLAXLogFile {
 public:
  PLAXLogFile() = default;
  ~PLAXLogFile();
  PLAXLogFile(const PLAXLogFile&) = delete;
  PLAXLogFile& operator=(const PLAXLogFile&) = delete;

  QString FileName() const { return fileName_; }
  // A new path closes the old file and opens the new one (created if missing); the same path
  // leaves the open file alone.
  void SetFileName(const QString& fileName);

  // Writes the text as it is, with no line end.
  void LogString(const QString& text);
  void LogStringFlush(const QString& text);
  // The line variants put the line break before the text.
  void LogStringLN(const QString& text);
  void LogStringLNFlush(const QString& text);
  void LogClose();
  // Closes and deletes the log file; a file that is not there is no error.
  void LogReset();

  bool IsOpen() const { return file_ != nullptr; }

 private:
  void Open();

  QString fileName_;
  std::unique_ptr<QFile> file_;
};

}  // namespace scrb
