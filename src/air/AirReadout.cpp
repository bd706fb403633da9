#include "air/AirReadout.h"

#include <algorithm>
#include <cmath>

#include "air/AirModel.h"
#include "charts/SampleTimeAxis.h"
#include "logbook/SampleAccess.h"
#include "logbook/Translation.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"

namespace scrb {

int AirReadoutSample(float x) {
  return std::max(0, LastSampleOfMinuteBefore(x));
}

std::optional<std::string> AirReadoutCaption(const DiveRecord& dive, const DecodedProfile& profile,
                                             const AirEstimate& air, float x, UnitSystem units) {
  if (air.BaseBreathRate == 0) return std::nullopt;
  if (!(x >= 0 && x <= LastSampleTime(profile.SampleCount))) return std::nullopt;
  const int k = AirReadoutSample(x);
  // Nothing is stored before the end of the first minute: the tank is still at the amount used.
  const double tank = k <= 0 ? dive.AirConsumption : EntryOr0(air.SampleTankPressure, k);
  const auto figure = [units](Quantity quantity, double value) {
    return FormatIn(quantity, value, units, "0.0") + " " + std::string(UnitText(quantity, units));
  };
  return FillIn(
      Tr("Readouts", "%1, Time=%2, Depth=%3, Tank=%4, Breath=%5"),
      {AirSummaryCaption(air.BaseBreathRate, air.MaxBreathRate, units), SampleTimeText(k),
       figure(Quantity::Depth, EntryOr0(profile.SampleDepth, k)), figure(Quantity::Pressure, tank),
       figure(Quantity::BreathRate, EntryOr0(air.SampleBreathRate, k))});
}

}  // namespace scrb
