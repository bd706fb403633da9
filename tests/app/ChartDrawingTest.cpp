// The charts of a page drawn together on the pool's threads.

#include <gtest/gtest.h>

#include <QThread>
#include <QThreadPool>
#include <array>
#include <stdexcept>

#include "analysis/AnalysisCache.h"
#include "app/views/ChartDrawing.h"
#include "app/views/ChartView.h"
#include "saturation/SaturationCharts.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

// The charts of a page are drawn on threads of their own: each must come out as it does drawn
// alone, and a drawing that fails must not leave a view that never repaints or a thread running.
TEST(DrawChartsTogether, ChartsDrawnTogetherComeOutAsDrawnAlone) {
  const std::vector<DiveRecord> dives = {test::MakeDecodedDive(test::ProfileBuilder{
      .Samples = test::ProfileBuilder::FromDepths({0, 12, 30, 30, 22, 9, 5, 5, 0})})};
  AnalysisCache analysis;
  analysis.SetDives(&dives);
  analysis.SetModel(2);
  const AnalysedDive dive = analysis.Analysed(0);
  const DecoModel model = analysis.Model();
  const auto pressure = [&](ChartSurface& s) {
    DrawTissuePressureChart(*dive.Profile, *dive.Saturation, model, s, UnitSystem::Metric,
                            Palette::Classic());
  };
  const auto over = [&](ChartSurface& s) {
    DrawOverSaturationChart(*dive.Profile, *dive.Saturation, model, s, Palette::Classic());
  };
  std::array<ChartView, 4> views;
  for (ChartView& view : views) view.resize(640, 220);
  pressure(views[0].Surface());
  over(views[1].Surface());
  DrawChartsTogether({{&views[2], pressure}, {&views[3], over}});
  EXPECT_EQ(views[2].ChartImage(), views[0].ChartImage());
  EXPECT_EQ(views[3].ChartImage(), views[1].ChartImage());
  // With every thread of the shared pool busy with a summary, the charts are drawn all the same.
  QThreadPool* shared = QThreadPool::globalInstance();
  for (int n = 0; n < shared->maxThreadCount(); ++n) shared->start([] { QThread::msleep(300); });
  for (ChartView* view : {&views[2], &views[3]}) view->Surface().Cls();
  DrawChartsTogether({{&views[2], pressure}, {&views[3], over}});
  EXPECT_EQ(views[2].ChartImage(), views[0].ChartImage());
  EXPECT_EQ(views[3].ChartImage(), views[1].ChartImage());
  shared->waitForDone();

  const auto fails = [](ChartSurface& s) {
    s.Cls();
    throw std::runtime_error("no chart");
  };
  EXPECT_THROW(DrawChartsTogether({{&views[2], over}, {&views[3], fails}}), std::runtime_error);
  EXPECT_EQ(views[2].ChartImage(), views[1].ChartImage());
  // Attached again: a later drawing on the interface thread goes on as before.
  pressure(views[3].Surface());
  EXPECT_EQ(views[3].ChartImage(), views[0].ChartImage());
}

}  // namespace
}  // namespace scrb
