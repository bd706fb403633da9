#include "app/window/AppCommandLine.h"

#include "Version.h"

namespace scrb {
namespace {

const char* const kAppUsage =
    "Usage: bathyscribe [LOGBOOK]\n"
    "\n"
    "Views the dive logbooks (.log files) of the Datatrak PC logging software.\n"
    "LOGBOOK is opened as File > Open would; without it the last logbook is reopened.\n"
    "\n"
    "Options:\n"
    "  -h, --help     this text\n"
    "  --version      the program's version\n"
    "\n"
    "Qt's own options (-platform NAME, -style NAME, -reverse, ...) are accepted too.\n";

bool IsOption(const QString& argument) {
  return argument.size() > 1 && argument.startsWith('-');
}

// Qt's own options, as QGuiApplication and QApplication document them. They are known before Qt
// has taken them out of the arguments, so that an unknown option is refused before Qt looks for a
// display (without one it would abort). Returns how many arguments the option takes after it, or
// -1 when it is not Qt's.
int QtOptionValueCount(const QString& argument) {
  static const QStringList withValue = {
      "platform",        "platformpluginpath", "platformtheme", "plugin",
      "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
      "display",         "geometry",           "title",         "icon",
      "style",           "stylesheet"};
  static const QStringList flags = {"reverse", "widgetcount", "nograb",
                                    "dograb",  "sync",        "qmljsdebugger"};
  QString name = argument.mid(argument.startsWith("--") ? 2 : 1);
  const qsizetype equals = name.indexOf('=');
  if (equals >= 0) name.truncate(equals);
  if (withValue.contains(name)) return equals >= 0 ? 0 : 1;
  if (flags.contains(name)) return 0;
  return -1;
}

}  // namespace

AppCommandLine ParseAppCommandLine(const QStringList& arguments) {
  AppCommandLine line;
  QString problem;
  QStringList logbooks;
  bool optionsEnded = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    if (optionsEnded || !IsOption(argument)) {
      logbooks << argument;
    } else if (argument == "--") {
      optionsEnded = true;
    } else if (argument == "--help" || argument == "-h") {
      line.Asked = AppCommandLine::Request::Help;
    } else if (argument == "--version") {
      if (line.Asked != AppCommandLine::Request::Help) {
        line.Asked = AppCommandLine::Request::Version;
      }
    } else if (const int values = QtOptionValueCount(argument); values >= 0) {
      i += values;
    } else if (problem.isEmpty()) {
      problem = QString("unknown option \"%1\"").arg(argument);
    }
  }
  if (line.Asked == AppCommandLine::Request::Help) {
    line.Output = kAppUsage;
  } else if (line.Asked == AppCommandLine::Request::Version) {
    line.Output = QString("bathyscribe %1\n").arg(kVersion);
  } else {
    if (problem.isEmpty() && logbooks.size() > 1)
      problem = "only one logbook can be opened at a time";
    if (!problem.isEmpty()) {
      line.Asked = AppCommandLine::Request::UsageError;
      line.Output = QString("bathyscribe: %1\n\n%2").arg(problem, kAppUsage);
    } else if (!logbooks.isEmpty()) {
      line.Logbook = logbooks.first();
    }
  }
  return line;
}

}  // namespace scrb
