#include "cli/Commands.h"
#include "saturation/SurfacePressureEntry.h"

namespace scrb::cli {

// The model window's rules, so that a script and the window agree on what a pressure is.
std::optional<double> SurfacePressureOption(const CliArgs& args) {
  const std::optional<std::string> text = args.Option("surface-pressure");
  if (!text) return std::nullopt;
  if (const std::optional<std::string> problem = SurfacePressureProblem(*text)) {
    throw UsageError{"--surface-pressure \"" + *text + "\": " + *problem};
  }
  return TypedSurfacePressure(*text);
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
