#include "cli/Commands.h"
#include "report/NumberFormat.h"
#include "saturation/SurfacePressureEntry.h"

namespace scrb::cli {

DiveUnderModel DiveUnderModelOptions(const CliArgs& args, Logbook& book, DecoModel& model) {
  const int modelNumber = IntOption(args, "model", 0, 0, 2);
  const std::optional<double> surfacePressure =
      args.Option("surface-pressure")
          ? std::optional<double>(DoubleOption(args, "surface-pressure", 1.0))
          : std::nullopt;
  if (surfacePressure && !(*surfacePressure > kMinSurfacePressure)) {
    throw UsageError{"--surface-pressure takes a pressure in bar above " +
                     GeneralNumber(kMinSurfacePressure)};
  }
  const int dive = DiveOption(args, book);
  if (surfacePressure) {
    DiveRecord& record = book.Dives[static_cast<size_t>(dive)];
    record.SurfacePressure = *surfacePressure;
    record.SaturationComputed = false;
  }
  LoadDecoModel(model, modelNumber);
  return {dive};
}

}  // namespace scrb::cli
