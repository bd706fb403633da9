// Profile decoding over the profiles the reader keeps and over the raw input taken as one
// profile block: arrays sized as the charts expect, values within what the bytes can encode.

#include "FuzzSupport.h"
#include "logbook/ProfileDecoder.h"

using namespace scrb;
using scrb::fuzz::Check;

namespace {

void DecodeAndCheck(const DiveRecord& record) {
  const DecodedProfile dive = DecodeProfile(record);
  Check(dive.SampleCount >= 0, "sample count not negative");
  if (record.ProfileData.empty()) {
    Check(dive.SampleCount == 0, "no samples without a profile");
    return;
  }
  const size_t size = SampleArraySize(static_cast<int32_t>(record.ProfileData.size()));
  Check(dive.SampleDepth.size() == size && dive.SampleFlags.size() == size &&
            dive.SampleStatus.size() == size + 1,
        "sample arrays sized from the profile length");
  // The charts read one entry past the last sample, the saturation two.
  Check(static_cast<size_t>(dive.SampleCount) + 2 <= dive.SampleStatus.size(), "room behind the samples");
  Check(static_cast<size_t>(dive.SampleCount) + 1 <= dive.SampleDepth.size(), "room behind the depths");
  Check(dive.SampleCount <= static_cast<int32_t>(record.ProfileData.size()) / 2, "at most one sample per two bytes");
  for (size_t i = 0; i < size; ++i) {
    Check(dive.SampleDepth[i] >= 0 && dive.SampleDepth[i] <= 159.84375, "depth in range");
    Check(dive.SampleFlags[i] >= 0 && dive.SampleFlags[i] <= 63, "flags in range");
  }
  for (const int16_t status : dive.SampleStatus) Check(status >= -1 && status <= 255, "status in range");

  const DecodedProfile again = DecodeProfile(record);
  Check(again.SampleCount == dive.SampleCount && again.SampleDepth == dive.SampleDepth &&
            again.SampleStatus == dive.SampleStatus,
        "a second decode gives the same");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (const DiveRecord& dive : fuzz::ReadDives(data, size)) DecodeAndCheck(dive);

  if (size <= 32768) {
    DiveRecord raw;
    raw.ProfileData.assign(fuzz::Bytes(data, size));
    raw.ProfileLength = static_cast<int32_t>(size);
    DecodeAndCheck(raw);
  }
  return 0;
}
