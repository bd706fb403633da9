#include "support/LogbookBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

#include "logbook/ProfileDecoder.h"

namespace scrb::test {

namespace {

// Little-endian word of the file format (the low 16 bits of value).
std::string Word(int value) {
  return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

std::string Counted(const std::string& text) {
  return static_cast<char>(text.size() & 0xFF) + text;
}

}  // namespace

std::string ProfileBuilder::Bytes() const {
  const bool oxygen = ModelCode >= 0xA0 && ModelCode <= 0xAF;
  const bool nitrox = ModelCode >= 0xF0 && ModelCode <= 0xFF;
  // Unpadded, the first sample byte of an earlier model sits at 22 and must not be 0, or the
  // reader would take it for padding.
  std::string bytes(oxygen ? 25 : nitrox ? 24 : 22, '\x11');
  if (Padding && !oxygen && !nitrox) bytes += std::string(2, '\0');
  for (size_t i = 0; i < Samples.size(); ++i) {
    const int raw = std::clamp(Samples[i].RawDepth, 0, 1023);
    bytes += static_cast<char>(raw >> 2);
    bytes += static_cast<char>(((raw & 3) << 6) | (Samples[i].Flags & 63));
    if (i % 3 == 2 && (i + 1 < Samples.size() || FinalStatus)) {
      const size_t minute = i / 3;
      bytes += static_cast<char>(minute < Status.size() ? Status[minute] : 0);
      if (oxygen) bytes += kSecondGroupByte;
    }
  }
  return bytes;
}

std::string ProfileBuilder::Footer() const {
  std::string footer(12, '\0');
  footer[4] = static_cast<char>(ModelCode);
  return footer;
}

std::vector<RawSample> ProfileBuilder::FromDepths(const std::vector<double>& metres,
                                                  const std::vector<int>& flags) {
  std::vector<RawSample> samples;
  for (size_t i = 0; i < metres.size(); ++i) {
    samples.push_back({static_cast<int>(std::floor(metres[i] * 1024.0 / 160.0 + 1e-9)),
                       i < flags.size() ? flags[i] : 0});
  }
  return samples;
}

std::string EntryBuilder::Bytes() const {
  std::string b = DiveHeader.substr(0, 2);
  for (int shift : {0, 8, 16}) b += static_cast<char>((DayCount >> shift) & 0xFF);
  b += static_cast<char>(TimeZone);
  b += Word(DiveTimeMinutes);
  b += Counted(Location) + Counted(Site);
  b += static_cast<char>(AltitudeClass);
  b += Word(SurfaceIntervalMinutes);
  b += static_cast<char>(Weather);
  b += Word(AirTemperature);
  b += static_cast<char>(Suit);
  for (int word : {TankCapacity, MaxDepth, DivingTimeMinutes, WaterTemperature, AirConsumption,
                   DiveType, DiveActivity}) {
    b += Word(word);
  }
  b += Counted(OtherActivities) + Counted(Partners) + Counted(Comment);
  b += Word(Alarms) + Word(DiveNumber);
  b += DiveFooter.substr(0, 12);
  b += Word(ProfileLengthOverride >= 0 ? ProfileLengthOverride : static_cast<int>(Profile.size()));
  b += Profile;
  return b;
}

std::string BuildLogbook(const std::vector<EntryBuilder>& entries, int diveCountOverride) {
  std::string bytes(6, '\0');
  bytes += Word(diveCountOverride >= 0 ? diveCountOverride : static_cast<int>(entries.size()));
  bytes += std::string(4, '\0');
  for (const EntryBuilder& e : entries) bytes += e.Bytes();
  return bytes;
}

std::string RandomLogbook(uint32_t seed) {
  std::mt19937 random(seed);
  const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  const auto pick = [&](std::initializer_list<int> values) {
    return *(values.begin() + below(static_cast<int>(values.size())));
  };
  // A word: the missing mark, an extreme, zero, a small or any value.
  const auto word = [&] {
    switch (below(6)) {
      case 0:
        return 0x7FFF;
      case 1:
        return pick({0, -1, 1, -0x8000, 0x7FFE, 0xFFFF});
      case 2:
        return below(3000);
      case 3:
        return -below(3000);
      default:
        return below(0x10000);
    }
  };
  const auto text = [&] {
    std::string t;
    const int length = pick({0, 0, 1, 3, 12, 40, 255});
    for (int i = 0; i < length; ++i) {
      t += below(4) == 0 ? static_cast<char>(below(0x20)) : static_cast<char>(0x20 + below(0xE0));
    }
    return below(8) == 0 ? std::string(static_cast<size_t>(length), ' ') : t;
  };
  std::vector<EntryBuilder> entries(static_cast<size_t>(1 + below(4)));
  for (EntryBuilder& e : entries) {
    e.DayCount = below(4) == 0 ? static_cast<uint32_t>(pick({0, 1, 0xFFFFFF, 0x7FFFFF}))
                               : 140000 + static_cast<uint32_t>(below(20000));
    e.TimeZone = below(256);
    e.DiveTimeMinutes = below(3) == 0 ? word() : below(1440);
    e.Location = text();
    e.Site = text();
    e.AltitudeClass = below(3) == 0 ? below(256) : below(8);
    e.SurfaceIntervalMinutes = word();
    e.Weather = below(256);
    e.AirTemperature = word();
    e.Suit = below(256);
    e.TankCapacity = word();
    e.MaxDepth = word();
    e.DivingTimeMinutes = word();
    e.WaterTemperature = word();
    e.AirConsumption = word();
    e.DiveType = word();
    e.DiveActivity = word();
    e.OtherActivities = text();
    e.Partners = text();
    e.Comment = text();
    e.Alarms = word();
    e.DiveNumber = word();

    ProfileBuilder profile;
    profile.ModelCode = pick({0, 0x9F, 0xA0 + below(16), 0xF0 + below(16), below(256)});
    profile.Padding = below(2) == 0;
    profile.FinalStatus = below(4) != 0;
    const int samples = pick({0, 1, 2, 3, 4, 30, 90, 300, 1200}) + below(3);
    for (int k = 0; k < samples; ++k) {
      const int flags = below(8) == 0 ? below(64) : 0;
      profile.Samples.push_back({below(5) == 0 ? below(1024) : std::min(1023, k * 2), flags});
    }
    for (int g = 0; g * 3 < samples; ++g) profile.Status.push_back(below(256));
    e.DiveFooter = profile.Footer();
    e.Profile = profile.Bytes();
    if (below(10) == 0)
      e.Profile.resize(static_cast<size_t>(below(static_cast<int>(e.Profile.size()) + 1)));
  }
  return BuildLogbook(entries);
}

DiveRecord MakeDecodedDive(const ProfileBuilder& profile, double tankCapacity,
                           double airConsumption) {
  DiveRecord dive;
  dive.DiveNumber = 1;
  dive.ProfileData = profile.Bytes();
  dive.ProfileLength = static_cast<int32_t>(dive.ProfileData.size());
  dive.DiveFooter = profile.Footer();
  dive.TankCapacity = tankCapacity;
  dive.AirConsumption = airConsumption;
  dive.SurfacePressure = 1.0;
  const DecodedProfile decoded = DecodeProfile(dive);
  dive.MaxDepth = 0;
  for (int i = 0; i < decoded.SampleCount; ++i)
    dive.MaxDepth = std::max(dive.MaxDepth, decoded.SampleDepth[static_cast<size_t>(i)]);
  return dive;
}

std::string SourcePath(const std::string& relative) {
  // The test runner names the source tree; run by hand, the tree is where this file lies.
  const char* root = std::getenv("BATHYSCRIBE_SOURCE_DIR");
  const std::filesystem::path tree =
      root != nullptr ? std::filesystem::path(root)
                      : std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
  return (tree / relative).string();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::string SampleLogbook() {
  return ReadFile(SourcePath("examples/sample.log"));
}

std::string WriteTempFile(const std::string& name, const std::string& bytes) {
  static std::mt19937_64 random{std::random_device{}()};
  const auto folder =
      std::filesystem::temp_directory_path() / ("bathyscribe-test-" + std::to_string(random()));
  std::filesystem::create_directories(folder);
  const auto path = folder / name;
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  // Forward slashes on Windows too: the tests put these paths into INI text, where a backslash
  // would be an escape.
  const std::u8string utf8 = path.generic_u8string();
  return {utf8.begin(), utf8.end()};
}

}  // namespace scrb::test
