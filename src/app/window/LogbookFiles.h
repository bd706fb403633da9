#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMenu;
class QMimeData;
class QWidget;

namespace scrb {

class LogbookState;
class UserDialogs;

// The window's side of taking logbooks in: the Open and Merge dialogs, the recent list, dropped
// files and the logbooks restored at start, with the messages each load leaves.
class LogbookFiles : public QObject {
  Q_OBJECT
 public:
  LogbookFiles(LogbookState& state, UserDialogs& dialogs, QWidget* window);

  // A file that cannot be read or holds no readable dive is refused with a message and changes
  // nothing; false then.
  bool Take(const QString& path, bool merge);
  void ChooseAndTake(bool merge);
  // Opens the entry, or drops it from the list when it is refused.
  void OpenRecent(const QString& path);
  // The menu the recent logbooks are listed in, filled now and after every load.
  void SetRecentMenu(QMenu* menu);
  // Every file held at the last exit, in order; false when not all of them could be read.
  bool RestoreLast();

  // The logbooks in a drag: every file must be a local .log file, or the drop is refused.
  static QStringList Dragged(const QMimeData* mime);
  // Several are taken in order, as the command-line tool takes its files: the first that is taken
  // opened (or merged, when asked), the others merged behind it.
  void TakeDropped(const QStringList& paths, bool merge);

 signals:
  void Status(const QString& text);

 private:
  void FillRecentMenu();
  // Where the Open and Merge dialogs start: the folder of the logbook on screen.
  QString LogbookFolder() const;

  LogbookState& state_;
  UserDialogs& dialogs_;
  QWidget* window_;
  QMenu* recentMenu_ = nullptr;
};

}  // namespace scrb
