#pragma once

#include <QObject>
#include <QString>
#include <iosfwd>

class QWidget;

namespace scrb {

class AnalysisCache;
class LogbookState;
struct Logbook;
class UserDialogs;

// What leaves the program apart from the report: the clipboard texts, and the logbook as UDDF or
// as a Subsurface logbook.
// They are English and metric whatever the window shows, as exports are.
class LogbookExports : public QObject {
  Q_OBJECT
 public:
  LogbookExports(LogbookState& state, UserDialogs& dialogs, QWidget* window);

  void CopyAllDives();
  void CopyDiveProfile();
  // Every loaded dive into a file the user chooses.
  void ExportUddf();
  void ExportSubsurface();

 signals:
  void Status(const QString& text);

 private:
  using Writer = bool (*)(const Logbook&, AnalysisCache&, std::ostream&);
  void ExportLogbook(const QString& title, const QString& filter, const QString& extension,
                     Writer write);

  LogbookState& state_;
  UserDialogs& dialogs_;
  QWidget* window_;
};

}  // namespace scrb
