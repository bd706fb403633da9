#include "app/window/LogbookExports.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QWidget>

#include "app/dialogs/UserDialogs.h"
#include "app/state/LogbookState.h"
#include "export/ExportTexts.h"
#include "export/SubsurfaceWriter.h"
#include "export/UddfWriter.h"
#include "logbook/Translation.h"
#include "render/SaveFile.h"

namespace scrb {
namespace {

void PutOnClipboard(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(QString::fromStdString(text));
}

}  // namespace

LogbookExports::LogbookExports(LogbookState& state, UserDialogs& dialogs, QWidget* window)
    : QObject(window), state_(state), dialogs_(dialogs), window_(window) {}

void LogbookExports::CopyAllDives() {
  {
    const EnglishTexts english;
    PutOnClipboard(AllDivesText(state_.Book()));
  }
  dialogs_.ShowMessage(window_, QCoreApplication::translate("scrb::MainWindow",
                                                            "Dive parameters copied to clipboard"));
}

void LogbookExports::CopyDiveProfile() {
  if (!state_.Book().HasCurrentDive()) return;
  AnalysisCache& analysis = state_.Analysis();
  {
    const EnglishTexts english;
    PutOnClipboard(DiveProfileText(analysis.Analysed(state_.CurrentDive()), analysis.Model()));
  }
  dialogs_.ShowMessage(
      window_, QCoreApplication::translate("scrb::MainWindow", "Dive data copied to clipboard"));
}

void LogbookExports::ExportUddf() {
  ExportLogbook(QCoreApplication::translate("scrb::MainWindow", "Export Logbook as UDDF"),
                QCoreApplication::translate("scrb::MainWindow", "UDDF files (*.uddf)"), "uddf",
                WriteUddf);
}

void LogbookExports::ExportSubsurface() {
  ExportLogbook(QCoreApplication::translate("scrb::MainWindow", "Export Logbook to Subsurface"),
                QCoreApplication::translate("scrb::MainWindow", "Subsurface files (*.ssrf)"),
                "ssrf", WriteSubsurface);
}

void LogbookExports::ExportLogbook(const QString& title, const QString& filter,
                                   const QString& extension, Writer write) {
  const Logbook& book = state_.Book();
  if (book.DiveCount() == 0) return;
  // The dialog offers the logbook's own name beside it, with the export's extension.
  const QFileInfo logbook(QString::fromStdString(book.LogbookFile));
  const QString suggested =
      book.LogbookFile.empty()
          ? QString()
          : logbook.absoluteDir().filePath(logbook.completeBaseName() + "." + extension);
  QString path = dialogs_.ChooseSaveFile(window_, title, filter, suggested);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += "." + extension;
  const QString reason = SaveFile(path, [this, &book, write](std::ostream& out) {
    const EnglishTexts english;
    return write(book, state_.Analysis(), out);
  });
  if (!reason.isEmpty()) {
    dialogs_.ShowMessage(window_, QString::fromStdString(
                                      UddfFailedMessage(path.toStdString(), reason.toStdString())));
    return;
  }
  emit Status(QString::fromStdString(UddfExportedText(book.DiveCount(), path.toStdString())));
}

}  // namespace scrb
