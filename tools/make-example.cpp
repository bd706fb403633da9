// Writes examples/sample.log: a season of a diver's logbook, made up but shaped like real dives,
// so that every page of the viewer has something to show. The output is the same on every run.
//
// Usage: make-example OUTPUT.log

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ExampleSeason.h"
#include "support/LogbookBuilder.h"

namespace {

using namespace example;
using scrb::test::EntryBuilder;
using scrb::test::ProfileBuilder;
using scrb::test::RawSample;

// Deterministic pseudo-random numbers (std distributions differ between libraries).
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint32_t Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return static_cast<uint32_t>(state_ >> 11);
  }
  double Uniform() { return (Next() % 100000) / 100000.0; }  // 0 <= u < 1

 private:
  uint64_t state_;
};

// The logbook software writes its texts in the DOS code page; the names below are written in
// UTF-8 and turned into those bytes here.
std::string Dos(const std::string& utf8) {
  struct Letter {
    int codePoint;
    int dos;
  };
  static constexpr Letter kLetters[] = {
      {199, 128}, {252, 129}, {233, 130}, {226, 131}, {228, 132}, {224, 133}, {229, 134},
      {231, 135}, {234, 136}, {235, 137}, {232, 138}, {239, 139}, {238, 140}, {236, 141},
      {196, 142}, {197, 143}, {201, 144}, {230, 145}, {198, 146}, {244, 147}, {246, 148},
      {242, 149}, {251, 150}, {249, 151}, {255, 152}, {214, 153}, {220, 154}, {225, 160},
      {237, 161}, {243, 162}, {250, 163}, {241, 164}, {209, 165}};
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      continue;
    }
    if ((c & 0xE0) != 0xC0 || i + 1 >= utf8.size())
      throw std::runtime_error("unsupported text: " + utf8);
    const int codePoint = ((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
    const auto letter = std::find_if(std::begin(kLetters), std::end(kLetters),
                                     [&](const Letter& l) { return l.codePoint == codePoint; });
    if (letter == std::end(kLetters)) throw std::runtime_error("no DOS letter for: " + utf8);
    out += static_cast<char>(letter->dos);
  }
  return out;
}

// Days from 1 January 1600, the epoch of the file's dates.
uint32_t DayCount(int year, int month, int day) {
  const auto daysFromCivil = [](int y, int m, int d) {
    y -= m <= 2;
    const int era = y / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
  };
  return static_cast<uint32_t>(daysFromCivil(year, month, day) - daysFromCivil(1600, 1, 1));
}

bool OxygenCapable(int modelCode) {
  return modelCode >= 0xA0 && modelCode <= 0xAF;
}

struct Profile {
  std::vector<double> depths;
  std::vector<int> flags;
  std::vector<int> status;
};

double DepthAt(const std::vector<std::pair<double, double>>& path, double minute) {
  if (minute >= path.back().first) return path.back().second;
  for (size_t i = 1; i < path.size(); ++i) {
    if (minute <= path[i].first) {
      const auto [t0, d0] = path[i - 1];
      const auto [t1, d1] = path[i];
      return t1 == t0 ? d1 : d0 + (d1 - d0) * (minute - t0) / (t1 - t0);
    }
  }
  return path.back().second;
}

