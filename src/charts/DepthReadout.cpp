#include "charts/DepthReadout.h"

#include <algorithm>
#include <cmath>

#include "charts/ProfileSamples.h"
#include "logbook/Translation.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"

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

std::string DepthReadoutText(const DecodedProfile& profile, int32_t k) {
  return FillIn(Tr("Readouts", "Time=%1 Depth=%2 m"),
                {SampleTimeText(k), FormatPattern(SampleDepthAt(profile, k), "0.0")});
}

std::optional<std::string> SpeedReadoutText(const DecodedProfile& profile, int32_t k) {
  if (k < 1) return {};
  const double speed = -(SampleDepthAt(profile, k) - SampleDepthAt(profile, k - 1)) * 3;
  return FillIn(Tr("Readouts", " Vertical Speed=%1 m/min"), {FormatPattern(speed, "0.0")});
}

}  // namespace scrb
