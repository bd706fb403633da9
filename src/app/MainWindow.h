#pragma once

#include <QList>
#include <QMainWindow>
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "app/Language.h"
#include "logbook/LogbookReader.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSplitter;
class QTabWidget;
class QTableView;

namespace scrb {

class DiveFilterModel;
class DivePage;
class DiveTableModel;
class SettingsStore;
class StatisticsWindow;
class UserDialogs;

// The main window: the dive list, the seven pages of the selected dive, navigation, the menus,
// and the start-up and exit of the program.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr int kPageCount = 7;
  // The smallest outer size of the window, in twips: 640 x 480 pixels at 96 dpi, where every
  // page still fits without overlap.
  static constexpr int kMinWidthTwips = 9600;
  static constexpr int kMinHeightTwips = 7200;

  // `desktopLanguage` is what the language setting "" (System) follows; the window is built in
  // the language the settings choose.
  MainWindow(AppContext& context, SettingsStore& settings, UserDialogs& dialogs,
             QWidget* parent = nullptr, const std::string& desktopLanguage = "en");
  ~MainWindow() override;

  // Reads the settings and, unless another logbook is about to be opened, the last logbook;
  // false when the user refused the disclaimer, and the program must end without saving anything.
  bool StartUp(bool readLastLogbook = true);
  // Restores the window's placement, the page and the dive, and shows the window.
  void LoadWindow();

  // File > Open and File > Merge with a chosen path. A file that cannot be read or holds no
  // readable dive is refused with a message and changes nothing; false then.
  bool OpenLogbook(const QString& path);
  bool MergeLogbook(const QString& path);
  // File > Recent Logbooks: opens the entry, or drops it from the list when it is refused.
  void OpenRecentLogbook(const QString& path);
  QStringList RecentLogbooks() const;
  void ApplyDisplayOption(int option);
  // Edit > Preferences' units: saved at once; the table, the page, its readouts and an open
  // statistics window show the new units, on the same dive and page.
  void SetUnits(UnitSystem units);

  void ShowDive(int index);
  // The dive list is the dive table: a list index is a dive's place in the logbook (Dives[i]),
  // whatever the table's order. Selecting a dive the search hides clears the search first.
  void SelectListIndex(int index);
  int ListIndex() const;
  int ListCount() const;
  // Previous and Next step through the rows as shown, sorted and searched.
  void NextDive();
  void PreviousDive();
  // Edit > Go to Dive: selects the first dive with the number; false, with a message, when none
  // has it.
  bool GoToDiveNumber(int number);

  // What a window over the dives shown (statistics) reads and sets. ShownDivesChanged is emitted
  // once the rows shown or their order have changed: a search, a sort, a logbook taken in.
  // The list indices of the dives the table shows, in the order shown.
  std::vector<int> ShownDives() const;
  QString SearchText() const;
  void SetSearchText(const QString& text);
  // Only these dives (list indices), as far as the search lets them through, until
  // ShowAllDives, Escape in the table or the search field, or another logbook.
  void ShowOnlyDives(const std::vector<int>& dives);
  void ShowAllDives();
  // Clears the search and shows every dive again.
  void ClearSearch();

  void CopyAllDives();
  void CopyDiveProfile();
  // File > Print and File > Export Dive Report as PDF, of the current dive or every dive.
  void PrintReport();
  void ExportReportPdf();
  // File > Export Logbook as UDDF: every loaded dive into a file the user chooses.
  void ExportUddf();
  // Logbook > Statistics: the statistics of the dives the list shows, in a window of their own.
  void ShowStatistics();
  StatisticsWindow* Statistics() const { return statisticsWindow_; }
  // Saves the settings and ends the program. Closing the window by any means does the same.
  void ExitProgram();

  static QString AboutText();

  // Edit > Preferences: the language and the units.
  void ShowPreferences();
  // Saves the language setting ("" for the desktop's) and shows every text in that language at
  // once, keeping the dive, the page, the table's order and search, and the loaded logbooks.
  void SetLanguage(const std::string& setting);
  // The language the window speaks: "en", "de", "fr" or "it".
  std::string Language() const { return language_.Current(); }

  QTableView* DiveList() const { return diveList_; }
  QLineEdit* SearchField() const { return searchField_; }
  DiveTableModel* TableModel() const { return tableModel_; }
  QSplitter* Splitter() const { return splitter_; }
  QMenu* RecentMenu() const { return recentMenu_; }
  QTabWidget* DiveTab() const { return diveTab_; }
  QLabel* StatusLabel() const { return statusLabel_; }
  DivePage* Page(int index) const { return pages_[static_cast<size_t>(index)]; }
  int ShowCount() const { return showCount_; }

 signals:
  void ShownDivesChanged();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  // Every text of the window anew in the installed language.
  void Retranslate();
  void BuildPages();
  void RetranslateTable();
  void BuildShortcuts();
  void BuildWidgets();
  bool TakeLogbook(const QString& path, bool merge);
  void RestoreLogbooks();
  void SaveLogbookFiles();
  void RememberRecent();
  void FillRecentMenu();
  void KeepSelectionInView();
  void ChooseAndOpen(bool merge);
  void ShowOptions();
  void SetCaption();
  void SaveSettings();
  void SetListEntries();
  QWidget* BuildTable(QWidget* parent);
  void ShowColumnMenu(const QPoint& at);
  void RestoreTableHeader();
  // After the rows shown changed: the pages keep the dive they show, the table selects it when
  // it is shown, the status line counts the rows.
  void AfterFilterChanged();
  void FilterRows(const std::function<void()>& change);
  void NoteShownDivesChanged();
  void AskGoToDive();
  // The statistics window, when open, follows the dives shown.
  void UpdateStatisticsScope();
  // The list's selection moved to `row` (-1: none).
  void ShowListedDive(int row);
  void StepDive(int step);
  void ShowChosenPage(int index);
  void ScheduleRedraw();
  void ShowMessage(const QString& text);
  // Where the Open and Merge dialogs start: the folder of the logbook on screen.
  QString LogbookFolder() const;
  int SavedPixels(const char* key, int low, int high) const;

  AppContext& context_;
  SettingsStore& settings_;
  UserDialogs& dialogs_;
  QSplitter* splitter_ = nullptr;
  QTableView* diveList_ = nullptr;
  QWidget* listPane_ = nullptr;
  QLineEdit* searchField_ = nullptr;
  QLabel* analysisLabel_ = nullptr;
  DiveTableModel* tableModel_ = nullptr;
  DiveFilterModel* filterModel_ = nullptr;
  bool shownChangePending_ = false;
  QTabWidget* diveTab_ = nullptr;
  QLabel* statusLabel_ = nullptr;
  QPushButton* exitButton_ = nullptr;
  QPushButton* nextButton_ = nullptr;
  QPushButton* previousButton_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  // The saved dive is restored only over the files it was saved with.
  bool restoredSameFiles_ = true;
  bool settingsSaved_ = false;
  QAction* exportUddfAction_ = nullptr;
  std::array<DivePage*, kPageCount> pages_{};
  int shownTab_ = 0;
  bool loading_ = false;
  int lastWidth_ = 0;
  int lastHeight_ = 0;
  bool redrawPending_ = false;
  int showCount_ = 0;
  StatisticsWindow* statisticsWindow_ = nullptr;
  LanguageInstaller language_;
  std::string desktopLanguage_;
};

}  // namespace scrb
