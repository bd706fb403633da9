#include "export/LogbookExport.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "logbook/MissingValues.h"
#include "logbook/SampleAccess.h"

namespace scrb {

namespace {

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Alarms go where they begin. The status byte comes once a minute (-1 between); a rise of the
// bubble level is a new alarm at the new level.
void AddAlarms(std::vector<ProfileAlarm>& alarms, const DecodedProfile& profile, int sample,
               int& lastStatus) {
  constexpr std::pair<int, const char*> kFlagAlarms[] = {
      {kAscentFlag, "ascent"}, {kRbtFlag, "rbt"}, {kDecoFlag, "deco"}};
  const int begun = SampleFlagsAt(profile, sample) & ~SampleFlagsAt(profile, sample - 1);
  for (const auto& [bit, kind] : kFlagAlarms) {
    if ((begun & bit) != 0) alarms.push_back({kind});
  }
  const int status = EntryOr0(profile.SampleStatus, sample);
  if (status < 0) return;
  if ((status & kColdBit) != 0 && (lastStatus & kColdBit) == 0) alarms.push_back({"skincooling"});
  const int bubbles = status & kBubbleMask;
  if (bubbles > (lastStatus & kBubbleMask)) alarms.push_back({"microbubbles", bubbles});
  lastStatus = status;
}

}  // namespace

std::string Decimal(double value, int decimals) {
  char buffer[64];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (error != std::errc()) return "0";
  std::string text(buffer, end);
  if (text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

std::string XmlText(std::string_view text) {
  std::string clean;
  clean.reserve(text.size());
  for (const char c : text) {
    if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') clean += c;
  }
  return clean;
}

bool IsBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

std::optional<int> Minutes(std::string_view text) {
  const size_t colon = text.find(':');
  if (colon == std::string_view::npos || text.size() - colon != 3) return std::nullopt;
  int hours = 0;
  int minutes = 0;
  const char* hoursEnd = text.data() + colon;
  const char* minutesEnd = text.data() + text.size();
  const auto h = std::from_chars(text.data(), hoursEnd, hours);
  const auto m = std::from_chars(hoursEnd + 1, minutesEnd, minutes);
  if (h.ec != std::errc() || h.ptr != hoursEnd || m.ec != std::errc() || m.ptr != minutesEnd ||
      hours < 0 || minutes < 0 || minutes > 59) {
    return std::nullopt;
  }
  return hours * 60 + minutes;
}

bool HasExtension(std::string_view path, std::string_view extension) {
  if (path.size() < extension.size()) return false;
  return std::equal(extension.begin(), extension.end(), path.end() - extension.size(),
                    [](char a, char b) { return Lower(a) == Lower(b); });
}

std::optional<long> TankKey(const DiveRecord& dive) {
  if (IsUnknownMeasurement(dive.TankCapacity) || !(dive.TankCapacity > 0)) return std::nullopt;
  return std::lround(dive.TankCapacity * 100);
}

std::optional<std::pair<std::string, std::string>> SiteKey(const DiveRecord& dive) {
  if (IsBlank(dive.Location) && IsBlank(dive.Site)) return std::nullopt;
  return std::pair{dive.Location, dive.Site};
}

std::optional<std::string> BuddyKey(const DiveRecord& dive) {
  if (IsBlank(dive.Partners)) return std::nullopt;
  return dive.Partners;
}

int DepthSampleCount(const DecodedProfile& profile) {
  return std::clamp(profile.SampleCount, 0, static_cast<int>(profile.SampleDepth.size()));
}

double GreatestDepth(const DiveRecord& dive, const DecodedProfile& profile) {
  if (!IsUnknownMeasurement(dive.MaxDepth)) return dive.MaxDepth;
  const auto first = profile.SampleDepth.begin();
  const auto deepest = std::max_element(first, first + DepthSampleCount(profile));
  return deepest != first + DepthSampleCount(profile) ? *deepest : 0.0;
}

int DiveSeconds(const DiveRecord& dive, const DecodedProfile& profile) {
  const std::optional<int> minutes = Minutes(dive.DivingTime);
  return minutes ? *minutes * 60 : DepthSampleCount(profile) * kSampleSeconds;
}

std::vector<ProfilePoint> ProfilePoints(const DecodedProfile& profile) {
  const int count = DepthSampleCount(profile);
  std::vector<ProfilePoint> points;
  if (count == 0) return points;
  points.reserve(static_cast<size_t>(count) + 1);
  points.push_back({});
  int lastStatus = 0;
  for (int sample = 0; sample < count; ++sample) {
    ProfilePoint& point = points.emplace_back();
    point.Seconds = static_cast<int>(SampleSeconds(sample));
    point.Depth = profile.SampleDepth[static_cast<size_t>(sample)];
    AddAlarms(point.Alarms, profile, sample, lastStatus);
  }
  return points;
}

}  // namespace scrb
