#include <QApplication>

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "app/SettingsStore.h"
#include "app/UserDialogs.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Bathyscribe");
  scrb::AppContext context;
  scrb::QtSettingsStore settings;
  scrb::SystemDialogs dialogs;
  scrb::MainWindow form(context, settings, dialogs);
  // A logbook named on the command line is opened as File > Open would, in place of the last one.
  const QStringList arguments = QApplication::arguments();
  const bool logbookNamed = arguments.size() > 1;
  if (!form.StartUp(!logbookNamed)) return 0;
  form.LoadWindow();
  if (logbookNamed) form.OpenLogbook(arguments.at(1));
  return QApplication::exec();
}
