#pragma once

// What every fuzz target shares: the input read as a logbook file, parameters drawn from the
// input's tail, and checks that abort on a broken invariant so that libFuzzer keeps the input.

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "logbook/DiveRecord.h"
#include "logbook/LogbookReader.h"
#include "logbook/ProfileDecoder.h"
#include "report/Units.h"
#include "support/RecordingSurface.h"

namespace scrb::fuzz {

// Enough dives to reach the second and later entries of a file, few enough to keep each run
// short.
constexpr size_t kMaxDivesPerRun = 6;

inline void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

inline std::string_view Bytes(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// The dives the reader keeps from the input, as the store would hold them.
inline std::vector<DiveRecord> ReadDives(const uint8_t* data, size_t size) {
  std::vector<DiveRecord> dives;
  ParseLogbook(Bytes(data, size), dives);
  if (dives.size() > kMaxDivesPerRun) dives.resize(kMaxDivesPerRun);
  return dives;
}

// Values drawn from an input the way libFuzzer's FuzzedDataProvider draws them (numbers from the
// back, strings from the front), so that an input means the same to a target built with clang
// and libFuzzer and to one built with any compiler and the replay driver, which has no such
// header.
class InputTail {
 public:
  InputTail(const uint8_t* data, size_t size) : data_(data), remaining_(size) {}

  size_t remaining_bytes() const { return remaining_; }

  template <typename T>
  T ConsumeIntegralInRange(T min, T max) {
    static_assert(std::is_integral_v<T>);
    if (min > max) std::abort();
    const uint64_t range = static_cast<uint64_t>(max) - static_cast<uint64_t>(min);
    uint64_t result = 0;
    for (size_t offset = 0;
         offset < sizeof(T) * CHAR_BIT && (range >> offset) > 0 && remaining_ != 0;
         offset += CHAR_BIT) {
      --remaining_;
      result = (result << CHAR_BIT) | data_[remaining_];
    }
    if (range != std::numeric_limits<uint64_t>::max()) result %= range + 1;
    return static_cast<T>(static_cast<uint64_t>(min) + result);
  }
  template <typename T>
  T ConsumeIntegral() {
    return ConsumeIntegralInRange(std::numeric_limits<T>::min(), std::numeric_limits<T>::max());
  }
  bool ConsumeBool() { return (ConsumeIntegral<uint8_t>() & 1) != 0; }

  template <typename T>
  T ConsumeFloatingPointInRange(T min, T max) {
    if (min > max) std::abort();
    T range = 0;
    T result = min;
    // A range wider than the type holds is taken in two halves.
    if (max > 0 && min < 0 && max > min + std::numeric_limits<T>::max()) {
      range = max / 2 - min / 2;
      if (ConsumeBool()) result += range;
    } else {
      range = max - min;
    }
    return result + range * ConsumeProbability<T>();
  }

  // Up to `maxLength` bytes from the front; a backslash ends the string unless it is doubled.
  std::string ConsumeRandomLengthString(size_t maxLength) {
    std::string result;
    for (size_t i = 0; i < maxLength && remaining_ != 0; ++i) {
      char next = static_cast<char>(Front());
      if (next == '\\' && remaining_ != 0) {
        next = static_cast<char>(Front());
        if (next != '\\') break;
      }
      result += next;
    }
    return result;
  }

 private:
  template <typename T>
  T ConsumeProbability() {
    using Bits = std::conditional_t<(sizeof(T) <= sizeof(uint32_t)), uint32_t, uint64_t>;
    return static_cast<T>(ConsumeIntegral<Bits>()) /
           static_cast<T>(std::numeric_limits<Bits>::max());
  }
  uint8_t Front() {
    const uint8_t byte = *data_++;
    --remaining_;
    return byte;
  }

  const uint8_t* data_;
  size_t remaining_;
};

// Parameters are taken from the end of the input, where a logbook keeps the bytes of its last
// profile; a mutation there changes both.
inline InputTail Parameters(const uint8_t* data, size_t size) {
  return {data, size};
}

// Either unit system, so that both ways of converting figures meet the fuzzed values.
inline UnitSystem Units(InputTail& parameters) {
  return parameters.ConsumeBool() ? UnitSystem::Imperial : UnitSystem::Metric;
}

// A chart surface of a size a window could give it, from a sliver to a large monitor.
inline test::RecordingSurface Surface(InputTail& parameters) {
  const double width = parameters.ConsumeIntegralInRange<int>(15, 40000);
  const double height = parameters.ConsumeIntegralInRange<int>(15, 25000);
  return test::RecordingSurface(width, height);
}

// Mouse positions in a chart's user coordinates: around the dive's time axis, at its ends and far
// outside it.
inline std::vector<float> Positions(InputTail& parameters, const DecodedProfile& dive) {
  const float right = static_cast<float>((dive.SampleCount / 3.0 + 1) * 100);
  std::vector<float> xs = {-1.0f,  0.0f,        0.5f,          33.3333f, 99.99f,
                           100.0f, right - 100, right - 33.3f, right,    right + 1};
  for (int i = 0; i < 8 && parameters.remaining_bytes() > 0; ++i) {
    xs.push_back(parameters.ConsumeBool()
                     ? parameters.ConsumeFloatingPointInRange(-200.0f, right + 200)
                     : parameters.ConsumeFloatingPointInRange(-3e9f, 3e9f));
  }
  return xs;
}

// What was drawn must lie somewhere a painter can put it.
inline void CheckDrawing(const test::RecordingSurface& surface) {
  for (const auto& op : surface.Ops()) {
    Check(std::isfinite(op.X1) && std::isfinite(op.Y1) && std::isfinite(op.X2) &&
              std::isfinite(op.Y2),
          "chart coordinates are finite");
  }
}

}  // namespace scrb::fuzz
