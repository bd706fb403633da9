#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ChartTestDives.h"
#include "air/AirCharts.h"
#include "air/AirModel.h"
#include "air/PhysCharts.h"
#include "charts/AlarmStrip.h"
#include "charts/DepthChart.h"
#include "charts/SampleTimeAxis.h"
#include "charts/TimeStretch.h"
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

using Draw = std::function<void(const ComputedDive&, ChartSurface&, const TimeStretch&)>;

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
       [](const ComputedDive& d, ChartSurface& s, const TimeStretch& t) {
         DrawDepthChart(d.Dive, d.Dive, s, UnitSystem::Metric, Palette::Classic(), t);
       }},
      {"speed",
       [](const ComputedDive& d, ChartSurface& s, const TimeStretch& t) {
         DrawVerticalSpeedChart(d.Dive, s, UnitSystem::Metric, Palette::Classic(), t);
       }},
      {"alarms 0",
       [](const ComputedDive& d, ChartSurface& s, const TimeStretch& t) {
         DrawAlarmStrip(d.Dive, s, 0, Palette::Classic(), t);
       },
       0},
      {"alarms 1",
       [](const ComputedDive& d, ChartSurface& s, const TimeStretch& t) {
         DrawAlarmStrip(d.Dive, s, 1, Palette::Classic(), t);
       },
       1},
      {"tank",
       [](const ComputedDive& d, ChartSurface& s, const TimeStretch& t) {
         DrawTankChart(d.Dive, d.Dive, d.Air, s, UnitSystem::Metric, Palette::Classic(), t);
       }},
      {"breath",
       [](const ComputedDive& d, ChartSurface& s, const TimeStretch& t) {
         DrawBreathRateChart(d.Dive, d.Air, s, UnitSystem::Metric, Palette::Classic(), t);
       }},
      {"cold", [](const ComputedDive& d, ChartSurface& s,
                  const TimeStretch& t) { DrawColdChart(d.Dive, s, Palette::Classic(), t); }},
      {"bubbles", [](const ComputedDive& d, ChartSurface& s,
                     const TimeStretch& t) { DrawBubbleChart(d.Dive, s, Palette::Classic(), t); }},
      {"consumption",
       [](const ComputedDive& d, ChartSurface& s, const TimeStretch& t) {
         DrawConsumptionChart(d.Dive, s, Palette::Classic(), t);
       }},
      {"pressure",
       [](const ComputedDive& d, ChartSurface& s, const TimeStretch& t) {
         DrawTissuePressureChart(d.Dive, d.Saturation, Model(), s, UnitSystem::Metric,
                                 Palette::Classic(), t);
       }},
      {"oversaturation",
       [](const ComputedDive& d, ChartSurface& s, const TimeStretch& t) {
         DrawOverSaturationChart(d.Dive, d.Saturation, Model(), s, Palette::Classic(), t);
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
          chart.Routine(dive, s, TimeStretch::WholeDive());
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

// A stretch of every length from the shortest to nearly the whole dive, at its start, middle
// and end, on a small and a large window with small and large label fonts: the time labels stand
// on round times of the axis's steps, in minutes or, below a minute apart, in m'ss", and every
// label and line stays legible as on the whole dive.
TEST(ChartLegibility, StretchesFromAMinuteToTheWholeDive) {
  const ComputedDive dive = MakeComputedDive(210);  // 70 minutes
  const std::pair<int, int> sizes[] = {{320, 240}, {1920, 1080}};
  const int steps[] = {20, 30, 60, 120, 300, 600, 900, 1800};
  for (double minutes : {1.0, 1.5, 2.5, 4.0, 7.0, 12.0, 20.0, 35.0, 60.0, 70.0}) {
    for (double at : {0.0, 0.5, 1.0}) {
      const double from = (TimeAxisRight(210) - minutes * 100) * at;
      const TimeStretch stretch = TimeStretch::Between(from, from + minutes * 100);
      for (const auto& [pixelsWide, pixelsHigh] : sizes) {
        for (double fontScale : {1.0, 2.0}) {
          const double charWidth = 100 * fontScale;
          const double textHeight = 200 * fontScale;
          for (const Chart& chart : Charts()) {
            SCOPED_TRACE(testing::Message()
                         << chart.Name << ", " << minutes << " min at " << at << ", " << pixelsWide
                         << "x" << pixelsHigh << ", font x" << fontScale);
            const double height = chart.StripView >= 0
                                      ? AlarmStripMinimumHeight(chart.StripView, textHeight)
                                      : pixelsHigh * kTwipsPerPixel;
            RecordingSurface s(pixelsWide * kTwipsPerPixel, height, charWidth, textHeight);
            chart.Routine(dive, s, stretch);
            for (const std::string& fault : test::LegibilityFaults(s, charWidth, textHeight)) {
              ADD_FAILURE() << fault;
            }
            if (chart.StripView >= 0) continue;
            // The time labels are the bottom row; each gives a time in seconds.
            const std::vector<test::Rect> rects = LabelRects(s, charWidth, textHeight);
            double bottomRow = 0;
            for (const test::Rect& r : rects) bottomRow = std::max(bottomRow, r.Top);
            const std::vector<std::string> texts = s.Texts();
            std::vector<int> times;
            bool seconds = false;
            for (size_t n = 0; n < rects.size(); ++n) {
              if (rects[n].Top < bottomRow - 1) continue;
              int m = 0, sec = 0;
              char tail = 0;
              const std::string& text = texts[n];
              if (std::sscanf(text.c_str(), "%d'%d%c", &m, &sec, &tail) == 3 && tail == '"') {
                times.push_back(m * 60 + sec);
                seconds = true;
              } else {
                times.push_back(std::atoi(text.c_str()) * 60);
              }
            }
            // A minute on a small window with a large font may leave room for one label only.
            ASSERT_FALSE(times.empty());
            if (times.size() < 2) continue;
            const int step = times[1] - times[0];
            EXPECT_NE(std::find(std::begin(steps), std::end(steps), step), std::end(steps))
                << step << " s between labels";
            EXPECT_EQ(seconds, step < 60) << step << " s between labels";
            for (int t : times) EXPECT_EQ(t % step, 0) << t;
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
    chart.Routine(empty, s, TimeStretch::Between(100, 300));
    ASSERT_EQ(s.Prints().size(), 1u) << chart.Name;
    const RecordedOp text = s.Prints()[0];
    EXPECT_EQ(s.Ops().front().Type, RecordedOp::Kind::Cls) << chart.Name;
    EXPECT_DOUBLE_EQ(text.X1 + s.TextWidth(text.Text) / 2, 4500) << chart.Name << ": " << text.Text;
    EXPECT_DOUBLE_EQ(text.Y1 + s.TextHeight(text.Text) / 2, 1500) << chart.Name;
  }
}

}  // namespace
}  // namespace scrb
