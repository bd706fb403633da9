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

namespace scrb {
namespace {

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
      {"depth", [](const ComputedDive& d, ChartSurface& s) { DrawDepthChart(d.Dive, d.Dive, s); }},
      {"speed", [](const ComputedDive& d, ChartSurface& s) { DrawVerticalSpeedChart(d.Dive, s); }},
      {"alarms 0", [](const ComputedDive& d, ChartSurface& s) { DrawAlarmStrip(d.Dive, s, 0); }, 0},
      {"alarms 1", [](const ComputedDive& d, ChartSurface& s) { DrawAlarmStrip(d.Dive, s, 1); }, 1},
      {"tank", [](const ComputedDive& d, ChartSurface& s) { DrawTankChart(d.Dive, d.Dive, d.Air, s); }},
      {"breath", [](const ComputedDive& d, ChartSurface& s) { DrawBreathRateChart(d.Dive, d.Air, s); }},
      {"cold", [](const ComputedDive& d, ChartSurface& s) { DrawColdChart(d.Dive, s); }},
      {"bubbles", [](const ComputedDive& d, ChartSurface& s) { DrawBubbleChart(d.Dive, s); }},
      {"consumption", [](const ComputedDive& d, ChartSurface& s) { DrawConsumptionChart(d.Dive, s); }},
      {"pressure",
       [](const ComputedDive& d, ChartSurface& s) {
         DrawTissuePressureChart(d.Dive, d.Saturation, Model(), s);
       }},
      {"oversaturation",
       [](const ComputedDive& d, ChartSurface& s) {
         DrawOverSaturationChart(d.Dive, d.Saturation, Model(), s);
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
  dive.AirConsumption = 180.256;
  dive.SampleStatus.assign(static_cast<size_t>(samples) + 3, 0);
  for (int k = 2; k < samples; k += 3) dive.SampleStatus[static_cast<size_t>(k)] = 0x08 | 0x35;
  const AirEstimate air = ComputeAirModel(dive, dive, 1.0);
  const SaturationResult saturation = ComputeSaturation(dive, 1.0, Model());
  return {dive, air, saturation};
}

struct Rect {
  double Left, Top, Right, Bottom;
  bool Within(const Rect& o, double tolerance) const {
    return Left >= o.Left - tolerance && Top >= o.Top - tolerance && Right <= o.Right + tolerance &&
           Bottom <= o.Bottom + tolerance;
  }
  bool Overlaps(const Rect& o) const {
    return Left < o.Right - 1e-6 && o.Left < Right - 1e-6 && Top < o.Bottom - 1e-6 &&
           o.Top < Bottom - 1e-6;
  }
};

// Every printed text as a rectangle in twips from the surface's upper-left corner, through the
// coordinate system in force when it was printed.
std::vector<Rect> LabelRects(const RecordingSurface& s, double charWidth, double textHeight) {
  std::vector<Rect> rects;
  double x1 = 0, y1 = 0, x2 = s.Width(), y2 = s.Height();
  for (const RecordedOp& op : s.Ops()) {
    if (op.Type == RecordedOp::Kind::Scale) {
      x1 = op.X1, y1 = op.Y1, x2 = op.X2, y2 = op.Y2;
    } else if (op.Type == RecordedOp::Kind::Print) {
      const double left = (op.X1 - x1) / (x2 - x1) * s.Width();
      const double top = (op.Y1 - y1) / (y2 - y1) * s.Height();
      rects.push_back({left, top, left + charWidth * double(op.Text.size()), top + textHeight});
    }
  }
  return rects;
}

// The plot area: what the grid lines span.
Rect GridBounds(const RecordingSurface& s) {
  Rect r{1e300, 1e300, -1e300, -1e300};
  for (const RecordedOp& op : s.LinesOf(kGridColor)) {
    r = {std::min({r.Left, op.X1, op.X2}), std::min({r.Top, op.Y1, op.Y2}),
         std::max({r.Right, op.X1, op.X2}), std::max({r.Bottom, op.Y1, op.Y2})};
  }
  return r;
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

          const std::vector<Rect> labels = LabelRects(s, charWidth, textHeight);
          ASSERT_GE(labels.size(), chart.StripView >= 0 ? 5u : 4u);
          for (size_t i = 0; i < labels.size(); ++i) {
            EXPECT_TRUE(labels[i].Within({0, 0, s.Width(), s.Height()}, 1e-6)) << s.Texts()[i];
            for (size_t j = 0; j < i; ++j) {
              EXPECT_FALSE(labels[j].Overlaps(labels[i])) << s.Texts()[j] << ", " << s.Texts()[i];
            }
          }
          const Rect plot = GridBounds(s);
          for (const RecordedOp& op : test::DataLines(s)) {
            EXPECT_TRUE((Rect{op.X1, op.Y1, op.X1, op.Y1}.Within(plot, 1e-3)) &&
                        (Rect{op.X2, op.Y2, op.X2, op.Y2}.Within(plot, 1e-3)))
                << op.X1 << ", " << op.Y1 << " to " << op.X2 << ", " << op.Y2;
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
