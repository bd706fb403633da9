#pragma once

// What every fuzz target shares: the input read as a logbook file, parameters drawn from the
// input's tail, and checks that abort on a broken invariant so that libFuzzer keeps the input.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
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

// Parameters are taken from the end of the input (FuzzedDataProvider consumes integers from the
// back), where a logbook keeps the bytes of its last profile; a mutation there changes both.
inline FuzzedDataProvider Parameters(const uint8_t* data, size_t size) {
  return {data, size};
}

// Either unit system, so that both ways of converting figures meet the fuzzed values.
inline UnitSystem Units(FuzzedDataProvider& parameters) {
  return parameters.ConsumeBool() ? UnitSystem::Imperial : UnitSystem::Metric;
}

// A chart surface of a size a window could give it, from a sliver to a large monitor.
inline test::RecordingSurface Surface(FuzzedDataProvider& parameters) {
  const double width = parameters.ConsumeIntegralInRange<int>(15, 40000);
  const double height = parameters.ConsumeIntegralInRange<int>(15, 25000);
  return test::RecordingSurface(width, height);
}

// Mouse positions in a chart's user coordinates: around the dive's time axis, at its ends and far
// outside it.
inline std::vector<float> Positions(FuzzedDataProvider& parameters, const DecodedProfile& dive) {
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
