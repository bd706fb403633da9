#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace scrb {

class LogbookState;
class UserDialogs;

// What leaves the program apart from the report: the clipboard texts and the logbook as UDDF.
// They are English and metric whatever the window shows, as exports are.
class LogbookExports : public QObject {
  Q_OBJECT
 public:
  LogbookExports(LogbookState& state, UserDialogs& dialogs, QWidget* window);

  void CopyAllDives();
  void CopyDiveProfile();
  // Every loaded dive into a file the user chooses.
  void ExportUddf();

 signals:
  void Status(const QString& text);

 private:
  LogbookState& state_;
  UserDialogs& dialogs_;
  QWidget* window_;
};

}  // namespace scrb
