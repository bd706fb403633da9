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

void ApplyModelOptions(const CliArgs& args, AnalysisCache& analysis) {
  analysis.SetModel(IntOption(args, "model", 0, 0, 2));
  analysis.SetRepetitive(args.Option("repetitive").has_value());
}

DiveUnderModel DiveUnderModelOptions(const CliArgs& args, const Logbook& book,
                                     AnalysisCache& analysis) {
  IntOption(args, "model", 0, 0, 2);  // refused before anything else is looked at
  const std::optional<double> surfacePressure = SurfacePressureOption(args);
  const int dive = DiveOption(args, book);
  if (surfacePressure) analysis.SetSurfacePressure(dive, *surfacePressure);
  ApplyModelOptions(args, analysis);
  return {dive};
}

}  // namespace scrb::cli
