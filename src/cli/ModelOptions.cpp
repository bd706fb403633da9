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

DiveUnderModel DiveUnderModelOptions(const CliArgs& args, const Logbook& book,
                                     AnalysisCache& analysis) {
  const int modelNumber = IntOption(args, "model", 0, 0, 2);
  const std::optional<double> surfacePressure = SurfacePressureOption(args);
  const int dive = DiveOption(args, book);
  analysis.SetDives(&book.Dives);
  if (surfacePressure) analysis.SetSurfacePressure(dive, *surfacePressure);
  analysis.SetModel(modelNumber);
  return {dive};
}

}  // namespace scrb::cli
