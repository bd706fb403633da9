#pragma once

#include <cstdint>
#include <vector>

#include "logbook/DiveRecord.h"

namespace scrb {

// A dive's profile as samples 20 seconds apart. The arrays run one (status: two) entries past the
// last sample because the charts and the saturation read those entries as the return to the
// surface.
struct DecodedProfile {
  int32_t SampleCount = 0;
  std::vector<double> SampleDepth;    // metres
  std::vector<int16_t> SampleFlags;   // event bits: 32 tx, 16 ess, 8 sos, 4 up, 2 rbt, 1 deco
  std::vector<int16_t> SampleStatus;  // status byte (air, cold, bubbles) per third sample, or -1
};

// Where a dive computer puts the samples of its profile block.
struct ProfileLayout {
  int SampleStart = 22;      // position of the first sample's first byte
  int StatusGroupBytes = 1;  // bytes behind every third sample: the status byte and any that follow
};

// The dive computer's model code: byte 4 of the dive footer (0 when the footer is short).
int ModelCode(const DiveRecord& dive);

// The layout of the dive's profile block, chosen by its model code: the oxygen-capable models
// (0xA0..0xAF) have a 25-byte header and a second byte behind every status byte, the nitrox models
// (0xF0..0xFF) a 24-byte header; all others start at 22, or at 24 when byte 22 is 0 (padding).
ProfileLayout ProfileLayoutOf(const DiveRecord& dive);

// Turns the raw profile block into per-sample depth, event flags and status.
DecodedProfile DecodeProfile(const DiveRecord& dive);

// Number of entries of SampleDepth and SampleFlags for a profile block of n bytes (SampleStatus
// has one more): R + 1 with R = 3n/7 + 1 rounded half to even.
size_t SampleArraySize(int32_t profileLength);

}  // namespace scrb
