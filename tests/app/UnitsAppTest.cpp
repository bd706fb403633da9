// The units chosen in the window: read at start-up, switched at run time without losing the dive
// or the page.

#include <gtest/gtest.h>

#include <algorithm>

#include "AppTestWindow.h"
#include "app/statistics/StatisticsWindow.h"
#include "app/table/DiveTableModel.h"

namespace scrb {
namespace {

QString SampleLogbook() {
  return QString::fromStdString(test::SourcePath("examples/sample.log"));
}

bool Shows(const QStringList& state, const QString& text) {
  return std::ranges::any_of(state, [&](const QString& line) { return line.endsWith(text); });
}

QString TableCell(MainWindow& form, int dive, TableColumn column) {
  DiveTableModel* model = TableModel(form);
  return model->index(dive, model->SectionOf(column)).data().toString();
}

TEST(UnitsInTheWindow, ReadAtStartUpAndSwitchedOnTheSameDiveAndPage) {
  test::TestWindow w("NoWarning=1\nUnits=imperial\n");
  ASSERT_TRUE(w.Start());
  EXPECT_EQ(w.state->Units(), UnitSystem::Imperial);
  ASSERT_TRUE(w.form->OpenLogbook(SampleLogbook()));
  Table(*w.form).SelectListIndex(0);
  constexpr int kGeneral = 0;
  EXPECT_TRUE(Shows(w.PageState(kGeneral), " 72.8 ft"));
  EXPECT_EQ(TableCell(*w.form, 0, TableColumn::MaxDepth), "72.8 ft");
  test::MenuAction(*w.form, "&Statistics...")->trigger();
  StatisticsWindow* statistics = Statistics(*w.form);
  test::WaitForStatistics(*statistics);
  ASSERT_NE(statistics->Statistics(), nullptr);
  EXPECT_NEAR(statistics->Statistics()->Deepest->Value, 147.6378, 1e-4);

  Table(*w.form).SelectListIndex(3);
  DiveTab(*w.form)->setCurrentIndex(kGeneral);
  w.state->SetUnits(UnitSystem::Metric);
  EXPECT_EQ(w.Saved("Units"), "metric");
  EXPECT_EQ(Table(*w.form).ListIndex(), 3);
  EXPECT_EQ(DiveTab(*w.form)->currentIndex(), kGeneral);
  EXPECT_TRUE(Shows(w.PageState(kGeneral), " 41.88 m"));
  EXPECT_EQ(TableCell(*w.form, 0, TableColumn::MaxDepth), "22.19 m");
  test::WaitForStatistics(*statistics);
  ASSERT_NE(statistics->Statistics(), nullptr);
  EXPECT_DOUBLE_EQ(statistics->Statistics()->Deepest->Value, 45);

  w.state->SetUnits(UnitSystem::Imperial);
  EXPECT_EQ(w.Saved("Units"), "imperial");
  EXPECT_EQ(Table(*w.form).ListIndex(), 3);
  EXPECT_TRUE(Shows(w.PageState(kGeneral), " 137.4 ft"));
}

// Only "imperial" chooses imperial; anything else, a damaged value too, is metric.
TEST(UnitsInTheWindow, AnyOtherSettingIsMetric) {
  for (const char* value : {"", "Imperial ", "feet", "1"}) {
    test::TestWindow w("NoWarning=1\nUnits=" + std::string(value) + "\n");
    ASSERT_TRUE(w.Start());
    EXPECT_EQ(w.state->Units(), UnitSystem::Metric) << value;
    // Switching with no logbook open has nothing to show again.
    w.state->SetUnits(UnitSystem::Imperial);
    EXPECT_EQ(Table(*w.form).ListCount(), 0);
  }
}

}  // namespace
}  // namespace scrb
