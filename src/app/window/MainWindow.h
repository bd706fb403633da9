#pragma once

#include <QMainWindow>
#include <QString>
#include <array>

class QAction;
class QLabel;
class QPushButton;
class QSplitter;
class QTabWidget;

namespace scrb {

class DivePage;
class DiveTablePane;
class LogbookExports;
class LogbookFiles;
class LogbookState;
class ReportPrinting;
class ComparisonWindow;
class StatisticsWindow;
class TimeWindow;
class UserDialogs;

// The main window: assembles the dive table, the seven pages of the current dive, the menus and
// the status line, and starts and ends the program. What it shows follows the logbook state.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr int kPageCount = 7;
  // The smallest outer size of the window, in twips: 640 x 480 pixels at 96 dpi, where every
  // page still fits without overlap.
  static constexpr int kMinWidthTwips = 9600;
  static constexpr int kMinHeightTwips = 7200;

  MainWindow(LogbookState& state, UserDialogs& dialogs, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Reads the settings and, unless another logbook is about to be opened, the last logbooks;
  // false when the user refused the disclaimer, and the program must end without saving anything.
  bool StartUp(bool readLastLogbook = true);
  // Restores the window's placement, the page and the dive, and shows the window.
  void LoadWindow();

  // File > Open and Merge with a chosen path; false, with a message, when the file is refused.
  bool OpenLogbook(const QString& path);
  bool MergeLogbook(const QString& path);
  // Logbook > Statistics: the statistics of the dives the table shows, in a window of their own.
  void ShowStatistics();
  // Logbook > Compare Dives: the dives chosen in the table side by side, in a window of their own.
  void CompareDives();
  // Edit > Preferences.
  void ShowPreferences();
  // Saves the settings and ends the program. Closing the window by any means does the same.
  void ExitProgram();

  static QString AboutText();
  // The stretch and ruler that the pages' time charts share.
  TimeWindow& Time() const { return *time_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildWidgets();
  void BuildPages();
  void BuildMenus();
  void BuildShortcuts();
  // Every text of the window anew in the language now installed.
  void Retranslate();
  void ShowOptions();
  void SetCaption();
  void SaveSettings();
  void SetStatus(const QString& text);
  // Compare Dives is open to two to six dives chosen; its tool tip says why it is not.
  void UpdateCompareAction();

  LogbookState& state_;
  UserDialogs& dialogs_;
  TimeWindow* time_ = nullptr;
  DiveTablePane* table_ = nullptr;
  LogbookFiles* files_ = nullptr;
  LogbookExports* exports_ = nullptr;
  ReportPrinting* report_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QTabWidget* diveTab_ = nullptr;
  std::array<DivePage*, kPageCount> pages_{};
  QLabel* statusLabel_ = nullptr;
  QPushButton* exitButton_ = nullptr;
  QPushButton* nextButton_ = nullptr;
  QPushButton* previousButton_ = nullptr;
  StatisticsWindow* statisticsWindow_ = nullptr;
  ComparisonWindow* comparisonWindow_ = nullptr;
  QAction* compareAction_ = nullptr;
  QList<QAction*> windowWideActions_;
  // The saved dive is restored only over the files it was saved with.
  bool restoredSameFiles_ = true;
  bool settingsSaved_ = false;
  bool loading_ = false;
  QSize lastSize_;
};

}  // namespace scrb
