// The depth chart, the alarm strip in both views and the vertical speed chart with their
// readouts over every dive the reader keeps.

#include "FuzzSupport.h"
#include "charts/AlarmStrip.h"
#include "charts/DepthChart.h"
#include "charts/DepthReadout.h"
#include "charts/VerticalSpeedChart.h"
#include "logbook/ProfileDecoder.h"

using namespace scrb;
using scrb::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::InputTail parameters = fuzz::Parameters(data, size);
  for (const DiveRecord& dive : fuzz::ReadDives(data, size)) {
    const DecodedProfile profile = DecodeProfile(dive);
    const UnitSystem units = fuzz::Units(parameters);
    auto depth = fuzz::Surface(parameters);
    DrawDepthChart(dive, profile, depth, units, Palette::Classic());
    Check(!DepthChartTitle(dive, units).empty(), "depth title");
    for (const int view : {0, 1}) {
      auto strip = fuzz::Surface(parameters);
      DrawAlarmStrip(profile, strip, view, Palette::Classic());
      fuzz::CheckDrawing(strip);
    }
    auto speed = fuzz::Surface(parameters);
    DrawVerticalSpeedChart(profile, speed, units, Palette::Classic());
    Check(VerticalSpeeds(profile).size() == static_cast<size_t>(profile.SampleCount) + 1,
          "one speed per sample and the end");
    fuzz::CheckDrawing(depth);
    fuzz::CheckDrawing(speed);

    for (const float x : fuzz::Positions(parameters, profile)) {
      const auto k = DepthReadoutSample(profile, x);
      if (!k) continue;
      Check(*k >= 0 && *k < profile.SampleCount, "readout picks a sample of the dive");
      DepthReadoutText(profile, *k, units);
      SpeedReadoutText(profile, *k, units);
    }
  }
  return 0;
}
