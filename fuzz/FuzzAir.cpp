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
  fuzz::InputTail parameters = fuzz::Parameters(data, size);
  for (const DiveRecord& dive : fuzz::ReadDives(data, size)) {
    const DecodedProfile profile = DecodeProfile(dive);
    int progressCalls = 0;
    const AirEstimate air = ComputeAirModel(dive, profile, dive.SurfacePressure,
                                            [&](const std::string&) { ++progressCalls; });
    Check(progressCalls <= kMaxAirPasses + 2, "progress reported once per pass");
    Check(std::isfinite(air.BaseBreathRate) && std::isfinite(air.MaxBreathRate), "rates finite");

    const UnitSystem units = fuzz::Units(parameters);
    auto surface = fuzz::Surface(parameters);
    DrawBreathRateChart(profile, air, surface, units, Palette::Classic());
    DrawTankChart(dive, profile, air, surface, units, Palette::Classic());
    DrawColdChart(profile, surface, Palette::Classic());
    DrawBubbleChart(profile, surface, Palette::Classic());
    DrawConsumptionChart(profile, surface, Palette::Classic());
    fuzz::CheckDrawing(surface);

    for (const float x : fuzz::Positions(parameters, profile)) {
      const auto caption = AirReadoutCaption(dive, profile, air, x, units);
      if (caption) Check(caption->find("nan") == std::string::npos, "readout shows numbers");
    }
  }
  return 0;
}
