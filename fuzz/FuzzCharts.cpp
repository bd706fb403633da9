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
  FuzzedDataProvider parameters = fuzz::Parameters(data, size);
  for (DiveRecord& dive : fuzz::ReadDives(data, size)) {
    DecodeProfile(dive);
    auto depth = fuzz::Surface(parameters);
    DrawDepthChart(dive, depth);
    Check(!DepthChartTitle(dive).empty(), "depth title");
    for (const int view : {0, 1}) {
      auto strip = fuzz::Surface(parameters);
      DrawAlarmStrip(dive, strip, view);
      fuzz::CheckDrawing(strip);
    }
    auto speed = fuzz::Surface(parameters);
    DrawVerticalSpeedChart(dive, speed);
    Check(VerticalSpeeds(dive).size() == static_cast<size_t>(dive.SampleCount) + 1, "one speed per sample and the end");
    fuzz::CheckDrawing(depth);
    fuzz::CheckDrawing(speed);

    for (const float x : fuzz::Positions(parameters, dive)) {
      const auto k = DepthReadoutSample(dive, x);
      if (!k) continue;
      Check(*k >= 0 && *k < dive.SampleCount, "readout picks a sample of the dive");
      DepthReadoutText(dive, *k);
      SpeedReadoutText(dive, *k);
    }
  }
  return 0;
}
