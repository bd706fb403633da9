#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "logbook/ProfileDecoder.h"

namespace scrb {

// Safe reads of a decoded profile and of the results kept beside it, and what a sample is: when it
// was taken, what its flags and its minute's status byte mean, and how fast the diver moved to
// reach it. Charts, readouts, the ruler and the exports ask here, so that they never drift apart.
// The arrays run past the last sample (the return to the surface), and a record whose arrays are
// shorter than its SampleCount says reads 0 there, as the decoder leaves such entries, rather than
// failing.

// The dive computer samples every 20 seconds, three times a minute; the minute's status byte comes
// with its last sample.
inline constexpr int kSampleSeconds = 20;
inline constexpr int kSamplesPerMinute = 60 / kSampleSeconds;

// Seconds into the dive at which sample k was taken: the end of its 20 s, sample 0 at 20 s.
constexpr int64_t SampleSeconds(int64_t k) {
  return (k + 1) * kSampleSeconds;
}

// The same in hundredths of a minute, the unit of every time axis. The whole numbers are
// multiplied before the division, so that a position is the same double wherever it is computed.
inline double SampleTime(int64_t k) {
  return static_cast<double>((k + 1) * 100) / kSamplesPerMinute;
}

// Where sample k's 20 s begin: the end of the sample before.
inline double SampleStartTime(int64_t k) {
  return static_cast<double>(k * 100) / kSamplesPerMinute;
}

// Index of the last sample of sample k's minute, which holds the minute's status byte and its
// air results.
inline int MinuteEnd(int k) {
  return k - k % kSamplesPerMinute + kSamplesPerMinute - 1;
}

// The event bits of a sample's flags.
inline constexpr int kDecoFlag = 1;
inline constexpr int kRbtFlag = 2;     // remaining bottom time
inline constexpr int kAscentFlag = 4;  // "up": too fast an ascent
inline constexpr int kSosFlag = 8;
inline constexpr int kAirFlag = 16;  // "ess" in the raw dump, "air" on the alarm strip
inline constexpr int kNoTransmitterFlag = 32;

// The warnings among the flags, which colour what follows them; deco and the transmitter are
// events.
inline bool IsAlarm(int flags) {
  return (flags & (kRbtFlag | kAscentFlag | kSosFlag | kAirFlag)) != 0;
}

// The parts of a minute's status byte: the bubble level 0..7, the cold bit, the air level 0..7
// in bits 4 to 6 (a level is 16 of the byte), and a top bit.
inline constexpr int kBubbleMask = 7;
inline constexpr int kColdBit = 8;
inline constexpr int kAirLevelMask = 112;
inline constexpr int kAirLevelUnit = 16;
inline constexpr int kStatusTopBit = 128;

// The vertical speed between two depths (metres) `seconds` apart, in metres a minute, ascent
// positive.
inline double VerticalSpeed(double earlierDepth, double laterDepth, int64_t seconds) {
  return (earlierDepth - laterDepth) * 60 / static_cast<double>(seconds);
}

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

// The vertical speed at sample k: over the 20 s since the sample before.
inline double VerticalSpeedAt(const DecodedProfile& profile, int64_t k) {
  return VerticalSpeed(SampleDepthAt(profile, k - 1), SampleDepthAt(profile, k), kSampleSeconds);
}

}  // namespace scrb
