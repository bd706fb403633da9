#pragma once

// The logbooks the benchmarks read: dives of realistic size built byte by byte, the same on every
// run.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "support/LogbookBuilder.h"

namespace scrb::bench {

// A dive to `depth` metres over `minutes`: a descent at 18 m/min, a slow drift upward, a safety
// stop at 5 m, with air levels that follow the effort and a few alarm and event flags.
inline test::ProfileBuilder DiveProfile(double depth, int minutes, uint32_t seed) {
  test::ProfileBuilder profile;
  const int samples = minutes * 3;
  for (int k = 0; k < samples; ++k) {
    const double t = (k + 1) / 3.0;
    double d = std::min(depth, t * 18) - (t > 5 ? (depth - 8) * (t - 5) / minutes : 0);
    if (t > minutes - 5) d = std::min(d, 5.0);
    if (t > minutes - 1) d = std::min(d, (minutes - t) * 9);
    d += ((seed + static_cast<uint32_t>(k) * 2654435761u) >> 28) * 0.05;
    test::RawSample s;
    s.RawDepth = static_cast<int>(std::max(0.0, d) * 1024 / 160);
    s.Flags = (k + seed) % 97 == 11 ? 16 : ((k + seed) % 61 == 3 ? 1 : 0);
    profile.Samples.push_back(s);
  }
  for (int g = 0; g < minutes; ++g) {
    const int airLevel = 1 + (g * 5 / minutes + (seed + g) % 3) % 7;
    profile.Status.push_back(airLevel << 4 | ((seed + g) % 17 == 0 ? 1 : 0));
  }
  return profile;
}

inline test::EntryBuilder DiveEntry(int number, double depth, int minutes, uint32_t seed) {
  static const char* const kLocations[] = {"Lake Constance",      "Red Sea", "Gozo",
                                           "Roatan, Bay Islands", "Brac",    "Plitvice"};
  static const char* const kSites[] = {"Pier",       "Blue Hole", "Thistlegorm wreck",
                                       "Inland Sea", "Cathedral", "North Wall East"};
  test::EntryBuilder entry;
  entry.DiveNumber = number;
  entry.Location = kLocations[seed % 6];
  entry.Site = kSites[(seed / 6) % 6];
  entry.Partners = seed % 3 == 0 ? "Anna, Ben" : "Chris";
  entry.Comment = seed % 4 == 0 ? "Good visibility, a turtle at the end of the reef." : "";
  entry.MaxDepth = static_cast<int>(depth * 100);
  entry.DivingTimeMinutes = minutes;
  entry.TankCapacity = seed % 2 == 0 ? 1200 : 1500;
  entry.AirConsumption = 12000 + static_cast<int>(seed % 7) * 1000;
  entry.Profile = DiveProfile(depth, minutes, seed).Bytes();
  return entry;
}

// A season after season of dives between 20 and 70 minutes and 8 and 40 metres.
inline std::string ManyDives(int count) {
  std::vector<test::EntryBuilder> entries;
  entries.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const auto seed = static_cast<uint32_t>(i * 7919 + 13);
    entries.push_back(DiveEntry(i + 1, 8 + seed % 33, 20 + static_cast<int>(seed / 33 % 51), seed));
  }
  return test::BuildLogbook(entries);
}

// One 90-minute dive to 30 m.
inline std::string NinetyMinuteLogbook() {
  return test::BuildLogbook({DiveEntry(1, 30, 90, 5)});
}

// Six 90-minute dives from 18 to 33 m: the most the comparison window shows at once.
inline std::string SixNinetyMinuteLogbook() {
  std::vector<test::EntryBuilder> entries;
  for (int i = 0; i < 6; ++i) entries.push_back(DiveEntry(i + 1, 18 + 3 * i, 90, 5 + i));
  return test::BuildLogbook(entries);
}

// The baseline the reading and writing benchmarks are measured against: every byte visited once
// through a dependent chain (FNV-1a), which no compiler can turn into a wide memory scan.
inline void PlainPass(benchmark::State& state, const std::string& bytes) {
  for (auto _ : state) {
    uint32_t hash = 2166136261u;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    benchmark::DoNotOptimize(hash);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

}  // namespace scrb::bench
