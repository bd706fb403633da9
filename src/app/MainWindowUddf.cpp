#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include "app/MainWindow.h"
#include "app/UserDialogs.h"
#include "export/UddfWriter.h"
#include "logbook/Translation.h"
#include "render/SaveFile.h"

namespace scrb {

void MainWindow::ExportUddf() {
  const Logbook& book = context_.Book;
  if (book.DiveCount() == 0) return;
  // The dialog offers the logbook's own name beside it, as .uddf.
  const QFileInfo logbook(QString::fromStdString(book.LogbookFile));
  const QString suggested =
      book.LogbookFile.empty()
          ? QString()
          : logbook.absoluteDir().filePath(logbook.completeBaseName() + ".uddf");
  QString path = dialogs_.ChooseSaveFile(this, tr("Export Logbook as UDDF"),
                                         tr("UDDF files (*.uddf)"), suggested);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += ".uddf";
  const QString reason = SaveFile(path, [this, &book](std::ostream& out) {
    // UDDF is English and SI whatever the window shows.
    const EnglishTexts english;
    return WriteUddf(book, context_.Analysis, out);
  });
  if (!reason.isEmpty()) {
    ShowMessage(
        QString::fromStdString(UddfFailedMessage(path.toStdString(), reason.toStdString())));
    return;
  }
  statusLabel_->setText(
      QString::fromStdString(UddfExportedText(book.DiveCount(), path.toStdString())));
}

}  // namespace scrb
