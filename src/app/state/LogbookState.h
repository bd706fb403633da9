#pragma once

#include <QFuture>
#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/state/Appearance.h"
#include "app/state/Language.h"
#include "app/state/SettingChanges.h"
#include "overview/Statistics.h"
#include "report/Units.h"
#include "session/LogbookSession.h"

namespace scrb {

class SettingsStore;

// Background work over the logbook's dives. It stops at the next dive once Cancelled is set.
struct BackgroundJob {
  std::atomic<bool> Cancelled{false};
  std::atomic<size_t> Done{0};
  std::atomic<size_t> Total{0};
  QFuture<void> Future;
};

// The open logbooks and everything that changes a figure or a picture: the session with its
// dives and current dive, the analysis derived from them, the units, the language, the
// appearance, the model, the repetitive option and the surface pressures. It alone changes them,
// and announces each change once; the window's views follow its signals and never change any of it
// themselves.
class LogbookState : public QObject {
  Q_OBJECT
 public:
  // `desktopLanguage` is what the language setting "" (System) follows.
  LogbookState(SettingsStore& settings, std::string desktopLanguage, QObject* parent = nullptr);
  ~LogbookState() override;

  const Logbook& Book() const { return session_.Store(); }
  const LogbookSession& Session() const { return session_; }
  // Views read the analysis (its parts are computed on first use); its settings change only here.
  AnalysisCache& Analysis() { return session_.Analysis(); }
  SettingsStore& Settings() { return settings_; }
  UnitSystem Units() const { return units_; }
  Appearance ChosenAppearance() const { return appearance_; }
  // The colours every chart of the window is drawn in; paper keeps the classic ones.
  const Palette& ChartPalette() const { return ChartPaletteFor(appearance_, darkDesktop_); }
  // The language the window speaks: "en", "de", "fr" or "it".
  const std::string& Language() const { return language_.Current(); }
  int CurrentDive() const { return session_.CurrentDive(); }
  const DiveRecord* Current() const { return Book().DiveAt(CurrentDive()); }

  // The saved units, appearance, model, repetitive option, display option and recent logbooks; the
  // language is installed when the state is made, so that every text is built once, in it.
  void ReadSettings();

  // File > Open and Merge, and a restore. A taken file replaces or adds dives: the work under way
  // on the old dives is cancelled first, and LogbookChanged follows.
  LoadOutcome Open(const std::string& path);
  LoadOutcome Merge(const std::string& path, bool again = false);
  LoadSequence TakeInOrder(const std::vector<std::string>& paths);
  // Dives that come from elsewhere than a file (a benchmark, a test) replace those held, as an
  // open does, and the last becomes current.
  void Replace(std::vector<DiveRecord> dives);
  void ForgetRecent(const std::string& path);
  // False when the option is in force already; the dive list entries change with it.
  bool SetDisplayOption(int option);

  void SelectDive(int index);

  // The samples of the current dive; 0 without one.
  int32_t CurrentSampleCount();

  // Each saves its setting and announces the change, unless nothing changes.
  void SetUnits(UnitSystem units);
  // "" follows the desktop; an unknown value is kept as saved and means the same.
  void SetLanguage(const std::string& setting);
  // Also gives the application the appearance's style and palette.
  void SetAppearance(Appearance appearance);
  void SetModel(int number);
  void SetRepetitive(bool on);
  // One dive's surface pressure in place of its altitude class's, for as long as this logbook is
  // open. False when that pressure is in force already.
  bool SetSurfacePressure(int dive, double pressure);

  // Every dive's summary, worked out in the background after each change of the dives or of a
  // setting that changes them: dives done and all.
  std::pair<size_t, size_t> SummaryProgress() const;

  // Sums up the given dives (list indices) off the interface thread; `done` receives metric
  // statistics on the interface thread, as long as `receiver` lives and the job was not
  // cancelled. A change of the dives cancels every job; the caller starts anew on the signal.
  std::shared_ptr<BackgroundJob> SumUp(std::vector<int> dives, StatisticsGrouping grouping,
                                       QObject* receiver,
                                       std::function<void(LogbookStatistics)> done);
  // Runs `work` off the interface thread; it must stop soon after the job is cancelled, and is
  // cancelled and waited for before the dives change.
  using BackgroundWork = std::function<void(const std::shared_ptr<BackgroundJob>&)>;
  std::shared_ptr<BackgroundJob> Run(BackgroundWork work);

 signals:
  // The dives were replaced or added, or their list entries changed.
  void LogbookChanged();
  // Each dive's summary as the background work gets through them.
  void AnalysisProgressed(int done, int total);
  // A view asks Invalidated(what) what to renew.
  void SettingsChanged(scrb::SettingChanges what);
  void CurrentDiveChanged(int index);

 private:
  // The files held and the recent list are saved at once: they must survive a crash or a power
  // cut.
  void SaveFiles();
  void AfterLoad(const LoadOutcome& outcome);
  // Before the dives change: nothing may go on reading the old ones.
  void StopWork();
  // After the dives or a setting they depend on changed.
  void RestartSummaries();
  // Desktop follows the desktop's palette: a change between light and dark redraws the charts.
  bool eventFilter(QObject* watched, QEvent* event) override;

  SettingsStore& settings_;
  std::string desktopLanguage_;
  LogbookSession session_;
  LanguageInstaller language_;
  UnitSystem units_ = UnitSystem::Metric;
  Appearance appearance_ = Appearance::Desktop;
  bool darkDesktop_ = false;
  bool applyingAppearance_ = false;
  std::vector<std::shared_ptr<BackgroundJob>> jobs_;
  std::shared_ptr<BackgroundJob> summaries_;
};

}  // namespace scrb
