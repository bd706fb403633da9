#include <QApplication>

#include "app/AppContext.h"
#include "app/ScrbForm.h"
#include "app/SettingsStore.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Bathyscribe");
  scrb::AppContext context;
  scrb::QtSettingsStore settings;
  scrb::ScrbForm form(context, settings);
  if (!form.StartUp()) return 0;
  form.LoadWindow();
  // A logbook named on the command line is opened as File > Open would.
  const QStringList arguments = QApplication::arguments();
  if (arguments.size() > 1) form.OpenLogbook(arguments.at(1));
  return QApplication::exec();
}
