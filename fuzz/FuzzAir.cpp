// The air model, the air and physiology charts and the air readout over every dive the reader
// keeps.

#include "FuzzSupport.h"
#include "air/AirCharts.h"
#include "air/AirModel.h"
#include "air/AirReadout.h"
#include "air/PhysCharts.h"
#include "logbook/ProfileDecoder.h"

using namespace scrb;
using scrb::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider parameters = fuzz::Parameters(data, size);
  for (DiveRecord& dive : fuzz::ReadDives(data, size)) {
    DecodeProfile(dive);
    int progressCalls = 0;
    ComputeAirModel(dive, [&](const std::string&) { ++progressCalls; });
    Check(dive.AirComputed, "air computed flag set");
    Check(progressCalls <= kMaxAirPasses + 2, "progress reported once per pass");
    Check(std::isfinite(dive.BaseBreathRate) && std::isfinite(dive.MaxBreathRate), "rates finite");

    auto surface = fuzz::Surface(parameters);
    DrawBreathRateChart(dive, surface);
    DrawTankChart(dive, surface);
    DrawColdChart(dive, surface);
    DrawBubbleChart(dive, surface);
    DrawConsumptionChart(dive, surface);
    fuzz::CheckDrawing(surface);

    for (const float x : fuzz::Positions(parameters, dive)) {
      const auto caption = AirReadoutCaption(dive, x);
      if (caption) Check(caption->find("nan") == std::string::npos, "readout shows numbers");
    }
  }
  return 0;
}
