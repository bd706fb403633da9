#include "charts/DepthReadout.h"

#include <algorithm>
#include <cmath>

#include "charts/ProfileSamples.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"

namespace scrb {

std::optional<int32_t> DepthReadoutSample(const DecodedProfile& profile, float x) {
  const int32_t count = DecodedSampleCount(profile);
  if (count == 0) return {};
  const auto lastSampleTime = static_cast<float>(count * 100.0 / 3);
  if (!(x >= 0 && x <= lastSampleTime)) return {};
  // Halves go to the even neighbour, as the readout has always rounded.
  const double nearest = std::nearbyint(3.0 * static_cast<double>(x) / 100 - 1);
  if (nearest < 0) return 0;
  // Single-precision x can land a hair past the last sample's time.
  return static_cast<int32_t>(std::min<double>(nearest, count - 1));
}

std::string DepthReadoutText(const DecodedProfile& profile, int32_t k) {
  return "Time=" + SampleTimeText(k) + " Depth=" + FormatPattern(SampleDepthAt(profile, k), "0.0") +
         " m";
}

std::optional<std::string> SpeedReadoutText(const DecodedProfile& profile, int32_t k) {
  if (k < 1) return {};
  const double speed = -(SampleDepthAt(profile, k) - SampleDepthAt(profile, k - 1)) * 3;
  return " Vertical Speed=" + FormatPattern(speed, "0.0") + " m/min";
}

}  // namespace scrb