Profile MakeProfile(const DivePlan& plan) {
  std::vector<std::pair<double, double>> path{{0.0, 0.0}};
  for (const Leg& leg : plan.legs) {
    const double from = path.back().second;
    const double rate = leg.rate > 0 ? leg.rate : (leg.depth > from ? 15.0 : 9.0);
    const double travel = std::fabs(leg.depth - from) / rate;
    path.emplace_back(path.back().first + travel, leg.depth);
    if (leg.minutes > 0) path.emplace_back(path.back().first + leg.minutes, leg.depth);
  }

  int count = static_cast<int>(std::floor(path.back().first * 3));
  const int remainder = count % 3;
  if (plan.ending == Ending::PartialGroup && remainder == 0) ++count;
  if (plan.ending != Ending::PartialGroup && remainder != 0) count += 3 - remainder;

  Random random(static_cast<uint64_t>(plan.number));
  Profile profile;
  double drift = 0;
  for (int k = 0; k < count; ++k) {
    const double minute = (k + 1) / 3.0;
    double depth = DepthAt(path, minute);
    drift = std::clamp(drift + (random.Uniform() - 0.5) * 0.2, -0.3, 0.3);
    if (depth > 2) depth += drift;
    profile.depths.push_back(std::max(depth, 0.7));
    int flags = 0;
    for (const Event& e : plan.events) {
      if (minute > e.fromMinute && minute <= e.toMinute) flags |= e.flags;
    }
    // The computer warns when the diver rises faster than about 12 m/min.
    if (k > 0 && profile.depths[k - 1] - profile.depths[k] > 4.0) flags |= kUp;
    profile.flags.push_back(flags);
  }

  double maxDepth = 0;
  int maxMinute = 0;
  for (int k = 0; k < count; ++k) {
    if (profile.depths[k] > maxDepth) {
      maxDepth = profile.depths[k];
      maxMinute = k / 3;
    }
  }

  const int minutes = (count + 2) / 3;
  double load = 0;
  int bubbles = 0;
  int coldMinutes = 0;
  for (int g = 0; g < minutes; ++g) {
    const int last = std::min(3 * g + 2, count - 1);
    double shallowest = 1000, deepest = 0;
    for (int k = 3 * g; k <= last; ++k) {
      shallowest = std::min(shallowest, profile.depths[k]);
      deepest = std::max(deepest, profile.depths[k]);
    }
    const bool descending = profile.depths[last] - profile.depths[3 * g] > 3;

    int air = 1 + plan.effort + (shallowest > 25 ? 1 : 0) + (descending ? 1 : 0);
    if (deepest < 6 && g > 2) air -= 1;
    const double u = random.Uniform();
    if (u < 0.15)
      air += 1;
    else if (u > 0.9)
      air -= 1;
    for (const Event& e : plan.events) {
      if (e.airLevel > 0 && g + 1 > e.fromMinute && g < e.toMinute) air = e.airLevel;
    }
    air = std::clamp(air, 1, 7);

    load += std::max(0.0, deepest - 10) / 10;
    if (g > maxMinute && deepest < 0.7 * maxDepth) {
      const int target =
          std::clamp(static_cast<int>(std::lround(load / 10)) + plan.bubbleBoost, 0, 7);
      // Bubbles build up over the ascent and fade on the last metres.
      bubbles = deepest < 4 ? std::max(0, bubbles - 1) : std::min(target, bubbles + 1);
    } else {
      bubbles = 0;
    }

    // Body cooling is logged sparingly: a handful of minutes even on the coldest dive.
    const bool cold = plan.coldFrom >= 0 && g >= plan.coldFrom &&
                      (g - plan.coldFrom) % plan.coldEvery == 0 && coldMinutes < 5;
    coldMinutes += cold;
    int status = (air << 4) | (cold ? 8 : 0) | bubbles;
    // The top bit is set on the opening minute of dives that started from a boat.
    if (g == 0 && (plan.diveType & kTypeSea) && plan.number % 2 == 0) status |= 128;
    profile.status.push_back(status);
  }
  return profile;
}

std::string ProfileHeader(const DivePlan& plan, Random& random) {
  std::string header(OxygenCapable(plan.modelCode) ? 25 : 22, '\0');
  header[0] = static_cast<char>(0xA0 | (plan.number & 0x0F));
  header[1] = static_cast<char>(plan.number & 0xFF);
  header[2] = static_cast<char>(plan.day);
  header[3] = static_cast<char>(plan.month);
  header[4] = static_cast<char>(plan.year % 100);
  header[5] = static_cast<char>(plan.timeOfDay / 60);
  header[6] = static_cast<char>(plan.timeOfDay % 60);
  for (size_t i = 7; i < header.size(); ++i) header[i] = static_cast<char>(random.Next() & 0xFF);
  header[20] = 0x14;  // sample interval, seconds
  return header;
}

