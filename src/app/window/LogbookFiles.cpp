#include "app/window/LogbookFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "app/dialogs/UserDialogs.h"
#include "app/state/LogbookState.h"
#include "app/state/SettingsStore.h"
#include "app/state/WindowSettings.h"
#include "app/views/QtText.h"
#include "logbook/StartupSettings.h"

namespace scrb {

LogbookFiles::LogbookFiles(LogbookState& state, UserDialogs& dialogs, QWidget* window)
    : QObject(window), state_(state), dialogs_(dialogs), window_(window) {}

QStringList LogbookFiles::Dragged(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls()) return {};
  QStringList paths;
  for (const QUrl& url : mime->urls()) {
    const QString path = url.toLocalFile();
    if (!url.isLocalFile() || !path.endsWith(".log", Qt::CaseInsensitive)) return {};
    paths << path;
  }
  return paths;
}

void LogbookFiles::TakeDropped(const QStringList& paths, bool merge) {
  for (const QString& path : paths) merge = Take(path, merge) || merge;
}

// The damage of one read in part was told when it was opened: the status line says it. One that
// has gone is told as the recent list tells it, and the window starts with what could be read.
bool LogbookFiles::RestoreLast() {
  SettingsStore& settings = state_.Settings();
  const LoadSequence restored = state_.TakeInOrder(
      LogbookFilesFromSettings(settings.GetSetting(settings::kLogbookFile, ""),
                               settings.GetSetting(settings::kMergedLogbooks, "")));
  for (const LoadOutcome& load : restored.Loads) {
    if (!load.Taken()) dialogs_.ShowMessage(window_, ToQt(load.Message));
    if (load.Taken() || state_.Session().Files().empty()) emit Status(ToQt(load.Status));
  }
  FillRecentMenu();
  return restored.AllTaken();
}

void LogbookFiles::ChooseAndTake(bool merge) {
  const QString path = dialogs_.ChooseOpenFile(
      window_,
      merge ? QCoreApplication::translate("scrb::MainWindow", "Merge Logbook")
            : QCoreApplication::translate("scrb::MainWindow", "Open Logbook"),
      QCoreApplication::translate("scrb::MainWindow",
                                  "Datatrak log files (*.log);;All files (*.*)"),
      LogbookFolder());
  if (!path.isEmpty()) Take(path, merge);
}

bool LogbookFiles::Take(const QString& path, bool merge) {
  const std::string file = path.toStdString();
  LoadOutcome outcome = merge ? state_.Merge(file) : state_.Open(file);
  if (outcome.Result == LoadResult::AlreadyLoaded) {
    if (!dialogs_.AskYesNo(window_, ToQt(outcome.Message))) return false;
    outcome = state_.Merge(file, true);
  }
  FillRecentMenu();
  if (!outcome.Taken()) {
    // With a logbook on screen its status line stays; with none, it says why the window is empty.
    if (state_.Session().Files().empty()) emit Status(ToQt(outcome.Status));
    dialogs_.ShowMessage(window_, ToQt(outcome.Message));
    return false;
  }
  emit Status(ToQt(outcome.Status));
  if (outcome.Result == LoadResult::Opened) state_.SelectDive(state_.Book().DiveCount() - 1);
  if (outcome.MessageIsWarning) dialogs_.ShowWarning(window_, ToQt(outcome.Message));
  return true;
}

void LogbookFiles::OpenRecent(const QString& path) {
  if (Take(path, false)) return;
  state_.ForgetRecent(path.toStdString());
  FillRecentMenu();
}

void LogbookFiles::SetRecentMenu(QMenu* menu) {
  recentMenu_ = menu;
  FillRecentMenu();
}

void LogbookFiles::FillRecentMenu() {
  if (recentMenu_ == nullptr) return;
  recentMenu_->clear();
  const std::vector<std::string>& recent = state_.Session().Recent();
  for (size_t i = 0; i < recent.size(); ++i) {
    const QString path = ToQt(recent[i]);
    // An ampersand in a file name is a character, not an accelerator.
    const QString caption =
        QString("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path).replace("&", "&&"));
    connect(recentMenu_->addAction(caption), &QAction::triggered, this,
            [this, path] { OpenRecent(path); });
  }
  recentMenu_->setEnabled(!recent.empty());
}

QString LogbookFiles::LogbookFolder() const {
  const std::string& file = state_.Book().LogbookFile;
  return file.empty() ? QString() : QFileInfo(ToQt(file)).absolutePath();
}

}  // namespace scrb
