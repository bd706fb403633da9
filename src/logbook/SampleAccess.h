#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "logbook/ProfileDecoder.h"

namespace scrb {

// Safe reads of a decoded profile and of the results kept beside it. The arrays run past the last
// sample (the return to the surface), and a record whose arrays are shorter than its SampleCount
// says reads 0 there, as the decoder leaves such entries, rather than failing.

// The unsigned value of the byte at a position of a raw field, 0 past its end.
inline int ByteAt(std::string_view bytes, size_t position) {
  return position < bytes.size() ? static_cast<unsigned char>(bytes[position]) : 0;
}

template <typename T>
T EntryOr0(const std::vector<T>& values, int64_t index) {
  if (index < 0 || static_cast<uint64_t>(index) >= values.size()) return T{};
  return values[static_cast<size_t>(index)];
}

inline int32_t DecodedSampleCount(const DecodedProfile& profile) {
  return profile.SampleCount > 0 ? profile.SampleCount : 0;
}

inline double SampleDepthAt(const DecodedProfile& profile, int64_t k) {
  return EntryOr0(profile.SampleDepth, k);
}

// Only the low byte of a flag word carries events.
inline int SampleFlagsAt(const DecodedProfile& profile, int64_t k) {
  return EntryOr0(profile.SampleFlags, k) & 0xFF;
}

// Index of the last sample of sample k's minute, which holds the minute's status byte and its
// air results.
inline int MinuteEnd(int k) {
  return k - k % 3 + 2;
}

}  // namespace scrb
