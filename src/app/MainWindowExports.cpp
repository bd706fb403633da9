#include <QClipboard>
#include <QGuiApplication>

#include "app/MainWindow.h"
#include "export/ExportTexts.h"
#include "logbook/Translation.h"

namespace scrb {
namespace {

void PutOnClipboard(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(QString::fromStdString(text));
}

}  // namespace

// The clipboard texts are exports: English whatever the window speaks.
void MainWindow::CopyAllDives() {
  {
    const EnglishTexts english;
    PutOnClipboard(AllDivesText(context_.Book));
  }
  ShowMessage(tr("Dive parameters copied to clipboard"));
}

void MainWindow::CopyDiveProfile() {
  if (!context_.Book.HasCurrentDive()) return;
  AnalysisCache& analysis = context_.Analysis;
  {
    const EnglishTexts english;
    PutOnClipboard(DiveProfileText(analysis.Analysed(context_.Book.CurrentDive), analysis.Model()));
  }
  ShowMessage(tr("Dive data copied to clipboard"));
}

}  // namespace scrb
