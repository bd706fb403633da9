#include <QApplication>
#include <cstdio>

#include "app/dialogs/UserDialogs.h"
#include "app/state/Language.h"
#include "app/state/LogbookState.h"
#include "app/state/SettingsStore.h"
#include "app/window/AppCommandLine.h"
#include "app/window/MainWindow.h"
#include "render/ProgramStart.h"
#include "render/SaveFile.h"

namespace {

int Answer(const scrb::AppCommandLine& line) {
  scrb::WriteAnswer(line.Output, line.OutputIsError() ? stderr : stdout);
  return line.ExitStatus();
}

}  // namespace

int main(int argc, char** argv) {
  // A file size limit reached while saving is a message, not the loss of the open logbook.
  scrb::IgnoreFileSizeSignal();
  // --help, --version and a bad command line are answered before Qt looks for a display, so that
  // they work in a terminal without one.
  QStringList rawArguments;
  for (int i = 0; i < argc; ++i) rawArguments << QString::fromLocal8Bit(argv[i]);
  const scrb::AppCommandLine early = scrb::ParseAppCommandLine(rawArguments);
  if (early.Asked != scrb::AppCommandLine::Request::Run) return Answer(early);

#ifdef _WIN32
  // Qt 6.4 gives the window Windows' dark palette only when asked; Desktop appearance follows it.
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "windows:darkmode=2");
#endif
  QApplication app(argc, argv);
  QApplication::setApplicationName("Bathyscribe");
  // Lets the desktop match the windows to the installed desktop entry and its icon.
  QGuiApplication::setDesktopFileName("bathyscribe");
  // Qt has taken its own options (-platform, -style, ...) out of the arguments by now.
  const scrb::AppCommandLine commandLine = scrb::ParseAppCommandLine(QApplication::arguments());
  if (commandLine.Asked != scrb::AppCommandLine::Request::Run) return Answer(commandLine);

  scrb::QtSettingsStore settings;
  // Before the window, so that every text is made once, in the diver's language.
  scrb::LogbookState state(settings, scrb::DesktopLanguage());
  scrb::SystemDialogs dialogs;
  scrb::MainWindow form(state, dialogs);
  // A logbook named on the command line is opened as File > Open would, in place of the last one.
  const bool logbookNamed = !commandLine.Logbook.isEmpty();
  if (!form.StartUp(!logbookNamed)) return 0;
  form.LoadWindow();
  if (logbookNamed) form.OpenLogbook(commandLine.Logbook);
  return QApplication::exec();
}
