#include "export/UddfWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <ostream>
#include <pugixml.hpp>
#include <utility>
#include <vector>

#include "Version.h"
#include "logbook/LogbookReader.h"
#include "logbook/MissingValues.h"
#include "logbook/SampleAccess.h"
#include "logbook/Translation.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

constexpr const char* kIndent = "  ";
constexpr unsigned kPrintFlags = pugi::format_indent;
constexpr double kKelvinAtZeroCelsius = 273.15;
constexpr double kPascalPerBar = 100000;
constexpr double kCubicMetresPerLitre = 0.001;
constexpr int kSecondsPerSample = 20;
constexpr int kMinutesPerDay = 24 * 60;

// Decimals that keep every value the logbook can hold exact: centi-units for temperatures and
// capacities, the 0.15625 m steps of the samples for depths, whole pascals and seconds.
constexpr int kKelvinDecimals = 2;
constexpr int kDepthDecimals = 5;
constexpr int kVolumeDecimals = 5;
constexpr int kWholeNumber = 0;

// A locale-free decimal text without trailing zeros: an importer must read the same number on
// every desktop.
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

// XML 1.0 has no way to write the control characters below the blank other than tab, line feed
// and carriage return, not even as references; a DOS text may still hold them.
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

// Minutes of an "hh:mm" logbook time; nothing for "Unknown" and for what no clock shows.
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

// "dd/mm/yyyy" and a time of day as an xs:dateTime in local time. A time the logbook does not
// know, or that lies outside a day, becomes midnight.
std::string DateTime(const std::string& date, const std::string& time) {
  const bool isDate = date.size() == 10 && date[2] == '/' && date[5] == '/' &&
                      std::all_of(date.begin(), date.end(),
                                  [](char c) { return c == '/' || (c >= '0' && c <= '9'); });
  std::string text =
      isDate ? date.substr(6, 4) + "-" + date.substr(3, 2) + "-" + date.substr(0, 2) : "1600-01-01";
  int minutes = Minutes(time).value_or(0);
  if (minutes >= kMinutesPerDay) minutes = 0;
  text += "T" + FormatPattern(minutes / 60, "00") + ":" + FormatPattern(minutes % 60, "00") + ":00";
  return text;
}

int DepthSampleCount(const DecodedProfile& profile) {
  return std::clamp(profile.SampleCount, 0, static_cast<int>(profile.SampleDepth.size()));
}

// The centi-litres of a known tank size, the key that tells two tanks apart.
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

struct Catalogues {
  Catalogue<std::pair<std::string, std::string>> Sites{"site"};
  Catalogue<std::string> Buddies{"buddy"};
  Catalogue<long> Tanks{"tank"};

  explicit Catalogues(const Logbook& book) {
    for (const DiveRecord& dive : book.Dives) {
      Sites.Add(SiteKey(dive));
      Buddies.Add(BuddyKey(dive));
      Tanks.Add(TankKey(dive));
    }
  }
};

pugi::xml_node AddText(pugi::xml_node parent, const char* name, std::string_view text) {
  pugi::xml_node node = parent.append_child(name);
  const std::string clean = XmlText(text);
  if (!clean.empty()) node.text().set(clean.c_str(), clean.size());
  return node;
}

void AddLink(pugi::xml_node parent, const std::string& id) {
  parent.append_child("link").append_attribute("ref").set_value(id.c_str());
}

pugi::xml_node AddWithId(pugi::xml_node parent, const char* name, const std::string& id) {
  pugi::xml_node node = parent.append_child(name);
  node.append_attribute("id").set_value(id.c_str());
  return node;
}

void AddPerson(pugi::xml_node person, std::string_view firstName) {
  pugi::xml_node personal = person.append_child("personal");
  AddText(personal, "firstname", firstName);
  AddText(personal, "lastname", "");
}

void AddGenerator(pugi::xml_node root) {
  pugi::xml_node generator = root.append_child("generator");
  AddText(generator, "name", "Bathyscribe");
  AddText(generator, "type", "converter");
  AddText(generator, "version", kVersion);
}

// The logbook's owner is nobody the file names, but UDDF wants one, and the tanks are theirs.
void AddDiver(pugi::xml_node root, const Catalogues& catalogues) {
  pugi::xml_node diver = root.append_child("diver");
  pugi::xml_node owner = AddWithId(diver, "owner", "owner");
  AddPerson(owner, "");
  if (!catalogues.Tanks.InOrder().empty()) {
    pugi::xml_node equipment = owner.append_child("equipment");
    for (const long centiLitres : catalogues.Tanks.InOrder()) {
      pugi::xml_node tank = AddWithId(equipment, "tank", catalogues.Tanks.Id(centiLitres));
      AddText(tank, "name", GeneralNumber(centiLitres / 100.0) + " l");
      AddText(tank, "tankvolume",
              Decimal(centiLitres / 100.0 * kCubicMetresPerLitre, kVolumeDecimals));
    }
  }
  // Partners stay one text: names may hold commas, so no split would be safe.
  for (const std::string& partners : catalogues.Buddies.InOrder()) {
    AddPerson(AddWithId(diver, "buddy", catalogues.Buddies.Id(partners)), partners);
  }
}

