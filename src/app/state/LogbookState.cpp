#include "app/state/LogbookState.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>

#include "app/state/SettingsStore.h"
#include "app/state/WindowSettings.h"
#include "logbook/StartupSettings.h"
#include "report/NumberFormat.h"

namespace scrb {
namespace {

// Often enough for the table's columns to fill in visibly, rarely enough not to flood the window.
constexpr auto kProgressInterval = std::chrono::milliseconds(100);

std::vector<int> EveryDive(const Logbook& book) {
  std::vector<int> all(static_cast<size_t>(book.DiveCount()));
  std::iota(all.begin(), all.end(), 0);
  return all;
}

}  // namespace

LogbookState::LogbookState(SettingsStore& settings, std::string desktopLanguage, QObject* parent)
    : QObject(parent), settings_(settings), desktopLanguage_(std::move(desktopLanguage)) {
  language_.Apply(ChosenLanguage(settings_.GetSetting(settings::kLanguage, ""), desktopLanguage_));
  if (QCoreApplication::instance() != nullptr)
    QCoreApplication::instance()->installEventFilter(this);
}

LogbookState::~LogbookState() {
  // The work reads the dives and stores into the analysis, both of which go with this object.
  StopWork();
}

void LogbookState::ReadSettings() {
  session_.SetDisplayOption(
      DisplayOptionFromSetting(settings_.GetSetting(settings::kDisplayOptionFlag, "1")));
  Analysis().SetModel(DecoModelFromSetting(settings_.GetSetting(settings::kDecoModelNumber, "")));
  Analysis().SetRepetitive(SettingNumber(settings_.GetSetting(settings::kRepetitiveDives, "0")) !=
                           0);
  units_ = settings_.GetSetting(settings::kUnits, "") == UnitSystemName(UnitSystem::Imperial)
               ? UnitSystem::Imperial
               : UnitSystem::Metric;
  appearance_ = AppearanceFromSetting(settings_.GetSetting(settings::kAppearance, ""));
  applyingAppearance_ = true;
  darkDesktop_ = ApplyAppearance(appearance_);
  applyingAppearance_ = false;
  std::vector<std::string> recent;
  for (int i = 0; i < settings::kRecentLogbookCount; ++i) {
    recent.push_back(settings_.GetSetting(settings::RecentLogbookKey(i), ""));
  }
  session_.SetRecent(std::move(recent));
}

LoadOutcome LogbookState::Open(const std::string& path) {
  StopWork();
  const LoadOutcome outcome = session_.Open(path);
  AfterLoad(outcome);
  return outcome;
}

LoadOutcome LogbookState::Merge(const std::string& path, bool again) {
  StopWork();
  const LoadOutcome outcome = session_.Merge(path, again);
  AfterLoad(outcome);
  return outcome;
}

LoadSequence LogbookState::TakeInOrder(const std::vector<std::string>& paths) {
  StopWork();
  LoadSequence sequence = session_.TakeInOrder(paths);
  const auto taken = std::ranges::find_if(sequence.Loads, &LoadOutcome::Taken);
  AfterLoad(taken != sequence.Loads.end() ? *taken : LoadOutcome{});
  return sequence;
}

void LogbookState::Replace(std::vector<DiveRecord> dives) {
  StopWork();
  Logbook& book = session_.Store();
  book.Clear();
  book.Dives = std::move(dives);
  Analysis().SetDives(book.Dives.Share());
  book.CurrentDive = book.DiveCount() - 1;
  RestartSummaries();
  emit LogbookChanged();
  emit CurrentDiveChanged(book.CurrentDive);
}

void LogbookState::SaveFiles() {
  const std::vector<std::string>& files = session_.Files();
  settings_.SaveSetting(settings::kLogbookFile, files.empty() ? std::string() : files.front());
  settings_.SaveSetting(settings::kMergedLogbooks, MergedLogbooksSetting(files));
  const std::vector<std::string>& recent = session_.Recent();
  for (int i = 0; i < settings::kRecentLogbookCount; ++i) {
    const auto at = static_cast<size_t>(i);
    settings_.SaveSetting(settings::RecentLogbookKey(i),
                          at < recent.size() ? recent[at] : std::string());
  }
}

// The work on the dives was stopped before the load: it starts again, on the new dives if any.
void LogbookState::AfterLoad(const LoadOutcome& outcome) {
  SaveFiles();
  RestartSummaries();
  if (!outcome.Taken()) return;
  emit LogbookChanged();
  if (!Book().HasCurrentDive()) emit CurrentDiveChanged(-1);
}

void LogbookState::ForgetRecent(const std::string& path) {
  session_.ForgetRecent(path);
  SaveFiles();
}

bool LogbookState::SetDisplayOption(int option) {
  if (!session_.SetDisplayOption(option)) return false;
  settings_.SaveSetting(settings::kDisplayOptionFlag, GeneralNumber(option));
  emit LogbookChanged();
  return true;
}

void LogbookState::SelectDive(int index) {
  const int before = CurrentDive();
  session_.Select(index);
  if (CurrentDive() != before) emit CurrentDiveChanged(CurrentDive());
}

int32_t LogbookState::CurrentSampleCount() {
  const DiveRecord* dive = Current();
  if (dive == nullptr) return 0;
  const auto profile = Analysis().Profile(*dive);
  return profile ? profile->SampleCount : 0;
}

void LogbookState::SetUnits(UnitSystem units) {
  if (units == units_) return;
  units_ = units;
  settings_.SaveSetting(settings::kUnits, std::string(UnitSystemName(units)));
  emit SettingsChanged(SettingChange::Units);
}

void LogbookState::SetLanguage(const std::string& setting) {
  if (setting != settings_.GetSetting(settings::kLanguage, "")) {
    settings_.SaveSetting(settings::kLanguage, setting);
  }
  const std::string code = ChosenLanguage(setting, desktopLanguage_);
  if (code == language_.Current()) return;
  language_.Apply(code);
  emit SettingsChanged(SettingChange::Language);
}

void LogbookState::SetAppearance(Appearance appearance) {
  if (appearance == appearance_) return;
  appearance_ = appearance;
  settings_.SaveSetting(settings::kAppearance, AppearanceSettingName(appearance));
  applyingAppearance_ = true;
  darkDesktop_ = ApplyAppearance(appearance);
  applyingAppearance_ = false;
  emit SettingsChanged(SettingChange::Appearance);
}

bool LogbookState::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ApplicationPaletteChange &&
      watched == QCoreApplication::instance() && !applyingAppearance_ &&
      appearance_ == Appearance::Desktop) {
    const bool dark = IsDarkPalette(QApplication::palette());
    if (dark != darkDesktop_) {
      darkDesktop_ = dark;
      if (DesktopChangeNeedsApplying()) {
        applyingAppearance_ = true;
        darkDesktop_ = ApplyAppearance(appearance_);
        applyingAppearance_ = false;
      }
      emit SettingsChanged(SettingChange::Appearance);
    }
  }
  return QObject::eventFilter(watched, event);
}

