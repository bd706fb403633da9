#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "logbook/DiveRecord.h"
#include "logbook/ProfileDecoder.h"

namespace scrb {

// What the file exports (UDDF, Subsurface XML) read from a dive in the same way, so that two
// files written from one logbook never disagree.

// A locale-free decimal text without trailing zeros: an importer must read the same number on
// every desktop.
std::string Decimal(double value, int decimals);

// Text XML 1.0 can carry: the control characters below the blank other than tab, line feed and
// carriage return cannot be written even as references, but a DOS text may still hold them.
std::string XmlText(std::string_view text);

bool IsBlank(std::string_view text);

// Minutes of an "hh:mm" logbook time; nothing for "Unknown" and for what no clock shows.
std::optional<int> Minutes(std::string_view text);

// Whether a path ends in the extension (".uddf"), in any letter case.
bool HasExtension(std::string_view path, std::string_view extension);

// The centi-litres of a known tank size, the key that tells two tanks apart.
std::optional<long> TankKey(const DiveRecord& dive);
// Location and site: the key of a place, nothing when both are blank.
std::optional<std::pair<std::string, std::string>> SiteKey(const DiveRecord& dive);
std::optional<std::string> BuddyKey(const DiveRecord& dive);

int DepthSampleCount(const DecodedProfile& profile);

// The logbook's maximum depth, or the deepest sample when it has none (0 without samples).
double GreatestDepth(const DiveRecord& dive, const DecodedProfile& profile);

// The logged dive time, or the profile's length when the logbook has none.
int DiveSeconds(const DiveRecord& dive, const DecodedProfile& profile);

struct ProfileAlarm {
  const char* Kind;  // "ascent", "rbt", "deco", "skincooling", "microbubbles"
  int Level = 0;     // the bubble level of a microbubbles alarm, otherwise 0
};

// One point of the exported profile, with the alarms that begin there.
struct ProfilePoint {
  int Seconds = 0;
  double Depth = 0;
  std::vector<ProfileAlarm> Alarms;
};

// The profile as both exports write it: the surface at 0 seconds, then sample i as the state
// 20 (i + 1) seconds in. Empty without samples.
std::vector<ProfilePoint> ProfilePoints(const DecodedProfile& profile);

// Things several dives share, each written once under an id made from its place of first use.
template <typename Key>
class Catalogue {
 public:
  explicit Catalogue(std::string prefix) : prefix_(std::move(prefix)) {}

  void Add(const std::optional<Key>& key) {
    if (key && ids_.emplace(*key, prefix_ + std::to_string(ids_.size() + 1)).second)
      order_.push_back(*key);
  }
  std::optional<std::string> IdOf(const std::optional<Key>& key) const {
    if (!key) return std::nullopt;
    return ids_.at(*key);
  }
  const std::vector<Key>& InOrder() const { return order_; }
  const std::string& Id(const Key& key) const { return ids_.at(key); }

 private:
  std::string prefix_;
  std::map<Key, std::string> ids_;
  std::vector<Key> order_;
};

}  // namespace scrb