void AddDiveSites(pugi::xml_node root, const Catalogues& catalogues) {
  if (catalogues.Sites.InOrder().empty()) return;
  pugi::xml_node divesite = root.append_child("divesite");
  for (const auto& key : catalogues.Sites.InOrder()) {
    const auto& [location, site] = key;
    pugi::xml_node node = AddWithId(divesite, "site", catalogues.Sites.Id(key));
    AddText(node, "name", IsBlank(site) ? location : site);
    if (!IsBlank(location)) AddText(node.append_child("geography"), "location", location);
  }
}

void AddAlarm(pugi::xml_node waypoint, const char* kind, int level = 0) {
  pugi::xml_node alarm = AddText(waypoint, "alarm", kind);
  if (level > 0) alarm.append_attribute("level").set_value(std::to_string(level).c_str());
}

// Alarms go on the waypoint where they begin. The status byte comes once a minute (-1 between);
// a rise of the bubble level is a new alarm at the new level.
void AddAlarms(pugi::xml_node waypoint, const DecodedProfile& profile, int sample,
               int& lastStatus) {
  constexpr std::pair<int, const char*> kFlagAlarms[] = {{4, "ascent"}, {2, "rbt"}, {1, "deco"}};
  constexpr int kColdBit = 8;
  constexpr int kBubbleMask = 7;
  const int begun = SampleFlagsAt(profile, sample) & ~SampleFlagsAt(profile, sample - 1);
  for (const auto& [bit, kind] : kFlagAlarms) {
    if ((begun & bit) != 0) AddAlarm(waypoint, kind);
  }
  const int status = EntryOr0(profile.SampleStatus, sample);
  if (status < 0) return;
  if ((status & kColdBit) != 0 && (lastStatus & kColdBit) == 0) AddAlarm(waypoint, "skincooling");
  const int bubbles = status & kBubbleMask;
  if (bubbles > (lastStatus & kBubbleMask)) AddAlarm(waypoint, "microbubbles", bubbles);
  lastStatus = status;
}

void AddWaypoint(pugi::xml_node samples, const DecodedProfile& profile, int sample,
                 int& lastStatus) {
  pugi::xml_node waypoint = samples.append_child("waypoint");
  if (sample >= 0) AddAlarms(waypoint, profile, sample, lastStatus);
  const double depth = sample >= 0 ? profile.SampleDepth[static_cast<size_t>(sample)] : 0.0;
  AddText(waypoint, "depth", Decimal(depth, kDepthDecimals));
  AddText(waypoint, "divetime", std::to_string((sample + 1) * kSecondsPerSample));
}

// The dive starts at the surface; sample i is the state 20 (i + 1) seconds in.
void AddSamples(pugi::xml_node dive, const DecodedProfile& profile) {
  const int count = DepthSampleCount(profile);
  if (count == 0) return;
  pugi::xml_node samples = dive.append_child("samples");
  int lastStatus = 0;
  for (int sample = -1; sample < count; ++sample) AddWaypoint(samples, profile, sample, lastStatus);
}

void AddKnown(pugi::xml_node parent, const char* name, double value, double scale, double offset,
              int decimals) {
  if (!IsUnknownMeasurement(value))
    AddText(parent, name, Decimal(value * scale + offset, decimals));
}

void AddInformationBeforeDive(pugi::xml_node dive, const DiveRecord& record,
                              const Catalogues& catalogues) {
  pugi::xml_node before = dive.append_child("informationbeforedive");
  for (const auto& id :
       {catalogues.Sites.IdOf(SiteKey(record)), catalogues.Buddies.IdOf(BuddyKey(record))}) {
    if (id) AddLink(before, *id);
  }
  if (record.DiveNumber >= 1) AddText(before, "divenumber", std::to_string(record.DiveNumber));
  AddText(before, "datetime", DateTime(record.DiveDate, record.DiveTime));
  AddKnown(before, "airtemperature", record.AirTemperature, 1, kKelvinAtZeroCelsius,
           kKelvinDecimals);
  if (const std::optional<int> interval = Minutes(record.SurfaceInterval)) {
    AddText(before.append_child("surfaceintervalbeforedive"), "passedtime",
            std::to_string(*interval * 60));
  }
  if (const auto tank = catalogues.Tanks.IdOf(TankKey(record))) {
    AddLink(before.append_child("equipmentused"), *tank);
  }
  AddText(before, "surfacepressure",
          Decimal(AltitudePressure(record.AltitudeClass) * kPascalPerBar, kWholeNumber));
}

