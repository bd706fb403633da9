#include "cli/Commands.h"
#include "report/NumberFormat.h"
#include "saturation/SurfacePressureEntry.h"

namespace scrb::cli {

std::optional<double> SurfacePressureOption(const CliArgs& args) {
  if (!args.Option("surface-pressure")) return std::nullopt;
  const double pressure = DoubleOption(args, "surface-pressure", 1.0);
  if (!(pressure > kMinSurfacePressure)) {
    throw UsageError{"--surface-pressure takes a pressure in bar above " +
                     GeneralNumber(kMinSurfacePressure)};
  }
  return pressure;
}

void ApplySurfacePressure(DiveRecord& dive, double pressure) {
  dive.SurfacePressure = pressure;
  dive.SaturationComputed = false;
}

DiveUnderModel DiveUnderModelOptions(const CliArgs& args, Logbook& book, DecoModel& model) {
  const int modelNumber = IntOption(args, "model", 0, 0, 2);
  const std::optional<double> surfacePressure = SurfacePressureOption(args);
  const int dive = DiveOption(args, book);
  if (surfacePressure)
    ApplySurfacePressure(book.Dives[static_cast<size_t>(dive)], *surfacePressure);
  LoadDecoModel(model, modelNumber);
  return {dive};
}

}  // namespace scrb::cli
