#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "ChartTestDives.h"
#include "air/AirCharts.h"
#include "air/AirModel.h"
#include "air/PhysCharts.h"
#include "charts/AlarmStrip.h"
#include "charts/DepthChart.h"
#include "charts/VerticalSpeedChart.h"
#include "saturation/Saturation.h"
#include "saturation/SaturationCharts.h"
#include "saturation/SaturationFixtures.h"
#include "support/ChartLegibility.h"

namespace scrb {
namespace {

using test::LabelRects;
using test::RecordedOp;
using test::RecordingSurface;

constexpr double kTwipsPerPixel = 15;  // at 96 dpi

// A dive with every result computed.
struct ComputedDive {
  test::SampledDive Dive;
  AirEstimate Air;
  SaturationResult Saturation;
};

using Draw = std::function<void(const ComputedDive&, ChartSurface&)>;

struct Chart {
  const char* Name;
  Draw Routine;
  int StripView = -1;  // the alarm strip's view; -1 for every other chart
};

const DecoModel& Model() {
  static const DecoModel model = test::Model(2);
  return model;
}

std::vector<Chart> Charts() {
  return {
      {"depth",
       [](const ComputedDive& d, ChartSurface& s) {
         DrawDepthChart(d.Dive, d.Dive, s, UnitSystem::Metric, Palette::Classic());
       }},
      {"speed",
       [](const ComputedDive& d, ChartSurface& s) {
         DrawVerticalSpeedChart(d.Dive, s, UnitSystem::Metric, Palette::Classic());
       }},
      {"alarms 0",
       [](const ComputedDive& d, ChartSurface& s) {
         DrawAlarmStrip(d.Dive, s, 0, Palette::Classic());
       },
       0},
      {"alarms 1",
       [](const ComputedDive& d, ChartSurface& s) {
         DrawAlarmStrip(d.Dive, s, 1, Palette::Classic());
       },
       1},
      {"tank",
       [](const ComputedDive& d, ChartSurface& s) {
         DrawTankChart(d.Dive, d.Dive, d.Air, s, UnitSystem::Metric, Palette::Classic());
       }},
      {"breath",
       [](const ComputedDive& d, ChartSurface& s) {
         DrawBreathRateChart(d.Dive, d.Air, s, UnitSystem::Metric, Palette::Classic());
       }},
      {"cold", [](const ComputedDive& d,
                  ChartSurface& s) { DrawColdChart(d.Dive, s, Palette::Classic()); }},
      {"bubbles", [](const ComputedDive& d,
                     ChartSurface& s) { DrawBubbleChart(d.Dive, s, Palette::Classic()); }},
      {"consumption", [](const ComputedDive& d,
                         ChartSurface& s) { DrawConsumptionChart(d.Dive, s, Palette::Classic()); }},
      {"pressure",
       [](const ComputedDive& d, ChartSurface& s) {
         DrawTissuePressureChart(d.Dive, d.Saturation, Model(), s, UnitSystem::Metric,
                                 Palette::Classic());
       }},
      {"oversaturation",
       [](const ComputedDive& d, ChartSurface& s) {
         DrawOverSaturationChart(d.Dive, d.Saturation, Model(), s, Palette::Classic());
       }},
  };
}

// The long one goes deeper than its logged maximum, rises at 30 m/min, is cold in every minute
// and raises every alarm somewhere.
ComputedDive MakeComputedDive(int samples) {
  std::vector<double> depths;
  std::vector<int16_t> flags;
  for (int k = 0; k < samples; ++k) {
    const bool ascent = k >= samples - 4;
    depths.push_back(ascent ? 10.0 * (samples - 1 - k) : std::min(47.5, 3.0 + 4.0 * k));
    flags.push_back(static_cast<int16_t>(1 << (k % 7)));
  }
  test::SampledDive dive = test::DiveWithSamples(depths, flags);
  dive.MaxDepth = 40;
  dive.TankCapacity = 12;
  // The short dive draws less, or its breath rate would lie past the table and have no estimate.
  dive.AirConsumption = std::min(180.256, 10.0 * samples);
  dive.SampleStatus.assign(static_cast<size_t>(samples) + 3, 0);
  for (int k = 2; k < samples; k += 3) dive.SampleStatus[static_cast<size_t>(k)] = 0x08 | 0x35;
  const AirEstimate air = ComputeAirModel(dive, dive, 1.0);
  const SaturationResult saturation = ComputeSaturation(dive, 1.0, Model());
  return {dive, air, saturation};
}

// Every chart at the window sizes the program is tried at, for a dive of 1 1/3 minutes and one
// of 70, with label fonts as on screens at scale factors 1, 1.5 and 2: no two labels overlap, no
// label leaves the surface, and every data point, reference line and mark lies in the plot area.
TEST(ChartLegibility, LabelsApartInsideTheSurfaceAndDataInsideThePlot) {
  const ComputedDive dives[] = {MakeComputedDive(4), MakeComputedDive(210)};
  const std::pair<int, int> sizes[] = {{640, 450}, {1600, 1000}, {2560, 1440}};
  for (const Chart& chart : Charts()) {
    for (const ComputedDive& dive : dives) {
      for (const auto& [pixelsWide, pixelsHigh] : sizes) {
        for (double fontScale : {1.0, 1.5, 2.0}) {
          const double charWidth = 100 * fontScale;
          const double textHeight = 200 * fontScale;
          // A strip is as high as the page makes it at the least: each row one label high.
          const double height = chart.StripView >= 0
                                    ? AlarmStripMinimumHeight(chart.StripView, textHeight)
                                    : pixelsHigh * kTwipsPerPixel;
          RecordingSurface s(pixelsWide * kTwipsPerPixel, height, charWidth, textHeight);
          chart.Routine(dive, s);
          SCOPED_TRACE(testing::Message()
                       << chart.Name << ", " << dive.Dive.SampleCount << " samples, " << pixelsWide
                       << "x" << pixelsHigh << ", font x" << fontScale);

          ASSERT_GE(LabelRects(s, charWidth, textHeight).size(), chart.StripView >= 0 ? 5u : 4u);
          for (const std::string& fault : test::LegibilityFaults(s, charWidth, textHeight)) {
            ADD_FAILURE() << fault;
          }
        }
      }
    }
  }
}

// Whatever coordinates the previous chart left, a chart without data shows its one line in the
// middle of the surface.
TEST(ChartLegibility, EmptyStateCentredOnceOnEveryChart) {
  const ComputedDive empty{test::DiveWithSamples({}), {}, {}};
  for (const Chart& chart : Charts()) {
    RecordingSurface s(9000, 3000);
    s.Scale(-92, -56, 2031, 2668);  // a previous chart's coordinates
    s.Forget();
    chart.Routine(empty, s);
    ASSERT_EQ(s.Prints().size(), 1u) << chart.Name;
    const RecordedOp text = s.Prints()[0];
    EXPECT_EQ(s.Ops().front().Type, RecordedOp::Kind::Cls) << chart.Name;
    EXPECT_DOUBLE_EQ(text.X1 + s.TextWidth(text.Text) / 2, 4500) << chart.Name << ": " << text.Text;
    EXPECT_DOUBLE_EQ(text.Y1 + s.TextHeight(text.Text) / 2, 1500) << chart.Name;
  }
}

}  // namespace
}  // namespace scrb