double GreatestDepth(const DiveRecord& dive, const DecodedProfile& profile) {
  if (!IsUnknownMeasurement(dive.MaxDepth)) return dive.MaxDepth;
  const auto first = profile.SampleDepth.begin();
  const auto deepest = std::max_element(first, first + DepthSampleCount(profile));
  return deepest != first + DepthSampleCount(profile) ? *deepest : 0.0;
}

void AddInformationAfterDive(pugi::xml_node dive, const DiveRecord& record,
                             const DecodedProfile& profile) {
  pugi::xml_node after = dive.append_child("informationafterdive");
  AddText(after, "greatestdepth", Decimal(GreatestDepth(record, profile), kDepthDecimals));
  const std::optional<int> minutes = Minutes(record.DivingTime);
  const int seconds = minutes ? *minutes * 60 : DepthSampleCount(profile) * kSecondsPerSample;
  AddText(after, "diveduration", std::to_string(seconds));
  AddKnown(after, "lowesttemperature", record.WaterTemperature, 1, kKelvinAtZeroCelsius,
           kKelvinDecimals);
  AddKnown(after, "pressuredrop", record.AirConsumption, kPascalPerBar, 0, kWholeNumber);
  if (IsBlank(record.Comment) && IsBlank(record.OtherActivities)) return;
  pugi::xml_node notes = after.append_child("notes");
  for (const std::string* text : {&record.Comment, &record.OtherActivities}) {
    if (!IsBlank(*text)) AddText(notes, "para", *text);
  }
}

void AddDive(pugi::xml_node parent, const DiveRecord& record, const DecodedProfile& profile,
             int index, const Catalogues& catalogues) {
  pugi::xml_node dive = AddWithId(parent, "dive", "dive" + std::to_string(index + 1));
  AddInformationBeforeDive(dive, record, catalogues);
  AddSamples(dive, profile);
  AddInformationAfterDive(dive, record, profile);
}

void Print(const pugi::xml_node& node, std::ostream& out, unsigned depth) {
  node.print(out, kIndent, kPrintFlags, pugi::encoding_utf8, depth);
}

// The dives are written one at a time, so a logbook of decades takes no more memory than one dive.
// Only the fixed tags around them are written here; everything from the logbook goes through
// the XML library.
void WriteProfileData(const Logbook& book, AnalysisCache& analysis, const Catalogues& catalogues,
                      std::ostream& out) {
  if (book.Dives.empty()) return;  // UDDF has no empty profile data
  out << kIndent << "<profiledata>\n";
  int group = 0;
  for (size_t i = 0; i < book.Dives.size(); ++i) {
    // Dives of one day in a row form a repetition group.
    if (i == 0 || book.Dives[i].DiveDate != book.Dives[i - 1].DiveDate) {
      if (group > 0) out << kIndent << kIndent << "</repetitiongroup>\n";
      out << kIndent << kIndent << "<repetitiongroup id=\"group" << ++group << "\">\n";
    }
    pugi::xml_document dive;
    const auto profile = analysis.Profile(static_cast<int>(i));
    AddDive(dive, book.Dives[i], profile ? *profile : DecodedProfile{}, static_cast<int>(i),
            catalogues);
    Print(dive.first_child(), out, 3);
  }
  out << kIndent << kIndent << "</repetitiongroup>\n" << kIndent << "</profiledata>\n";
}

}  // namespace

bool WriteUddf(const Logbook& book, AnalysisCache& analysis, std::ostream& out) {
  const Catalogues catalogues(book);
  pugi::xml_document head;
  AddGenerator(head);
  AddDiver(head, catalogues);
  AddDiveSites(head, catalogues);

  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<uddf xmlns=\"http://www.streit.cc/uddf/3.2/\" version=\"3.2.2\">\n";
  for (const pugi::xml_node& part : head.children()) Print(part, out, 1);
  WriteProfileData(book, analysis, catalogues, out);
  out << "</uddf>\n";
  out.flush();
  return static_cast<bool>(out);
}

bool IsUddfPath(std::string_view path) {
  constexpr std::string_view kExtension = ".uddf";
  if (path.size() < kExtension.size()) return false;
  return std::equal(kExtension.begin(), kExtension.end(), path.end() - kExtension.size(),
                    [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? b - 'A' + 'a' : b); });
}

std::string UddfExportedText(int diveCount, const std::string& path) {
  return FillIn(diveCount == 1 ? Tr("Logbook", "%1 dive exported to %2.")
                               : Tr("Logbook", "%1 dives exported to %2."),
                {std::to_string(diveCount), path});
}

std::string UddfFailedMessage(const std::string& path, const std::string& reason) {
  return FillIn(Tr("Logbook", "The logbook cannot be exported to %1: %2."), {path, reason});
}

}  // namespace scrb
