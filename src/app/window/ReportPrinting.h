#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QPrinter;
class QProgressDialog;
class QWidget;

namespace scrb {

class DiveReportPainter;
class LogbookState;
class UserDialogs;
struct BackgroundJob;
struct DiveReportJob;
struct LogbookStatistics;

// File > Print and File > Export Dive Report as PDF, of the current dive or every dive, with a
// summary page of the dives the table shows when asked. The PDF is laid out and written off the
// interface thread; a printer is fed a page per turn of the event loop. Either shows its progress
// and can be cancelled, and the window stays responsive meanwhile.
class ReportPrinting : public QObject {
  Q_OBJECT
 public:
  // `shown` gives the dives the table shows and the search that left them, for the summary.
  using ShownDives = std::function<std::pair<std::vector<int>, QString>()>;
  ReportPrinting(LogbookState& state, UserDialogs& dialogs, QWidget* window, ShownDives shown);
  ~ReportPrinting() override;

  void Print();
  void ExportPdf();
  // A report is being made; a second one waits for it.
  bool Busy() const;

 signals:
  void Status(const QString& text);
  // The report under way ended, written, cancelled or failed.
  void Finished();

 private:
  struct Choice;
  struct Run;
  Choice Choose(const QString& title);
  void StartPrinting(std::unique_ptr<QPrinter> printer, const Choice& choice, int first, int last);
  void FeedPrinter();
  void EndPrinting(bool painted);
  QProgressDialog* NewProgress(const QString& text, int pages);

  LogbookState& state_;
  UserDialogs& dialogs_;
  QWidget* window_;
  ShownDives shown_;
  std::unique_ptr<Run> run_;
  std::shared_ptr<BackgroundJob> pdfJob_;
  bool busy_ = false;
};

}  // namespace scrb
