#pragma once

// The made-up season that make-example writes: what each dive of examples/sample.log is like.

#include <string>
#include <utility>
#include <vector>

namespace example {

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
  int effort = 0;     // added to every minute's air level
  int coldFrom = -1;  // first minute that can feel cold
  int coldEvery = 4;  // then every n-th minute
  int bubbleBoost = 0;
  bool padding = false;
  Ending ending = Ending::PartialGroup;
  bool noProfile = false;
  int maxDepthOverride = -1;  // centi-metres written instead of the profile's maximum
  int divingTimeOverride = -1;
  // The dive computer's model code (byte 4 of the footer); the oxygen-capable models
  // (0xA0..0xAF) lay out their profile block differently and log the maximum depth to the
  // centimetre, where the earlier ones round it to the sample's resolution.
  int modelCode = 0;
};

inline DivePlan Plan(int number, int year, int month, int day, int timeOfDay, int timeZone,
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

// Every dive of the season, in logbook order.
std::vector<DivePlan> Season();

}  // namespace example
