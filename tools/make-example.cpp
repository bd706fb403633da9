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

#include "support/LogbookBuilder.h"

namespace {

using scrb::test::EntryBuilder;
using scrb::test::ProfileBuilder;
using scrb::test::RawSample;

constexpr int kMissing = 0x7FFF;

// Event flags of a sample.
constexpr int kDeco = 1;
constexpr int kRbt = 2;
constexpr int kUp = 4;
constexpr int kSos = 8;
constexpr int kEss = 16;  // low air
constexpr int kNoTransmitter = 32;

// Logbook bit sets.
constexpr int kAlarmAscent = 1, kAlarmDeco = 8, kAlarmWork = 16, kAlarmSos = 32;
constexpr int kTypeNoStop = 4, kTypeDeco = 8, kTypeSingleAscent = 16, kTypeMultipleAscent = 32,
              kTypeFresh = 64, kTypeSea = 128, kTypeNitrox = 256;
constexpr int kActExploration = 1, kActClub = 2, kActEducation = 4, kActInstruction = 8,
              kActNight = 16, kActCave = 32, kActIce = 64, kActSearch = 128, kActWreck = 256,
              kActRiver = 512, kActDrift = 1024, kActPhoto = 2048;

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
    if ((c & 0xE0) != 0xC0 || i + 1 >= utf8.size()) throw std::runtime_error("unsupported text: " + utf8);
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

// One leg of a dive: go to `depth` at `rate` metres per minute (0: 15 down, 9 up), then stay
// there for `minutes`.
struct Leg {
  double depth;
  double minutes;
  double rate = 0;
};

// Flags (and optionally an air level) that the computer recorded over a stretch of the dive.
struct Event {
  double fromMinute;
  double toMinute;
  int flags = 0;
  int airLevel = 0;  // 0: leave the computed level
};

// How the profile block ends: a last group of one or two samples; a full last group whose status
// byte is the last byte of the block; a full last group without its status byte.
enum class Ending { PartialGroup, StatusLast, NoStatus };

struct DivePlan {
  int number = 0;
  int year = 0, month = 0, day = 0;
  int timeOfDay = 0;  // minutes after midnight
  int timeZone = 0;
  std::string location, site;  // UTF-8, written as DOS bytes
  int altitudeClass = 1;
  int surfaceInterval = kMissing;
  int weather = 1;
  int airTemperature = kMissing;  // hundredths of a degree
  int suit = 3;
  int tankCapacity = 1200;  // hundredths of a litre
  int waterTemperature = 1500;
  int airConsumption = 15000;  // hundredths of a bar
  int diveType = 0;
  int activity = 0;
  std::string other, partners, comment;
  int extraAlarms = 0;
  std::vector<Leg> legs;
  std::vector<Event> events;
  int effort = 0;           // added to every minute's air level
  int coldFrom = -1;        // first minute that can feel cold
  int coldEvery = 4;        // then every n-th minute
  int bubbleBoost = 0;
  bool padding = false;
  Ending ending = Ending::PartialGroup;
  bool noProfile = false;
  int maxDepthOverride = -1;   // centi-metres written instead of the profile's maximum
  int divingTimeOverride = -1;
  // The dive computer's model code (byte 4 of the footer); the oxygen-capable models
  // (0xA0..0xAF) lay out their profile block differently and log the maximum depth to the
  // centimetre, where the earlier ones round it to the sample's resolution.
  int modelCode = 0;
};

bool OxygenCapable(int modelCode) {
  return modelCode >= 0xA0 && modelCode <= 0xAF;
}

DivePlan Plan(int number, int year, int month, int day, int timeOfDay, int timeZone,
              std::string location, std::string site) {
  DivePlan plan;
  plan.number = number;
  plan.year = year;
  plan.month = month;
  plan.day = day;
  plan.timeOfDay = timeOfDay;
  plan.timeZone = timeZone;
  plan.location = std::move(location);
  plan.site = std::move(site);
  return plan;
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
    if (u < 0.15) air += 1;
    else if (u > 0.9) air -= 1;
    for (const Event& e : plan.events) {
      if (e.airLevel > 0 && g + 1 > e.fromMinute && g < e.toMinute) air = e.airLevel;
    }
    air = std::clamp(air, 1, 7);

    load += std::max(0.0, deepest - 10) / 10;
    if (g > maxMinute && deepest < 0.7 * maxDepth) {
      const int target = std::clamp(static_cast<int>(std::lround(load / 10)) + plan.bubbleBoost, 0, 7);
      // Bubbles build up over the ascent and fade on the last metres.
      bubbles = deepest < 4 ? std::max(0, bubbles - 1) : std::min(target, bubbles + 1);
    } else {
      bubbles = 0;
    }

    // Body cooling is logged sparingly: a handful of minutes even on the coldest dive.
    const bool cold = plan.coldFrom >= 0 && g >= plan.coldFrom && (g - plan.coldFrom) % plan.coldEvery == 0 &&
                      coldMinutes < 5;
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
  e.DiveHeader = std::string{static_cast<char>(0xA5), static_cast<char>(plan.number % 3 == 0 ? 0x03 : 0x01)};
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
  for (int i = 0; i < 12; ++i) e.DiveFooter += static_cast<char>(i < 4 ? random.Next() & 0xFF : (i * plan.number) & 0x3F);
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
  for (const RawSample& s : builder.Samples) maxDepth = std::max(maxDepth, s.RawDepth * 160.0 / 1024.0);
  if (OxygenCapable(plan.modelCode))
    maxDepth = *std::max_element(profile.depths.begin(), profile.depths.end());
  e.MaxDepth = plan.maxDepthOverride >= 0 ? plan.maxDepthOverride : static_cast<int>(std::lround(maxDepth * 100));
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

std::vector<DivePlan> Season() {
  std::vector<DivePlan> dives;
  auto add = [&](DivePlan plan) { dives.push_back(std::move(plan)); };

  {
    DivePlan p = Plan(101, 1998, 4, 18, 10 * 60 + 30, 0x01, "Attersee", "Schöberl");
    p.weather = 2; p.airTemperature = 1200; p.suit = 6; p.waterTemperature = 650;
    p.tankCapacity = 1000; p.airConsumption = 14000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeFresh; p.activity = kActClub | kActExploration;
    p.partners = "Jürgen, Anaïs"; p.comment = "First dive of the season, 6 degrees at 20 m.";
    p.legs = {{22, 8}, {16, 10}, {10, 10}, {5, 3}, {0.8, 0, 6}};
    p.coldFrom = 12;
    add(p);
  }
  {
    DivePlan p = Plan(102, 1998, 4, 18, 14 * 60 + 10, 0x01, "Attersee", "Kuhwand");
    p.surfaceInterval = 140; p.weather = 2; p.airTemperature = 1400; p.suit = 6; p.waterTemperature = 600;
    p.tankCapacity = 1000; p.airConsumption = 15500;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeFresh; p.activity = kActExploration;
    p.partners = "Jürgen"; p.comment = "Wall dive, good visibility below the thermocline.";
    p.legs = {{34, 4}, {27, 6}, {18, 8}, {9, 5}, {5, 3}, {0.7, 0, 6}};
    p.coldFrom = 6; p.coldEvery = 5; p.padding = true;
    add(p);
  }
  {
    DivePlan p = Plan(103, 1998, 5, 23, 11 * 60 + 5, 0x01, "Hallstätter See", "Hirschbrunn");
    p.surfaceInterval = 31000; p.weather = 5; p.airTemperature = 1600; p.suit = 5; p.waterTemperature = 800;
    p.tankCapacity = 1200; p.airConsumption = 13000;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeFresh; p.activity = kActClub;
    p.partners = "Anaïs, Stéphane"; p.comment = "Thunderstorm on the way back.";
    p.legs = {{18, 14}, {14, 15}, {8, 10}, {5, 3}, {0.7, 0, 6}};
    p.coldFrom = 25; p.coldEvery = 6;
    add(p);
  }
  {
    DivePlan p = Plan(104, 1998, 6, 13, 9 * 60 + 40, 0x01, "Bodensee", "Überlingen Teufelstisch");
    p.surfaceInterval = 30000; p.weather = 1; p.airTemperature = 2200; p.suit = 6; p.waterTemperature = 550;
    p.tankCapacity = 1500; p.airConsumption = 17500;
    p.diveType = kTypeDeco | kTypeMultipleAscent | kTypeFresh; p.activity = kActExploration;
    p.partners = "Jürgen"; p.comment = "Down the needle to 42 m. Two stops.";
    p.legs = {{42, 6}, {36, 4}, {24, 4}, {12, 3}, {6, 4}, {3, 5}, {0.7, 0, 5}};
    p.events = {{5, 14, kDeco}, {14, 16, 0, 5}};
    p.coldFrom = 4; p.coldEvery = 3; p.bubbleBoost = 3;
    add(p);
  }
  {
    DivePlan p = Plan(105, 1998, 7, 4, 21 * 60 + 45, 0x01, "Zürichsee", "Wädenswil");
    p.surfaceInterval = 29000; p.weather = 1; p.airTemperature = 2400; p.suit = 4; p.waterTemperature = 1700;
    p.tankCapacity = 1200; p.airConsumption = 11000;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeFresh; p.activity = kActNight;
    p.partners = "Stéphane"; p.comment = "Pike and burbot under the torch.";
    p.legs = {{12, 18}, {9, 16}, {6, 12}, {0.7, 0, 6}};
    p.ending = Ending::StatusLast;
    add(p);
  }
  {
    DivePlan p = Plan(106, 1998, 7, 18, 16 * 60, 0x01, "Doubs", "Saint-Ursanne");
    p.surfaceInterval = 20160; p.weather = 1; p.airTemperature = 2700; p.suit = 4; p.waterTemperature = 1400;
    p.tankCapacity = 1000; p.airConsumption = 9000;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeFresh; p.activity = kActRiver | kActDrift;
    p.partners = "Anaïs"; p.comment = "Down the river past the old bridge.";
    p.legs = {{6, 10}, {8, 12}, {4, 8}, {0.7, 0, 6}};
    p.effort = 1;
    add(p);
  }
  {
    DivePlan p = Plan(107, 1998, 8, 8, 10 * 60, 0x01, "Mallorca", "Cala Sant Vicenç");
    p.surfaceInterval = 30500; p.weather = 1; p.airTemperature = 2900; p.suit = 3; p.waterTemperature = 2300;
    p.tankCapacity = 1200; p.airConsumption = 15000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActClub | kActExploration;
    p.partners = "Toni (guide)"; p.comment = "Check-out dive, posidonia and groupers.";
    p.legs = {{24, 10}, {18, 14}, {11, 14}, {5, 3}, {0.8, 0, 6}};
    add(p);
  }
  {
    DivePlan p = Plan(108, 1998, 8, 9, 9 * 60 + 30, 0x01, "Mallorca", "Dragonera - Cap Llebeig");
    p.surfaceInterval = 1350; p.weather = 1; p.airTemperature = 2800; p.suit = 3; p.waterTemperature = 2100;
    p.tankCapacity = 1200; p.airConsumption = 17000;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeSea; p.activity = kActExploration;
    p.partners = "Toni (guide)"; p.comment = "Lost the group at 38 m and came up too fast.";
    p.legs = {{38, 6}, {30, 8}, {22, 4}, {4, 1, 18}, {0.7, 0, 10}};
    p.effort = 1; p.padding = true; p.bubbleBoost = 2;
    add(p);
  }
  {
    DivePlan p = Plan(109, 1998, 8, 10, 11 * 60 + 15, 0x01, "Mallorca", "Cova de sa Dragonera");
    p.surfaceInterval = 1500; p.weather = 2; p.airTemperature = 2700; p.suit = 3; p.waterTemperature = 2000;
    p.tankCapacity = 1200; p.airConsumption = 13500;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActCave | kActPhoto;
    p.partners = "Toni (guide), Anaïs"; p.comment = "Air bell at the end of the cave.";
    p.legs = {{16, 6}, {12, 10}, {4, 6}, {15, 8, 10}, {5, 3}, {0.7, 0, 6}};
    add(p);
  }
  {
    DivePlan p = Plan(110, 1998, 8, 12, 14 * 60 + 50, 0x01, "Mallorca", "Pecio del Malgrats");
    p.surfaceInterval = 3000; p.weather = 1; p.airTemperature = 3100; p.suit = 3; p.waterTemperature = 2400;
    p.tankCapacity = 1500; p.airConsumption = 16000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActWreck;
    p.partners = "Anaïs"; p.comment = "Two small wrecks side by side.";
    p.legs = {{30, 12}, {26, 10}, {15, 8}, {5, 3}, {0.7, 0, 6}};
    p.events = {{20, 23, kRbt}};
    add(p);
  }
  {
    DivePlan p = Plan(111, 1998, 8, 13, 21 * 60 + 30, 0x01, "Mallorca", "Port d'Andratx");
    p.surfaceInterval = 1800; p.weather = 1; p.airTemperature = 2600; p.suit = 3; p.waterTemperature = 2400;
    p.tankCapacity = 1200; p.airConsumption = 9500;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeSea; p.activity = kActNight;
    p.partners = "Anaïs"; p.comment = "Octopus hunting crabs.";
    p.legs = {{10, 15}, {8, 20}, {4, 6}, {0.6, 0, 6}};
    p.effort = -1; p.ending = Ending::NoStatus;
    add(p);
  }
  {
    DivePlan p = Plan(112, 1998, 8, 15, 10 * 60 + 20, 0x01, "Mallorca", "El Toro");
    p.surfaceInterval = 2200; p.weather = 1; p.airTemperature = 3000; p.suit = 3; p.waterTemperature = 2300;
    p.tankCapacity = 1200; p.airConsumption = 16500;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActPhoto;
    p.partners = "Toni (guide)"; p.comment = "Barracudas. The transmitter lost contact twice.";
    p.legs = {{28, 10}, {20, 12}, {12, 10}, {5, 3}, {0.7, 0, 6}};
    p.events = {{7, 9.5, kNoTransmitter}, {21, 24, kNoTransmitter}};
    add(p);
  }
  {
    DivePlan p = Plan(113, 1998, 10, 17, 8 * 60 + 45, 0x02, "Ägypten", "Ras Mohammed - Shark Reef");
    p.surfaceInterval = 32000; p.weather = 1; p.airTemperature = 3200; p.suit = 2; p.waterTemperature = 2700;
    p.tankCapacity = 1500; p.airConsumption = 19000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActDrift | kActExploration;
    p.partners = "Mahmoud (guide), Anaïs"; p.comment = "Strong current on the plateau, hard fin kicks.";
    p.extraAlarms = kAlarmWork;
    p.legs = {{28, 6}, {22, 10}, {16, 12}, {10, 12}, {5, 3}, {0.7, 0, 6}};
    p.events = {{8, 14, 0, 7}, {14, 18, 0, 6}, {42, 46, kEss}};
    p.effort = 1; p.padding = true;
    add(p);
  }
  {
    DivePlan p = Plan(114, 1998, 10, 18, 7 * 60 + 15, 0x02, "Ägypten", "SS Thistlegorm");
    p.surfaceInterval = 1300; p.weather = 1; p.airTemperature = 3000; p.suit = 2; p.waterTemperature = 2600;
    p.tankCapacity = 1500; p.airConsumption = 19000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea | kTypeNitrox; p.activity = kActWreck | kActPhoto;
    p.partners = "Mahmoud (guide), Anaïs"; p.comment = "Motorbikes and Bedford trucks in hold 2.";
    p.legs = {{31, 14}, {24, 8}, {16, 6}, {5, 4}, {0.7, 0, 6}};
    p.events = {{11, 15, kRbt}};
    p.ending = Ending::StatusLast;
    add(p);
  }
  {
    DivePlan p = Plan(115, 1998, 10, 19, 9 * 60, 0x02, "Ägypten", "Abu Nuhas - Carnatic");
    p.surfaceInterval = 1400; p.weather = 2; p.airTemperature = 2900; p.suit = 2; p.waterTemperature = 2600;
    p.tankCapacity = 1200; p.airConsumption = 16000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActWreck;
    p.partners = "Anaïs"; p.comment = "Glassfish inside the stern.";
    p.legs = {{26, 12}, {20, 10}, {12, 14}, {5, 3}, {0.7, 0, 6}};
    add(p);
  }
  {
    DivePlan p = Plan(116, 1998, 10, 20, 8 * 60 + 10, 0x02, "Ägypten", "Jackson Reef");
    p.surfaceInterval = 1330; p.weather = 1; p.airTemperature = 3100; p.suit = 2; p.waterTemperature = 2700;
    p.tankCapacity = 1500; p.airConsumption = 19500;
    p.diveType = kTypeDeco | kTypeMultipleAscent | kTypeSea; p.activity = kActExploration;
    p.partners = "Mahmoud (guide)"; p.comment = "Hammerheads in the blue at 43 m, deco stop at 6 m.";
    p.legs = {{43, 7}, {35, 4}, {24, 5}, {12, 4}, {6, 5}, {3, 4}, {0.7, 0, 5}};
    p.events = {{6, 17, kDeco}, {19, 24, kEss}};
    p.effort = 1; p.bubbleBoost = 3;
    add(p);
  }
  {
    DivePlan p = Plan(117, 1998, 10, 21, 14 * 60 + 30, 0x02, "Ägypten", "Ras Umm Sid");
    p.surfaceInterval = 1700; p.weather = 1; p.airTemperature = 3300; p.suit = 2; p.waterTemperature = 2700;
    p.tankCapacity = 1500; p.airConsumption = 17000;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeSea; p.activity = kActPhoto | kActExploration;
    p.partners = "Anaïs"; p.comment = "Long lazy dive through the gorgonian forest.";
    p.legs = {{16, 20}, {12, 20}, {8, 18}, {5, 6}, {0.7, 0, 5}};
    p.effort = -1; p.padding = true;
    add(p);
  }
  {
    DivePlan p = Plan(118, 1998, 11, 21, 19 * 60 + 30, 0x01, "Hallenbad Köln", "Übungsbecken");
    p.surfaceInterval = kMissing; p.weather = 0; p.suit = 2; p.waterTemperature = 2800;
    p.tankCapacity = kMissing; p.airConsumption = kMissing;
    p.diveType = kTypeFresh; p.activity = kActEducation | kActInstruction;
    p.other = "Rescue training"; p.partners = "Club evening";
    p.comment = "Computer left in the bag, logged by hand.";
    p.noProfile = true;
    add(p);
  }
  {
    DivePlan p = Plan(119, 1999, 1, 9, 11 * 60, 0x01, "Lac Léman", "Saint-Gingolph - La Becque");
    p.surfaceInterval = kMissing; p.weather = 3; p.airTemperature = 300; p.suit = 6; p.waterTemperature = 500;
    p.tankCapacity = 1200; p.airConsumption = 16000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeFresh; p.activity = kActExploration | kActSearch;
    p.other = "Lost anchor"; p.partners = "Stéphane, Jürgen"; p.comment = "Très belle visibilité, 5 degrés au fond.";
    p.legs = {{38, 5}, {32, 5}, {20, 6}, {10, 4}, {5, 3}, {0.7, 0, 6}};
    p.coldFrom = 2; p.coldEvery = 3; p.bubbleBoost = 1;
    add(p);
  }
  {
    DivePlan p = Plan(120, 1999, 2, 13, 13 * 60 + 30, 0x01, "Tignes", "Lac de Tignes");
    p.altitudeClass = 3; p.surfaceInterval = 5000; p.weather = 6; p.airTemperature = -800; p.suit = 6;
    p.waterTemperature = 200; p.tankCapacity = 1000; p.airConsumption = 10000;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeFresh; p.activity = kActIce | kActClub;
    p.other = "Under the ice, 2100 m"; p.partners = "Stéphane"; p.comment = "Roped to the hole. Cold hands.";
    p.legs = {{8, 8}, {12, 6}, {6, 8}, {0.7, 0, 6}};
    p.coldFrom = 1; p.coldEvery = 2;
    p.ending = Ending::NoStatus;
    add(p);
  }
  {
    DivePlan p = Plan(121, 1999, 3, 27, 10 * 60 + 45, 0x01, "Marseille", "Ile Maïre - Tombant");
    p.surfaceInterval = 26000; p.weather = 4; p.airTemperature = 1400; p.suit = 5; p.waterTemperature = 1300;
    p.tankCapacity = 1200; p.airConsumption = 16000;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActClub;
    p.partners = "Stéphane"; p.comment = "Red gorgonians from 30 m down.";
    p.legs = {{33, 7}, {25, 8}, {14, 10}, {5, 3}, {0.7, 0, 6}};
    p.coldFrom = 10; p.coldEvery = 7;
    add(p);
  }
  {
    DivePlan p = Plan(122, 1999, 5, 15, 9 * 60 + 50, 0x01, "Lago di Garda", "Punta San Vigilio");
    p.surfaceInterval = 28500; p.weather = 1; p.airTemperature = 1900; p.suit = 6; p.waterTemperature = 700;
    p.tankCapacity = 1500; p.airConsumption = 18500;
    p.diveType = kTypeDeco | kTypeMultipleAscent | kTypeFresh; p.activity = kActExploration;
    p.partners = "Jürgen"; p.comment = "Statue of Christ at 45 m, then slowly up the slope.";
    p.legs = {{45, 5}, {38, 3}, {28, 5}, {15, 5}, {6, 5}, {3, 6}, {0.7, 0, 5}};
    p.events = {{4, 20, kDeco}};
    p.coldFrom = 3; p.coldEvery = 4; p.bubbleBoost = 2;
    add(p);
  }
  {
    DivePlan p = Plan(123, 1999, 5, 16, 10 * 60 + 5, 0x01, "Lago di Garda", "Torri del Benaco");
    p.surfaceInterval = 1450; p.weather = 2; p.airTemperature = 1800; p.suit = 6; p.waterTemperature = 800;
    p.tankCapacity = 1200; p.airConsumption = 12500;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeFresh; p.activity = kActExploration;
    p.partners = "Jürgen"; p.comment = "Buddy tangled in a fishing line, SOS alarm while freeing him.";
    p.legs = {{20, 8}, {17, 10}, {9, 6}, {5, 3}, {0.7, 0, 6}};
    p.events = {{12, 15, kSos, 6}};
    p.coldFrom = 8; p.coldEvery = 8;
    add(p);
  }
  {
    DivePlan p = Plan(124, 1999, 6, 5, 11 * 60 + 30, 0x00, "Tenerife", "Punta de Teno - El Peñón");
    p.surfaceInterval = 29000; p.weather = 1; p.airTemperature = kMissing; p.suit = 4; p.waterTemperature = 1900;
    p.tankCapacity = 1200; p.airConsumption = 14500;
    p.diveType = kTypeNoStop | kTypeMultipleAscent | kTypeSea; p.activity = kActExploration | kActPhoto;
    p.partners = "Anaïs"; p.comment = "Arches and a pair of angel sharks.";
    p.legs = {{21, 10}, {17, 12}, {10, 12}, {5, 3}, {0.7, 0, 6}};
    p.padding = true;
    add(p);
  }
  {
    DivePlan p = Plan(125, 1999, 6, 6, 9 * 60 + 40, 0x00, "Tenerife", "Las Galletas - Montaña Amarilla");
    p.surfaceInterval = 1300; p.weather = 1; p.airTemperature = 2300; p.suit = 4; p.waterTemperature = 1900;
    p.tankCapacity = 1200; p.airConsumption = 4000;
    p.diveType = kTypeNoStop | kTypeSingleAscent | kTypeSea; p.activity = kActExploration;
    p.partners = "Anaïs"; p.comment = "Aborted: ear would not clear.";
    p.legs = {{6, 2}, {14, 3}, {4, 3}, {0.7, 0, 6}};
    p.divingTimeOverride = kMissing;
    add(p);
  }
  {
    DivePlan p = Plan(126, 1999, 6, 26, 10 * 60 + 15, 0x01, "Elba", "Secca di Capo Fonza");
    p.modelCode = 0xA4;
    p.surfaceInterval = 28820; p.weather = 1; p.airTemperature = 2650; p.suit = 4; p.waterTemperature = 1840;
    p.tankCapacity = 1200; p.airConsumption = 16500;
    p.diveType = kTypeDeco | kTypeMultipleAscent | kTypeSea | kTypeNitrox; p.activity = kActExploration | kActPhoto;
    p.other = "Nitrox 32"; p.partners = "Anaïs";
    p.comment = "First dive with the new oxygen computer. Red coral at 36 m, up too fast from the arch.";
    p.legs = {{36, 6}, {28, 6}, {18, 8, 15}, {9, 6}, {5, 4}, {0.7, 0, 6}};
    p.events = {{6, 11, kDeco}, {33, 37, kEss, 6}};
    p.coldFrom = 20; p.coldEvery = 6; p.bubbleBoost = 1;
    p.ending = Ending::StatusLast;
    add(p);
  }
  return dives;
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
  std::cout << entries.size() << " dives, " << bytes.size() << " bytes written to " << argv[1] << "\n";
  return 0;
}
