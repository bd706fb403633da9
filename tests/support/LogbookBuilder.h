#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "logbook/DiveRecord.h"

namespace scrb::test {

// One sample as stored: depth in raw units of 0.15625 m (0..1023) and the six event flags.
struct RawSample {
  int RawDepth = 0;
  int Flags = 0;
};

// The bytes of a profile block: a header, then samples in groups of three, each group followed
// by its status byte (`Status[g]` for minute g, 0 where missing). The model code chooses the
// layout: the earlier models' 22-byte header (optionally padded by two bytes), the nitrox models'
// (0xF0..0xFF) 24 bytes, or the oxygen-capable models' (0xA0..0xAF) 25 bytes with a second byte
// behind every status byte.
struct ProfileBuilder {
  // Read as a sample it would be over 120 m deep, so a decoder that takes it for one shows.
  static constexpr char kSecondGroupByte = '\xC3';

  std::vector<RawSample> Samples{};
  std::vector<int> Status{};
  bool Padding = false;     // earlier models: byte 22 is 0 and two bytes are skipped
  bool FinalStatus = true;  // write the status byte of a last complete group
  int ModelCode = 0;        // byte 4 of the dive footer

  std::string Bytes() const;
  std::string Footer() const;  // twelve bytes that name the model code

  // Depths in metres rounded down to the raw unit.
  static std::vector<RawSample> FromDepths(const std::vector<double>& metres,
                                           const std::vector<int>& flags = {});
};

// The bytes of one dive entry. Numeric fields take raw words as stored (centi-units for
// temperatures, capacities, depths and consumption; minutes for times).
struct EntryBuilder {
  std::string DiveHeader = std::string("\x12\x34", 2);
  uint32_t DayCount = 145656;  // 17/10/1998
  int TimeZone = 1;
  int DiveTimeMinutes = 720;
  std::string Location = "Lake";  // DOS bytes
  std::string Site = "Pier";
  int AltitudeClass = 1;
  int SurfaceIntervalMinutes = 90;
  int Weather = 1;
  int AirTemperature = 2100;
  int Suit = 3;
  int TankCapacity = 1200;
  int MaxDepth = 1898;
  int DivingTimeMinutes = 45;
  int WaterTemperature = 1548;
  int AirConsumption = 10000;
  int DiveType = 0x44;
  int DiveActivity = 1;
  std::string OtherActivities{};
  std::string Partners{};
  std::string Comment{};
  int Alarms = 0;
  int DiveNumber = 7;
  std::string DiveFooter = std::string(12, '\0');
  std::string Profile{};           // raw profile block
  int ProfileLengthOverride = -1;  // write this length word instead of Profile.size() when >= 0

  std::string Bytes() const;
};

// A whole logbook file: 6 header bytes, the dive count word, 4 more bytes, then the entries.
std::string BuildLogbook(const std::vector<EntryBuilder>& entries, int diveCountOverride = -1);

// A logbook of one to four dives drawn from `seed`, the same bytes for the same seed: odd and
// extreme values, missing-value marks, DOS texts with control characters or empty, every range of
// model codes, profiles of any length with any flags and status, now and then a cut profile.
std::string RandomLogbook(uint32_t seed);

// A record as the reader would leave it, its deepest sample as maximum depth: for tests of
// everything that works on decoded samples.
DiveRecord MakeDecodedDive(const ProfileBuilder& profile, double tankCapacity = 12,
                           double airConsumption = 150);

// A path in the source tree, e.g. "examples/sample.log"; a file's bytes, empty when missing.
std::string SourcePath(const std::string& relative);
std::string ReadFile(const std::string& path);
std::string SampleLogbook();  // the bytes of examples/sample.log

// Writes bytes to a new file in a fresh temporary folder and returns its path.
std::string WriteTempFile(const std::string& name, const std::string& bytes);

}  // namespace scrb::test
