// The owner of the logbook state: every change announced once, with what changed; the background
// summary pass follows every change of the dives and of what their figures depend on.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include "app/AppTestWindow.h"
#include "app/state/WindowSettings.h"
#include "app/table/DiveTableModel.h"
#include "overview/DiveTable.h"

namespace scrb {
namespace {

// Waits for the background pass over every dive of the logbook held.
void WaitForSummaries(const LogbookState& state) {
  QTRY_VERIFY_WITH_TIMEOUT(
      state.SummaryProgress().first == state.SummaryProgress().second &&
          state.SummaryProgress().second == static_cast<size_t>(state.Book().DiveCount()),
      60000);
}

// Each dive's over-saturation as a cache of its own works it out under the same settings.
std::vector<double> FreshOverSaturations(const Logbook& book, int model, double pressure = 0) {
  AnalysisCache cache;
  cache.SetDives(book.Dives.Share());
  cache.SetModel(model);
  if (pressure > 0) cache.SetSurfacePressure(3, pressure);
  std::vector<double> values;
  for (int dive = 0; dive < book.DiveCount(); ++dive)
    values.push_back(cache.Summary(dive)->MaxOverSaturation);
  return values;
}

std::vector<double> KnownOverSaturations(LogbookState& state) {
  std::vector<double> values;
  for (int dive = 0; dive < state.Book().DiveCount(); ++dive) {
    const auto summary = state.Analysis().KnownSummary(dive);
    values.push_back(summary ? summary->MaxOverSaturation : -1);
  }
  return values;
}

TEST(LogbookState, EachChangeIsAnnouncedOnceWithWhatChanged) {
  test::TestWindow w;
  LogbookState& state = *w.state;
  QSignalSpy announced(&state, &LogbookState::SettingsChanged);
  QSignalSpy current(&state, &LogbookState::CurrentDiveChanged);
  QSignalSpy logbook(&state, &LogbookState::LogbookChanged);
  ASSERT_TRUE(state.Open(test::LogbookFile("four.log", 4).toStdString()).Taken());
  EXPECT_EQ(logbook.count(), 1);

  const int other = state.Analysis().Model().DecoModelNumber == 2 ? 0 : 2;
  const bool repetitive = !state.Analysis().Repetitive();
  const std::vector<std::pair<std::function<void()>, SettingChange>> changes = {
      {[&] { state.SetUnits(UnitSystem::Imperial); }, SettingChange::Units},
      {[&] { state.SetLanguage("de"); }, SettingChange::Language},
      {[&] { state.SetModel(other); }, SettingChange::Model},
      {[&] { state.SetRepetitive(repetitive); }, SettingChange::Repetitive},
      {[&] { state.SetSurfacePressure(1, 0.8); }, SettingChange::SurfacePressure},
  };
  for (const auto& [change, what] : changes) {
    announced.clear();
    change();
    change();  // the same again changes nothing, and says nothing
    ASSERT_EQ(announced.count(), 1);
    EXPECT_EQ(announced.front().front().value<SettingChanges>(), SettingChanges(what));
  }
  EXPECT_EQ(w.Saved(settings::kUnits), "imperial");
  EXPECT_EQ(w.Saved(settings::kLanguage), "de");
  EXPECT_EQ(w.Saved(settings::kDecoModelNumber), std::to_string(other));
  state.SetLanguage("en");

  current.clear();
  state.SelectDive(2);
  state.SelectDive(2);
  state.SelectDive(99);  // outside the list: none is current
  ASSERT_EQ(current.count(), 2);
  EXPECT_EQ(current[0].front().toInt(), 2);
  EXPECT_EQ(current[1].front().toInt(), -1);
  EXPECT_EQ(logbook.count(), 1);
}

// A change of the model while the pass runs restarts it: no summary of the old model is kept; a
// new logbook cancels the old pass, whose progress is never told after it.
TEST(LogbookState, TheSummaryPassFollowsEveryChangeAndNeverTellsOfTheOldLogbook) {
  test::TestWindow w;
  LogbookState& state = *w.state;
  const QString sample = test::WriteLogbook("sample.log", test::SampleLogbook());
  state.Open(sample.toStdString());
  const int other = state.Analysis().Model().DecoModelNumber == 2 ? 1 : 2;
  state.SetModel(other);
  WaitForSummaries(state);
  EXPECT_EQ(KnownOverSaturations(state), FreshOverSaturations(state.Book(), other));

  QSignalSpy progress(&state, &LogbookState::AnalysisProgressed);
  state.Open(sample.toStdString());
  state.Open(test::LogbookFile("three.log", 3).toStdString());
  WaitForSummaries(state);
  QTest::qWait(50);
  ASSERT_GE(progress.count(), 1);
  for (const QList<QVariant>& told : progress) EXPECT_EQ(told[1].toInt(), 3);
}

// A surface pressure typed for a dive changes its figures in the table and the statistics, and
// belongs to that logbook only.
TEST(LogbookState, ASurfacePressureReachesTheTableAndStatisticsAndStaysWithItsLogbook) {
  test::TestWindow w("NoWarning=1\n");
  w.Start();
  const QString sample = test::WriteLogbook("sample.log", test::SampleLogbook());
  w.form->OpenLogbook(sample);
  LogbookState& state = *w.state;
  WaitForSummaries(state);
  const int model = state.Analysis().Model().DecoModelNumber;
  const double before = state.Analysis().KnownSummary(3)->MaxOverSaturation;
  w.form->ShowStatistics();
  StatisticsWindow& statistics = *Statistics(*w.form);

  state.SetSurfacePressure(3, 0.6);
  WaitForSummaries(state);
  test::WaitForStatistics(statistics);
  const double after = FreshOverSaturations(state.Book(), model, 0.6)[3];
  ASSERT_NE(after, before);
  const TableCell cell = TableModel(*w.form)->Table().Cell(3, TableColumn::MaxOverSat);
  EXPECT_TRUE(cell.Known);
  EXPECT_EQ(cell.Number, after);
  ASSERT_NE(statistics.Statistics(), nullptr);
  ASSERT_NE(statistics.Statistics()->FiguresAt(3), nullptr);
  EXPECT_EQ(statistics.Statistics()->FiguresAt(3)->OverSaturation, after);

  w.form->OpenLogbook(sample);
  EXPECT_NE(state.Analysis().SurfacePressure(3), 0.6);
  WaitForSummaries(state);
  EXPECT_EQ(state.Analysis().KnownSummary(3)->MaxOverSaturation, before);
}

// Appearance and language change how the table's figures look, not the figures: the computed
// columns stay as they were taken. Another model has them worked out and taken again.
TEST(LogbookState, OnlyAChangeOfTheFiguresHasTheSummariesTakenAgain) {
  test::TestWindow w("NoWarning=1\n");
  w.Start();
  w.form->OpenLogbook(test::WriteLogbook("sample.log", test::SampleLogbook()));
  LogbookState& state = *w.state;
  WaitForSummaries(state);
  QCoreApplication::processEvents();
  DiveTableModel& model = *TableModel(*w.form);
  QSignalSpy taken(&model, &DiveTableModel::AnalysisProgressed);
  const uint64_t generation = state.Analysis().Generation();

  for (const Appearance appearance : {Appearance::Dark, Appearance::Light, Appearance::Desktop}) {
    state.SetAppearance(appearance);
  }
  state.SetLanguage("de");
  state.SetLanguage("en");
  QCoreApplication::processEvents();
  EXPECT_EQ(taken.count(), 0);
  EXPECT_EQ(state.Analysis().Generation(), generation);
  EXPECT_TRUE(model.Table().Cell(3, TableColumn::MaxOverSat).Known);

  const int other = state.Analysis().Model().DecoModelNumber == 2 ? 1 : 2;
  state.SetModel(other);
  WaitForSummaries(state);
  QTRY_COMPARE_WITH_TIMEOUT(model.Table().Cell(3, TableColumn::MaxOverSat).Number,
                            FreshOverSaturations(state.Book(), other)[3], 10000);
  EXPECT_GE(taken.count(), 1);
}

}  // namespace
}  // namespace scrb

