#pragma once

#include <array>

#include "charts/ChartSurface.h"
#include "charts/Palette.h"
#include "charts/TimeStretch.h"
#include "logbook/ProfileDecoder.h"
#include "logbook/SampleAccess.h"

namespace scrb {

// One row of the alarm strip: where its line lies, its label, the event flag it marks and the
// colour of the marks.
struct AlarmRow {
  int Y;
  const char* Label;
  int Flag;
  Rgb Palette::*MarkColor;
};

// Top to bottom. The tx row is shown only in view 1, where the strip is tall enough.
constexpr std::array<AlarmRow, 6> kAlarmRows{{
    {100, "sos ", kSosFlag, &Palette::Alarm},
    {200, "up", kAscentFlag, &Palette::Alarm},
    {300, "rbt ", kRbtFlag, &Palette::Alarm},
    {400, "air", kAirFlag, &Palette::Alarm},
    {500, "deco", kDecoFlag, &Palette::Event},
    {600, "tx", kNoTransmitterFlag, &Palette::Event},
}};

// Rows shown in a view: five in view 0, six in view 1.
int AlarmRowCount(int view);

// The least height of a strip, in the unit of `labelHeight`, at which each of its rows is as
// tall as a row label, so the labels never overlap.
double AlarmStripMinimumHeight(int view, double labelHeight);

// One labelled row per event and a thick mark for every sample interval in which it is set, on
// the depth chart's time axis. The row labels stand in the left margin, where no mark reaches.
void DrawAlarmStrip(const DecodedProfile& profile, ChartSurface& surface, int view,
                    const Palette& palette, const TimeStretch& stretch = TimeStretch::WholeDive());

}  // namespace scrb
