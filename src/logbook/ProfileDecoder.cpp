#include "logbook/ProfileDecoder.h"

#include <cmath>

#include "logbook/SampleAccess.h"

namespace scrb {

namespace {

constexpr int kProfileHeaderBytes = 22;
constexpr double kMetresPerRawUnit = 160.0 / 1024.0;
constexpr size_t kModelCodeByte = 4;

}  // namespace

size_t SampleArraySize(int32_t profileLength) {
  const double r = std::nearbyint(3.0 * profileLength / 7.0 + 1.0);  // default mode: half to even
  return static_cast<size_t>(r) + 1;
}

int ModelCode(const DiveRecord& dive) {
  return ByteAt(dive.DiveFooter, kModelCodeByte);
}

ProfileLayout ProfileLayoutOf(const DiveRecord& dive) {
  const int model = ModelCode(dive);
  if (model >= 0xA0 && model <= 0xAF) return {25, 2};
  if (model >= 0xF0) return {24, 1};
  // A block too short to hold byte 22 holds no sample either way.
  if (dive.ProfileData.size() <= kProfileHeaderBytes) return {kProfileHeaderBytes, 1};
  return {ByteAt(dive.ProfileData, kProfileHeaderBytes) != 0 ? kProfileHeaderBytes
                                                             : kProfileHeaderBytes + 2,
          1};
}

DecodedProfile DecodeProfile(const DiveRecord& dive) {
  DecodedProfile profile;
  const int n = static_cast<int>(dive.ProfileData.size());
  if (n <= 0) return profile;

  const size_t size = SampleArraySize(n);
  profile.SampleDepth.assign(size, 0.0);
  profile.SampleFlags.assign(size, 0);
  profile.SampleStatus.assign(size + 1, 0);

  // A block too short for its first sample holds no samples.
  const ProfileLayout layout = ProfileLayoutOf(dive);
  int p = layout.SampleStart;
  if (p + 2 > n) return profile;

  const auto byteAt = [&](int position) {
    return ByteAt(dive.ProfileData, static_cast<size_t>(position));
  };
  size_t i = 0;
  int k = 0;
  do {
    if (i + 2 >= size) break;  // cannot happen for R as defined; kept so no input writes past it
    const int b1 = byteAt(p);
    const int b2 = byteAt(p + 1);
    profile.SampleDepth[i] = (4 * b1 + (b2 >> 6)) * kMetresPerRawUnit;
    profile.SampleFlags[i] = static_cast<int16_t>(b2 & 63);
    ++k;
    // The status group follows every third sample, but only counts when a byte follows the
    // status byte; a group cut short at the end is never read as a sample.
    if (p + 3 < n && k == kSamplesPerMinute) {
      k = 0;
      profile.SampleStatus[i] = static_cast<int16_t>(byteAt(p + 2));
      if (i > 0) profile.SampleStatus[i - 1] = -1;
      if (i > 1) profile.SampleStatus[i - 2] = -1;
      profile.SampleStatus[i + 1] = -1;
      profile.SampleStatus[i + 2] = -1;
      p += 2 + layout.StatusGroupBytes;
    } else {
      p += 2;
    }
    ++i;
  } while (p < n - 1);
  profile.SampleCount = static_cast<int32_t>(i);
  return profile;
}

}  // namespace scrb
