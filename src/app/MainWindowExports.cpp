#include <QClipboard>
#include <QGuiApplication>

#include "app/MainWindow.h"
#include "export/ExportTexts.h"

namespace scrb {
namespace {

void PutOnClipboard(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(QString::fromStdString(text));
}

}  // namespace

void MainWindow::CopyAllDives() {
  PutOnClipboard(AllDivesText(context_.Book));
  ShowMessage(QString::fromUtf8(kAllDivesCopiedMessage.data(),
                                static_cast<int>(kAllDivesCopiedMessage.size())));
}

void MainWindow::CopyDiveProfile() {
  if (!context_.Book.HasCurrentDive()) return;
  AnalysisCache& analysis = context_.Analysis;
  PutOnClipboard(DiveProfileText(analysis.Analysed(context_.Book.CurrentDive), analysis.Model()));
  ShowMessage(QString::fromUtf8(kProfileCopiedMessage.data(),
                                static_cast<int>(kProfileCopiedMessage.size())));
}

}  // namespace scrb
