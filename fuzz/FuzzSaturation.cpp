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

void DrawAndRead(const DiveRecord& dive, const DecoModel& model, FuzzedDataProvider& parameters) {
  auto pressure = fuzz::Surface(parameters);
  auto overSaturation = fuzz::Surface(parameters);
  DrawTissuePressureChart(dive, model, pressure);
  DrawOverSaturationChart(dive, model, overSaturation);
  fuzz::CheckDrawing(pressure);
  fuzz::CheckDrawing(overSaturation);
  MaxOverSaturationText(dive, model);
  for (const float x : fuzz::Positions(parameters, dive)) ReadSaturation(dive, model, x);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider parameters = fuzz::Parameters(data, size);
  std::vector<DiveRecord> dives = fuzz::ReadDives(data, size);
  for (DiveRecord& dive : dives) {
    DecodeProfile(dive);
    if (parameters.ConsumeBool()) ApplySurfacePressureText(dive, parameters.ConsumeRandomLengthString(24));
    for (const DecoModel& model : Models()) {
      DiveRecord copy = dive;
      copy.SaturationComputed = false;
      ComputeSaturation(copy, model);
      Check(copy.SaturationComputed, "saturation flag set");
      if (copy.SampleCount > 0) Check(SaturationFits(copy, model), "results fit the model they were computed under");
      Check(std::isfinite(copy.MaxTissuePressure) && std::isfinite(copy.MaxOverSaturation),
            "summary finite");
      DrawAndRead(copy, model, parameters);
      // A stale result must never be drawn as if it belonged to another model.
      const DecoModel& other = Models()[static_cast<size_t>((model.DecoModelNumber + 1) % kDecoModelChoices)];
      DrawAndRead(copy, other, parameters);
    }
  }
  for (const DecoModel& model : Models()) {
    auto legend = fuzz::Surface(parameters);
    DrawTissueLegend(model, legend);
    DrawSaturationProgress(model, legend, legend);
    fuzz::CheckDrawing(legend);
  }
  return 0;
}
