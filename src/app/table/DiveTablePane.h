#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "app/views/CoalescedCall.h"

class QLabel;
class QLineEdit;
class QToolButton;
class QTableView;

namespace scrb {

class DiveFilterModel;
class DiveTableModel;
class LogbookState;
class UserDialogs;

// The dive table with its search field: the whole logbook, sorted and searched, with the columns
// chosen from the header. A row clicked makes its dive the current one; the current dive is
// selected whenever it is among the rows shown. A list index is a dive's place in the logbook
// (Dives[i]), whatever the table's order.
class DiveTablePane : public QWidget {
  Q_OBJECT
 public:
  DiveTablePane(LogbookState& state, UserDialogs& dialogs, QWidget* parent = nullptr);

  // The header as the last run left it; a saved header that does not fit the columns of this
  // version is left aside for the defaults.
  void RestoreHeader();
  void SaveHeader();

  // Selecting a dive the search hides clears the search first.
  void SelectListIndex(int index);
  int ListIndex() const;
  int ListCount() const;
  // Previous and Next step through the rows as shown, sorted and searched.
  void StepDive(int step);
  // Edit > Go to Dive: asks for a number, proposing the current dive's.
  void AskGoToDive();
  // Selects the first dive with the number; false, with a message, when none has it.
  bool GoToDiveNumber(int number);
  void FocusSearch();

  // The list indices of the dives shown, in the order shown.
  std::vector<int> ShownDives() const;
  // The list indices of the rows chosen (Ctrl+click, Shift+click), in the order shown.
  std::vector<int> SelectedDives() const;
  QString SearchText() const;
  void SetSearchText(const QString& text);
  // Only these dives, as far as the search lets them through, until ShowAllDives, Escape in the
  // table or the search field, or another logbook. `label` says which they are ("Site: TZT"); it
  // stands beside the search with a button that shows every dive again.
  void ShowOnlyDives(const std::vector<int>& dives, const QString& label);
  void ShowAllDives();
  // Clears the search and shows every dive again.
  void ClearSearch();
  // How many rows are shown of all, or the logbook's own status when every dive is.
  QString CountText() const;
  bool Filtered() const;

 signals:
  // The rows shown or their order changed: a search, a sort, a logbook taken in. Told once per
  // turn of the event loop, however many rows moved.
  void ShownDivesChanged();
  // Rows were chosen or let go.
  void SelectedDivesChanged();
  // The count of rows shown changed; the status line says it.
  void CountChanged(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Retranslate();
  // After the rows shown changed: the table selects the current dive when it is shown, and the
  // count follows.
  void AfterFilterChanged();
  void ShowOnlyBar();
  void FilterRows(const std::function<void()>& change);
  void KeepSelectionInView();
  void SelectCurrent();

  LogbookState& state_;
  UserDialogs& dialogs_;
  QLineEdit* searchField_ = nullptr;
  QTableView* table_ = nullptr;
  QLabel* analysisLabel_ = nullptr;
  QWidget* onlyBar_ = nullptr;
  QLabel* onlyLabel_ = nullptr;
  QToolButton* onlyClear_ = nullptr;
  QString onlyText_;
  DiveTableModel* model_ = nullptr;
  DiveFilterModel* filter_ = nullptr;
  bool countShown_ = false;
  CoalescedCall shownDivesChanged_{this, [this] { emit ShownDivesChanged(); }};
  // After a sort or a resize, once the table has laid its rows out anew.
  CoalescedCall keepSelectionInView_{this, [this] { KeepSelectionInView(); }};
};

}  // namespace scrb
