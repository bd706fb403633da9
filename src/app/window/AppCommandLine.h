#pragma once

#include <QString>
#include <QStringList>

namespace scrb {

// What the viewer's command line asks for: to run (with an optional logbook to open), or only to
// print something and leave.
struct AppCommandLine {
  enum class Request { Run, Help, Version, UsageError };
  Request Asked = Request::Run;
  QString Logbook;  // empty: reopen the last logbook
  QString Output;   // what to print for Help, Version and UsageError
  bool OutputIsError() const { return Asked == Request::UsageError; }
  int ExitStatus() const { return Asked == Request::UsageError ? 1 : 0; }
};

// arguments with the program first, as main() or QCoreApplication::arguments() give them; Qt's own
// options are passed over. --help and --version win wherever they stand.
AppCommandLine ParseAppCommandLine(const QStringList& arguments);

}  // namespace scrb
