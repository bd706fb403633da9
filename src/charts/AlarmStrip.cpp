#include "charts/AlarmStrip.h"

#include <cmath>
#include <string>

#include "charts/ChartFrame.h"
#include "charts/DepthChart.h"
#include "charts/ProfileSamples.h"

namespace scrb {

int AlarmRowCount(int view) {
  return view == 0 ? 5 : 6;
}

void DrawAlarmStrip(const DiveRecord& dive, ChartSurface& surface, int view) {
  const int32_t count = SamplesToDraw(dive, surface);
  if (count == 0) return;

  const ChartValue xRight = ProfileTimeRight(count);
  const ChartValue yBottom = view == 0 ? 600 : 700;
  const int rows = AlarmRowCount(view);
  surface.Cls();
  DrawStripFrame(0, xRight, yBottom, 0, surface, 0);

  // The row lines leave room for the labels at either end.
  const double lineStart = std::fabs(surface.TextWidth("c0"));
  const double lineEnd = xRight - std::fabs(surface.TextWidth("deco"));
  for (int r = 0; r < rows; ++r) {
    surface.Line(lineStart, kAlarmRows[r].Y, lineEnd, kAlarmRows[r].Y, kGridColor);
  }

  for (int r = 0; r < rows; ++r) {
    const AlarmRow& row = kAlarmRows[r];
    const std::string label = row.Label;
    surface.SetCurrentY(row.Y - surface.TextHeight(label) / 2);
    if (row.LabelOnLeft) {
      // "deco" is placed as if it were "dec", letting its last letter reach into the plot.
      const std::string measured = label == "deco" ? "dec" : label;
      surface.SetCurrentX(-std::fabs(surface.TextWidth(measured)));
    } else {
      surface.SetCurrentX(xRight - std::fabs(surface.TextWidth(label)));
    }
    surface.Print(label);
  }

  surface.SetDrawWidth(3);
  for (int32_t k = 0; k <= count; ++k) {
    const int flags = SampleFlagsAt(dive, k);
    if (flags == 0) continue;
    for (int r = 0; r < rows; ++r) {
      const AlarmRow& row = kAlarmRows[r];
      if ((flags & row.Flag) == 0) continue;
      surface.Line(SampleTime(k), row.Y, SampleTime(k + 1), row.Y, row.MarkColor);
    }
  }
  surface.SetDrawWidth(1);
}

}  // namespace scrb
