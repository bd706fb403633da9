#include "charts/DepthReadout.h"

#include <algorithm>
#include <cmath>

#include "charts/ProfileSamples.h"
#include "logbook/SampleAccess.h"
#include "logbook/Translation.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"
#include "report/Units.h"

namespace scrb {

std::optional<int32_t> DepthReadoutSample(const DecodedProfile& profile, float x) {
  const int32_t count = DecodedSampleCount(profile);
  if (count == 0) return {};
  if (!(x >= 0 && x <= LastSampleTime(count))) return {};
  const double nearest = NearestSample(x);
  if (nearest < 0) return 0;
  // Single-precision x can land a hair past the last sample's time.
  return static_cast<int32_t>(std::min<double>(nearest, count - 1));
}

std::string DepthReadoutText(const DecodedProfile& profile, int32_t k, UnitSystem units) {
  return FillIn(
      Tr("Readouts", "Time=%1 Depth=%2"),
      {SampleTimeText(k), FormatIn(Quantity::Depth, SampleDepthAt(profile, k), units, "0.0") + " " +
                              std::string(UnitText(Quantity::Depth, units))});
}

std::optional<std::string> SpeedReadoutText(const DecodedProfile& profile, int32_t k,
                                            UnitSystem units) {
  if (k < 1) return {};
  const double speed = VerticalSpeedAt(profile, k);
  return FillIn(Tr("Readouts", " Vertical Speed=%1"),
                {FormatIn(Quantity::Speed, speed, units, "0.0") + " " +
                 std::string(UnitText(Quantity::Speed, units))});
}

}  // namespace scrb
