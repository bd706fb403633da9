#pragma once

#include "logbook/DiveRecord.h"

namespace scrb {

// Turns the raw profile block into per-sample depth, event flags and status, once per record.
void DecodeProfile(DiveRecord& dive);

// Number of entries of SampleDepth and SampleFlags for a profile block of n bytes (SampleStatus
// has one more): R + 1 with R = 3n/7 + 1 rounded half to even.
size_t SampleArraySize(int32_t profileLength);

// Where the first sample starts: 22, or 24 when the byte at 22 is 0 (two padding bytes).
int ProfileSampleStart(const std::string& profileData);

}  // namespace scrb
