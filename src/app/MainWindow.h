#pragma once

#include <QMainWindow>
#include <QString>
#include <array>

#include "app/AppContext.h"
#include "logbook/LogbookReader.h"

class QAction;
class QLabel;
class QListView;
class QPushButton;
class QStringListModel;
class QTabWidget;

namespace scrb {

class DivePage;
class SettingsStore;
class UserDialogs;

// The main window: the dive list, the seven pages of the selected dive, navigation, the menus,
// and the start-up and exit of the program.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr int kPageCount = 7;
  // The smallest outer size of the window, in twips.
  static constexpr int kMinWidthTwips = 4600;
  static constexpr int kMinHeightTwips = 5300;

  MainWindow(AppContext& context, SettingsStore& settings, UserDialogs& dialogs,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // Reads the settings and, unless another logbook is about to be opened, the last logbook;
  // false when the user refused the disclaimer, and the program must end without saving anything.
  bool StartUp(bool readLastLogbook = true);
  // Restores the window's placement, the page and the dive, and shows the window.
  void LoadWindow();

  // File > Open and File > Merge with a chosen path.
  void OpenLogbook(const QString& path);
  void MergeLogbook(const QString& path);
  void ApplyDisplayOption(int option);

  void ShowDive(int index);
  void SelectListIndex(int index);
  int ListIndex() const;
  int ListCount() const;
  void NextDive();
  void PreviousDive();

  void CopyAllDives();
  void CopyDiveProfile();
  // File > Export Logbook as UDDF: every loaded dive into a file the user chooses.
  void ExportUddf();
  // Saves the settings and ends the program.
  void ExitProgram();

  static QString AboutText();

  QListView* DiveList() const { return diveList_; }
  QTabWidget* DiveTab() const { return diveTab_; }
  QLabel* StatusLabel() const { return statusLabel_; }
  DivePage* Page(int index) const { return pages_[static_cast<size_t>(index)]; }
  int ShowCount() const { return showCount_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildMenus();
  void BuildWidgets();
  void ChooseAndOpen(bool merge);
  void ShowOptions();
  void SetCaption();
  void ReportRead(const ReadOutcome& outcome);
  void SetListEntries(int from);
  void DiveListClick(int row);
  void TabChanged(int index);
  void ScheduleRedraw();
  void ShowMessage(const QString& text);
  // Where the Open and Merge dialogs start: the folder of the logbook on screen.
  QString LogbookFolder() const;
  int SavedPixels(const char* key, int low, int high) const;

  AppContext& context_;
  SettingsStore& settings_;
  UserDialogs& dialogs_;
  QListView* diveList_ = nullptr;
  QStringListModel* listModel_ = nullptr;
  QTabWidget* diveTab_ = nullptr;
  QLabel* statusLabel_ = nullptr;
  QPushButton* exitButton_ = nullptr;
  QPushButton* nextButton_ = nullptr;
  QPushButton* previousButton_ = nullptr;
  QAction* exportUddfAction_ = nullptr;
  std::array<DivePage*, kPageCount> pages_{};
  int shownTab_ = 0;
  bool loading_ = false;
  int lastWidth_ = 0;
  int lastHeight_ = 0;
  bool redrawPending_ = false;
  int showCount_ = 0;
};

// Creates the page of the tab strip at the given index.
DivePage* CreateDivePage(int index, AppContext& context, QWidget* parent);

}  // namespace scrb
