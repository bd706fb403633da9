#pragma once

#include <QString>
#include <optional>

class QPrinter;
class QWidget;

namespace scrb {

// Which dives a printed or exported report shows.
// A summary page of the logbook (the dives the table shows) may come before the dive pages.
enum class ReportScope {
  Cancelled,
  CurrentDive,
  AllDives,
  SummaryAndCurrentDive,
  SummaryAndAllDives
};

// Everything the main window asks of the user or of the desktop outside its own widgets. The
// window gets it injected, as it gets its settings store: the program passes SystemDialogs, the
// tests a scripted stand-in that answers without a screen.
class UserDialogs {
 public:
  virtual ~UserDialogs() = default;

  // The notice shown before anything is read: -1 when refused, otherwise its check box value.
  virtual int RunDisclaimer(QWidget* parent) = 0;
  // A file to read, or an empty text when the user cancelled. `folder` is where the dialog starts.
  virtual QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& folder) = 0;
  // A file to write, or an empty text when the user cancelled. `suggested` names a path to start
  // at.
  virtual QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& suggested) = 0;
  // A PDF file to write, offered as `name`.pdf beside the logbook file (in the home folder when
  // there is none); ".pdf" is added when the user left it off. Empty when the user cancelled.
  QString ChoosePdfPath(QWidget* parent, const QString& title, const QString& logbookFile,
                        const QString& name);
  // A message box with the program's title and an OK button.
  virtual void ShowMessage(QWidget* parent, const QString& text) = 0;
  // The dive on screen or every loaded dive; the first is offered only when a dive is selected.
  virtual ReportScope ChooseReportScope(QWidget* parent, const QString& title, bool currentDive,
                                        int diveCount) = 0;
  // The platform's print dialog for a document of `pageCount` pages; false when cancelled.
  virtual bool RunPrintDialog(QWidget* parent, QPrinter& printer, int pageCount) = 0;
  // The same with a warning icon: for a logbook that was read only in part.
  virtual void ShowWarning(QWidget* parent, const QString& text) = 0;
  // A question with Yes and No buttons, No the default; true for Yes.
  virtual bool AskYesNo(QWidget* parent, const QString& question) = 0;
  // Edit > Go to Dive: a dive number, starting at `proposed`, or nothing when the user cancelled.
  virtual std::optional<int> AskDiveNumber(QWidget* parent, int proposed) = 0;
  virtual void Beep() = 0;
  // Ends the event loop once Exit has saved the settings.
  virtual void Quit() = 0;
};

// The real dialogs of the desktop.
class SystemDialogs : public UserDialogs {
 public:
  int RunDisclaimer(QWidget* parent) override;
  QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& filter,
                         const QString& folder) override;
  QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& filter,
                         const QString& suggested) override;
  void ShowMessage(QWidget* parent, const QString& text) override;
  ReportScope ChooseReportScope(QWidget* parent, const QString& title, bool currentDive,
                                int diveCount) override;
  bool RunPrintDialog(QWidget* parent, QPrinter& printer, int pageCount) override;
  void ShowWarning(QWidget* parent, const QString& text) override;
  bool AskYesNo(QWidget* parent, const QString& question) override;
  std::optional<int> AskDiveNumber(QWidget* parent, int proposed) override;
  void Beep() override;
  void Quit() override;
};

}  // namespace scrb