namespace scrb {
namespace {

// The user's own store (the registry on Windows, an INI file elsewhere) gives back every kind of
// text the program keeps: paths with backslashes, drive letters and umlauts, lines, the table
// header's base64, numbers and empty texts.
TEST(SettingsStore, TheUsersOwnStoreGivesBackWhatItKept) {
  const QString application = "scrb-settings-test";
  const std::vector<std::pair<std::string, std::string>> kept = {
      {settings::kLogbookFile, "D:\\Tauchgänge\\Elba 1994\\dives.log"},
      {settings::kMergedLogbooks, "C:/Users/Jürgen/My Logs/a.log\n\\\\server\\share\\b.log"},
      {settings::kDiveTableHeader, "AAAA/wAAAAD9AAAAAQ=="},
      {settings::kTop, "-1200"},
      {settings::kLanguage, ""},
      {settings::RecentLogbookKey(1), "/home/jürgen/Tauchen/log 2.log"}};
  {
    QtSettingsStore store(QtSettingsStore::UserSettings(application));
    for (const auto& [key, value] : kept) store.SaveSetting(key, value);
  }
  QtSettingsStore store(QtSettingsStore::UserSettings(application));
  for (const auto& [key, value] : kept) EXPECT_EQ(store.GetSetting(key, "unset"), value) << key;
  EXPECT_EQ(store.GetSetting(settings::kUnits, "unset"), "unset");
  QtSettingsStore::UserSettings(application)->clear();
}

}  // namespace
}  // namespace scrb