void LogbookState::SetModel(int number) {
  if (number == Analysis().Model().DecoModelNumber) return;
  StopWork();
  Analysis().SetModel(number);
  settings_.SaveSetting(settings::kDecoModelNumber,
                        GeneralNumber(Analysis().Model().DecoModelNumber));
  RestartSummaries();
  emit SettingsChanged(SettingChange::Model);
}

void LogbookState::SetRepetitive(bool on) {
  if (on == Analysis().Repetitive()) return;
  StopWork();
  Analysis().SetRepetitive(on);
  settings_.SaveSetting(settings::kRepetitiveDives, on ? "1" : "0");
  RestartSummaries();
  emit SettingsChanged(SettingChange::Repetitive);
}

bool LogbookState::SetSurfacePressure(int dive, double pressure) {
  StopWork();
  const bool changed = Analysis().SetSurfacePressure(dive, pressure);
  RestartSummaries();
  if (changed) emit SettingsChanged(SettingChange::SurfacePressure);
  return changed;
}

std::pair<size_t, size_t> LogbookState::SummaryProgress() const {
  if (!summaries_) return {0, 0};
  return {summaries_->Done.load(), summaries_->Total.load()};
}

void LogbookState::StopWork() {
  for (const auto& job : jobs_) job->Cancelled = true;
  for (const auto& job : jobs_) job->Future.waitForFinished();
  jobs_.clear();
  summaries_.reset();
}

std::shared_ptr<BackgroundJob> LogbookState::Run(BackgroundWork work) {
  std::erase_if(jobs_, [](const auto& job) { return job->Future.isFinished(); });
  auto job = std::make_shared<BackgroundJob>();
  job->Future = QtConcurrent::run([job, work = std::move(work)] { work(job); });
  jobs_.push_back(job);
  return job;
}

void LogbookState::RestartSummaries() {
  if (summaries_) summaries_->Cancelled = true;
  const std::vector<int> dives = EveryDive(Book());
  AnalysisCache& analysis = Analysis();
  summaries_ = Run([this, dives, &analysis](const std::shared_ptr<BackgroundJob>& shared) {
    BackgroundJob& job = *shared;
    auto sent = std::chrono::steady_clock::now();
    const auto tell = [&](size_t done, size_t total) {
      job.Done = done;
      job.Total = total;
      QMetaObject::invokeMethod(
          this,
          [this, shared, done, total] {
            if (!shared->Cancelled) emit AnalysisProgressed(int(done), int(total));
          },
          Qt::QueuedConnection);
      sent = std::chrono::steady_clock::now();
    };
    SummariseDives(analysis, dives, [&](size_t done, size_t total) {
      if (job.Cancelled) return false;
      if (done == 0 || done == total || std::chrono::steady_clock::now() - sent > kProgressInterval)
        tell(done, total);
      return !job.Cancelled;
    });
    if (dives.empty()) tell(0, 0);
  });
}

std::shared_ptr<BackgroundJob> LogbookState::SumUp(std::vector<int> dives,
                                                   StatisticsGrouping grouping, QObject* receiver,
                                                   std::function<void(LogbookStatistics)> done) {
  AnalysisCache& analysis = Analysis();
  const Logbook& book = Book();
  return Run([this, &analysis, &book, dives = std::move(dives), grouping,
              receiver = QPointer<QObject>(receiver),
              done = std::move(done)](const std::shared_ptr<BackgroundJob>& shared) {
    BackgroundJob& job = *shared;
    job.Total = dives.size();
    std::optional<LogbookStatistics> stats =
        StatisticsOf(analysis, book.Dives, dives, grouping, [&job](size_t n, size_t total) {
          job.Done = n;
          job.Total = total;
          return !job.Cancelled;
        });
    if (!stats || job.Cancelled) return;
    QMetaObject::invokeMethod(
        this,
        [shared, receiver, stats = std::move(*stats), done]() mutable {
          if (receiver && !shared->Cancelled) done(std::move(stats));
        },
        Qt::QueuedConnection);
  });
}

}  // namespace scrb
