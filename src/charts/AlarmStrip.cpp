#include "charts/AlarmStrip.h"

#include <cmath>
#include <string>
#include <vector>

#include "charts/ChartFrame.h"
#include "charts/DepthChart.h"
#include "charts/ProfileSamples.h"

namespace scrb {

namespace {

ChartValue StripBottom(int view) {
  return view == 0 ? 600 : 700;
}

std::vector<std::string> RowLabels(int rows) {
  std::vector<std::string> labels;
  for (int r = 0; r < rows; ++r) labels.emplace_back(kAlarmRows[static_cast<size_t>(r)].Label);
  return labels;
}

}  // namespace

int AlarmRowCount(int view) {
  return view == 0 ? 5 : 6;
}

double AlarmStripMinimumHeight(int view, double labelHeight) {
  // Rows are 100 units apart on a strip that runs to one unit past its bottom value.
  return std::ceil((StripBottom(view) + 1) / 100.0 * labelHeight);
}

void DrawAlarmStrip(const DecodedProfile& profile, ChartSurface& surface, int view,
                    const Palette& palette, const TimeStretch& stretch) {
  const int32_t count = SamplesToDraw(profile, surface);
  if (count == 0) return;

  const ShownTimes times = TimesShown(stretch, count);
  const int rows = AlarmRowCount(view);
  const std::vector<std::string> labels = RowLabels(rows);
  surface.Cls();
  DrawStripFrame(times, StripBottom(view), 0, surface, palette, labels);

  for (int r = 0; r < rows; ++r) {
    const double y = kAlarmRows[static_cast<size_t>(r)].Y;
    surface.Line(times.Left, y, times.Right, y, palette.Grid);
  }

  // Centred in the left margin like the depth labels above them, so no mark can cover a label.
  const double marginCentre =
      times.Left - surface.ScaleX(LeftMarginTwips(surface, labels) / kTwipsPerMillimetre) / 2;
  for (int r = 0; r < rows; ++r) {
    const std::string& label = labels[static_cast<size_t>(r)];
    surface.SetCurrentX(marginCentre - std::fabs(surface.TextWidth(label)) / 2);
    surface.SetCurrentY(kAlarmRows[static_cast<size_t>(r)].Y - surface.TextHeight(label) / 2);
    surface.Print(label);
  }

  ClippedToStretch data(surface, times);
  data.SetDrawWidth(3);
  for (int32_t k = 0; k <= count; ++k) {
    const int flags = SampleFlagsAt(profile, k);
    if (flags == 0) continue;
    for (int r = 0; r < rows; ++r) {
      const AlarmRow& row = kAlarmRows[static_cast<size_t>(r)];
      if ((flags & row.Flag) == 0) continue;
      data.Line(SampleTime(k), row.Y, SampleTime(k + 1), row.Y, palette.*row.MarkColor);
    }
  }
  surface.SetDrawWidth(1);
}

}  // namespace scrb
