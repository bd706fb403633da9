// The saturation under each of the three models, with the surface pressures a user can type, its
// charts, summary, legend and readout; also results of one model drawn under another.

#include <array>

#include "FuzzSupport.h"
#include "logbook/ProfileDecoder.h"
#include "saturation/DecoModel.h"
#include "saturation/Saturation.h"
#include "saturation/SaturationCharts.h"
#include "saturation/SaturationReadout.h"
#include "saturation/SurfacePressureEntry.h"
#include "saturation/TissueLegend.h"

using namespace scrb;
using scrb::fuzz::Check;

namespace {

const std::array<DecoModel, kDecoModelChoices>& Models() {
  static const auto models = [] {
    std::array<DecoModel, kDecoModelChoices> loaded;
    for (int m = 0; m < kDecoModelChoices; ++m) LoadDecoModel(loaded[static_cast<size_t>(m)], m);
    return loaded;
  }();
  return models;
}

void DrawAndRead(const DecodedProfile& profile, const SaturationResult& result,
                 const DecoModel& model, fuzz::InputTail& parameters) {
  const UnitSystem units = fuzz::Units(parameters);
  auto pressure = fuzz::Surface(parameters);
  auto overSaturation = fuzz::Surface(parameters);
  DrawTissuePressureChart(profile, result, model, pressure, units, Palette::Classic());
  DrawOverSaturationChart(profile, result, model, overSaturation, Palette::Classic());
  fuzz::CheckDrawing(pressure);
  fuzz::CheckDrawing(overSaturation);
  MaxOverSaturationText(profile, result, model);
  for (const float x : fuzz::Positions(parameters, profile))
    ReadSaturation(profile, result, model, x, units);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::InputTail parameters = fuzz::Parameters(data, size);
  std::vector<DiveRecord> dives = fuzz::ReadDives(data, size);
  for (const DiveRecord& dive : dives) {
    const DecodedProfile profile = DecodeProfile(dive);
    double surfacePressure = dive.SurfacePressure;
    if (parameters.ConsumeBool()) {
      const auto typed = AcceptedSurfacePressure(parameters.ConsumeRandomLengthString(24));
      if (typed) surfacePressure = *typed;
    }
    for (const DecoModel& model : Models()) {
      const SaturationResult result = ComputeSaturation(profile, surfacePressure, model);
      if (profile.SampleCount > 0 && !result.TissuePressure.empty())
        Check(SaturationFits(profile, result, model),
              "results fit the model they were computed under");
      Check(std::isfinite(result.MaxTissuePressure) && std::isfinite(result.MaxOverSaturation),
            "summary finite");
      DrawAndRead(profile, result, model, parameters);
      // A result must never be drawn as if it belonged to another model.
      const DecoModel& other =
          Models()[static_cast<size_t>((model.DecoModelNumber + 1) % kDecoModelChoices)];
      DrawAndRead(profile, result, other, parameters);
    }
  }
  for (const DecoModel& model : Models()) {
    auto legend = fuzz::Surface(parameters);
    DrawTissueLegend(model, legend, Palette::Classic());
    DrawSaturationProgress(model, legend, legend, Palette::Classic());
    fuzz::CheckDrawing(legend);
  }
  return 0;
}