EntryBuilder MakeEntry(const DivePlan& plan) {
  EntryBuilder e;
  Random random(static_cast<uint64_t>(plan.number) * 7919);
  e.DiveHeader =
      std::string{static_cast<char>(0xA5), static_cast<char>(plan.number % 3 == 0 ? 0x03 : 0x01)};
  e.DayCount = DayCount(plan.year, plan.month, plan.day);
  e.TimeZone = plan.timeZone;
  e.DiveTimeMinutes = plan.timeOfDay;
  e.Location = Dos(plan.location);
  e.Site = Dos(plan.site);
  e.AltitudeClass = plan.altitudeClass;
  e.SurfaceIntervalMinutes = plan.surfaceInterval;
  e.Weather = plan.weather;
  e.AirTemperature = plan.airTemperature;
  e.Suit = plan.suit;
  e.TankCapacity = plan.tankCapacity;
  e.WaterTemperature = plan.waterTemperature;
  e.AirConsumption = plan.airConsumption;
  e.DiveType = plan.diveType;
  e.DiveActivity = plan.activity;
  e.OtherActivities = Dos(plan.other);
  e.Partners = Dos(plan.partners);
  e.Comment = Dos(plan.comment);
  e.DiveNumber = plan.number;
  e.DiveFooter.clear();
  for (int i = 0; i < 12; ++i)
    e.DiveFooter += static_cast<char>(i < 4 ? random.Next() & 0xFF : (i * plan.number) & 0x3F);
  if (plan.modelCode != 0) e.DiveFooter[4] = static_cast<char>(plan.modelCode);

  int alarms = plan.extraAlarms;
  if (plan.noProfile) {
    e.Profile.clear();
    e.MaxDepth = plan.maxDepthOverride >= 0 ? plan.maxDepthOverride : kMissing;
    e.DivingTimeMinutes = plan.divingTimeOverride >= 0 ? plan.divingTimeOverride : kMissing;
    e.Alarms = alarms;
    return e;
  }

  const Profile profile = MakeProfile(plan);
  ProfileBuilder builder;
  builder.Samples = ProfileBuilder::FromDepths(profile.depths, profile.flags);
  builder.Status = profile.status;
  builder.Padding = plan.padding;
  builder.FinalStatus = plan.ending != Ending::NoStatus;
  builder.ModelCode = plan.modelCode;
  std::string bytes = builder.Bytes();
  const std::string header = ProfileHeader(plan, random);
  bytes.replace(0, header.size(), header);
  e.Profile = bytes;

  double maxDepth = 0;
  for (const RawSample& s : builder.Samples)
    maxDepth = std::max(maxDepth, s.RawDepth * 160.0 / 1024.0);
  if (OxygenCapable(plan.modelCode))
    maxDepth = *std::max_element(profile.depths.begin(), profile.depths.end());
  e.MaxDepth = plan.maxDepthOverride >= 0 ? plan.maxDepthOverride
                                          : static_cast<int>(std::lround(maxDepth * 100));
  e.DivingTimeMinutes = plan.divingTimeOverride >= 0
                            ? plan.divingTimeOverride
                            : static_cast<int>((builder.Samples.size() + 2) / 3);
  for (const RawSample& s : builder.Samples) {
    if (s.Flags & kUp) alarms |= kAlarmAscent;
    if (s.Flags & kDeco) alarms |= kAlarmDeco;
    if (s.Flags & kSos) alarms |= kAlarmSos;
  }
  e.Alarms = alarms;
  return e;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make-example OUTPUT.log\n";
    return 1;
  }
  std::vector<EntryBuilder> entries;
  for (const DivePlan& plan : Season()) entries.push_back(MakeEntry(plan));
  const std::string bytes = scrb::test::BuildLogbook(entries);
  std::ofstream out(argv[1], std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    std::cerr << "cannot write " << argv[1] << "\n";
    return 2;
  }
  std::cout << entries.size() << " dives, " << bytes.size() << " bytes written to " << argv[1]
            << "\n";
  return 0;
}
