// The window's side of the logbook session: the Open and Merge menus, the recent list, dropped
// files, the logbooks restored at start, and what each load leaves in the caption, the status
// line, the list and the settings.

#include <QDir>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>

#include "app/MainWindow.h"
#include "app/SettingsStore.h"
#include "app/UserDialogs.h"
#include "logbook/StartupSettings.h"

namespace scrb {
namespace {

constexpr const char* kFileFilter =
    QT_TRANSLATE_NOOP("scrb::MainWindow", "Datatrak log files (*.log);;All files (*.*)");

QString ToQt(const std::string& text) {
  return QString::fromStdString(text);
}

// The logbooks in a drag: every file must be a local .log file, or the drop is refused.
QStringList DraggedLogbooks(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls()) return {};
  QStringList paths;
  for (const QUrl& url : mime->urls()) {
    const QString path = url.toLocalFile();
    if (!url.isLocalFile() || !path.endsWith(".log", Qt::CaseInsensitive)) return {};
    paths << path;
  }
  return paths;
}

}  // namespace

// Every file held at the last exit, in order. The damage of one read in part was told when it was
// opened: the status line says it. One that has gone is told as the recent list tells it, and
// the window starts with what could be read.
void MainWindow::RestoreLogbooks() {
  const LoadSequence restored = context_.Session.TakeInOrder(
      LogbookFilesFromSettings(settings_.GetSetting(settings::kLogbookFile, ""),
                               settings_.GetSetting(settings::kMergedLogbooks, "")));
  restoredSameFiles_ = restored.AllTaken();
  for (const LoadOutcome& load : restored.Loads) {
    if (!load.Taken()) ShowMessage(ToQt(load.Message));
    if (load.Taken() || context_.Session.Files().empty()) statusLabel_->setText(ToQt(load.Status));
  }
}

void MainWindow::SetCaption() {
  setWindowTitle(ToQt(context_.Session.Caption()));
}

void MainWindow::ChooseAndOpen(bool merge) {
  const QString path = dialogs_.ChooseOpenFile(
      this, merge ? tr("Merge Logbook") : tr("Open Logbook"), tr(kFileFilter), LogbookFolder());
  if (path.isEmpty()) return;
  if (merge)
    MergeLogbook(path);
  else
    OpenLogbook(path);
}

bool MainWindow::OpenLogbook(const QString& path) {
  return TakeLogbook(path, false);
}

bool MainWindow::MergeLogbook(const QString& path) {
  return TakeLogbook(path, true);
}

bool MainWindow::TakeLogbook(const QString& path, bool merge) {
  LogbookSession& session = context_.Session;
  const std::string file = path.toStdString();
  LoadOutcome outcome = merge ? session.Merge(file) : session.Open(file);
  if (outcome.Result == LoadResult::AlreadyLoaded) {
    if (!dialogs_.AskYesNo(this, ToQt(outcome.Message))) return false;
    outcome = session.Merge(file, true);
  }
  if (!outcome.Taken()) {
    // With a logbook on screen its status line stays; with none, it says why the window is empty.
    if (session.Files().empty()) statusLabel_->setText(ToQt(outcome.Status));
    ShowMessage(ToQt(outcome.Message));
    return false;
  }
  SetCaption();
  SaveLogbookFiles();
  RememberRecent();
  SetListEntries();
  statusLabel_->setText(ToQt(outcome.Status));
  if (outcome.Result == LoadResult::Opened) SelectListIndex(ListCount() - 1);
  // A logbook without dives selects nothing, and no list click clears the page of the old one.
  if (!context_.Book.HasCurrentDive()) ShowDive(-1);
  if (outcome.MessageIsWarning) dialogs_.ShowWarning(this, ToQt(outcome.Message));
  return true;
}

void MainWindow::OpenRecentLogbook(const QString& path) {
  if (OpenLogbook(path)) return;
  context_.Session.ForgetRecent(path.toStdString());
  RememberRecent();
}

QStringList MainWindow::RecentLogbooks() const {
  QStringList paths;
  for (const std::string& path : context_.Session.Recent()) paths << ToQt(path);
  return paths;
}

// The files held and the recent list are saved at once: they must survive a crash or a power cut.
void MainWindow::SaveLogbookFiles() {
  const std::vector<std::string>& files = context_.Session.Files();
  settings_.SaveSetting(settings::kLogbookFile, files.empty() ? std::string() : files.front());
  settings_.SaveSetting(settings::kMergedLogbooks, MergedLogbooksSetting(files));
}

void MainWindow::RememberRecent() {
  const std::vector<std::string>& recent = context_.Session.Recent();
  for (int i = 0; i < settings::kRecentLogbookCount; ++i) {
    const size_t at = static_cast<size_t>(i);
    settings_.SaveSetting(settings::RecentLogbookKey(i),
                          at < recent.size() ? recent[at] : std::string());
  }
  FillRecentMenu();
}

void MainWindow::FillRecentMenu() {
  if (recentMenu_ == nullptr) return;
  recentMenu_->clear();
  const std::vector<std::string>& recent = context_.Session.Recent();
  for (size_t i = 0; i < recent.size(); ++i) {
    const QString path = ToQt(recent[i]);
    // An ampersand in a file name is a character, not an accelerator.
    const QString caption =
        QString("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path).replace("&", "&&"));
    connect(recentMenu_->addAction(caption), &QAction::triggered, this,
            [this, path] { OpenRecentLogbook(path); });
  }
  recentMenu_->setEnabled(!recent.empty());
}

// Entering is judged as moving is: the same files, the same answer.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  dragMoveEvent(event);
}

void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
  if (DraggedLogbooks(event->mimeData()).isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
}

// A dropped logbook is opened, or merged with Ctrl held; several are taken in order, as the
// command-line tool takes its files: the first that is taken opened, the others merged behind it.
void MainWindow::dropEvent(QDropEvent* event) {
  const QStringList paths = DraggedLogbooks(event->mimeData());
  if (paths.isEmpty()) {
    event->ignore();
    return;
  }
  event->acceptProposedAction();
  bool merge = event->modifiers().testFlag(Qt::ControlModifier);
  for (const QString& path : paths) merge = TakeLogbook(path, merge) || merge;
}

QString MainWindow::LogbookFolder() const {
  const std::string& file = context_.Book.LogbookFile;
  return file.empty() ? QString() : QFileInfo(QString::fromStdString(file)).absolutePath();
}

}  // namespace scrb
