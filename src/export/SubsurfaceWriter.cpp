#include "export/SubsurfaceWriter.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <ostream>
#include <pugixml.hpp>
#include <set>
#include <string>
#include <vector>

#include "export/LogbookExport.h"
#include "logbook/DiveDates.h"
#include "logbook/MissingValues.h"
#include "logbook/Translation.h"
#include "overview/Trips.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

constexpr const char* kIndent = "  ";
// Single quotes, as that program writes its own files.
constexpr unsigned kPrintFlags = pugi::format_indent | pugi::format_attribute_single_quote;
constexpr int kMinutesPerDay = 24 * 60;

// Decimals that keep every logbook value exact: centi-units for temperatures and capacities, the
// 0.15625 m steps of the samples for depths. A mean is a result, good to the centimetre.
constexpr int kCentiDecimals = 2;
constexpr int kDepthDecimals = 5;

using PlaceKey = std::pair<std::string, std::string>;

// The format wants every number with its unit, and reads "12.0 l" more surely than "12 l".
std::string WithUnit(double value, int decimals, std::string_view unit) {
  std::string text = Decimal(value, decimals);
  if (text.find('.') == std::string::npos) text += ".0";
  text += ' ';
  text += unit;
  return text;
}

std::string Duration(int seconds) {
  return std::to_string(seconds / 60) + ":" + FormatPattern(seconds % 60, "00") + " min";
}

void SetAttribute(pugi::xml_node node, const char* name, std::string_view value) {
  node.append_attribute(name).set_value(XmlText(value).c_str());
}

void AddText(pugi::xml_node parent, const char* name, std::string_view text) {
  const std::string clean = XmlText(text);
  parent.append_child(name).text().set(clean.c_str(), clean.size());
}

// A place as the dive table lists it: "Site, Location", or whichever of the two it has.
std::string SiteName(const PlaceKey& key) {
  const auto& [location, site] = key;
  if (IsBlank(site)) return location;
  if (IsBlank(location)) return site;
  return site + ", " + location;
}

uint32_t Fnv1a(std::string_view text) {
  uint32_t hash = 2166136261u;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

// Dive sites are linked by a 32-bit id. It is made from the place, so that a place keeps its id
// from one export to the next; a clash takes the next free id, and 0 means "no site" there.
class Sites {
 public:
  explicit Sites(const std::vector<DiveRecord>& dives) {
    std::set<uint32_t> used;
    for (const DiveRecord& dive : dives) {
      const std::optional<PlaceKey> key = SiteKey(dive);
      if (!key || uuids_.contains(*key)) continue;
      uint32_t uuid = Fnv1a(key->first + '\0' + key->second);
      while (uuid == 0 || used.contains(uuid)) ++uuid;
      used.insert(uuid);
      char text[9];
      std::snprintf(text, sizeof text, "%08x", uuid);
      uuids_.emplace(*key, text);
      order_.push_back(*key);
    }
  }
  const std::vector<PlaceKey>& InOrder() const { return order_; }
  std::optional<std::string> UuidOf(const DiveRecord& dive) const {
    const std::optional<PlaceKey> key = SiteKey(dive);
    if (!key) return std::nullopt;
    return uuids_.at(*key);
  }
  const std::string& Uuid(const PlaceKey& key) const { return uuids_.at(key); }

 private:
  std::map<PlaceKey, std::string> uuids_;
  std::vector<PlaceKey> order_;
};

// Date and time of day as the format spells them; an unreadable date leaves both out, an
// unknown time leaves the time out (midnight there).
void AddWhen(pugi::xml_node node, const DiveRecord& dive) {
  const std::string date = IsoDateText(dive.DiveDate);
  if (date.empty()) return;
  SetAttribute(node, "date", date);
  const std::optional<int> minutes = Minutes(dive.DiveTime);
  if (!minutes || *minutes >= kMinutesPerDay) return;
  SetAttribute(
      node, "time",
      FormatPattern(*minutes / 60, "00") + ":" + FormatPattern(*minutes % 60, "00") + ":00");
}

// The format has no field for activities or the dive type, so they join the comment in words.
std::string Notes(const DiveRecord& dive) {
  std::string notes = IsBlank(dive.Comment) ? std::string() : dive.Comment;
  const auto addLine = [&notes](const std::string& line) {
    if (!notes.empty()) notes += '\n';
    notes += line;
  };
  std::string activities = ActivityText(dive.DiveActivity);
  if (!IsBlank(dive.OtherActivities))
    activities += (activities.empty() ? "" : ", ") + dive.OtherActivities;
  if (!activities.empty()) addLine("Activities: " + activities);
  const std::string type = DiveTypeText(dive.DiveType);
  if (!type.empty()) addLine("Dive type: " + type);
  return notes;
}

std::string ModelName(const DiveRecord& dive) {
  char code[8];
  std::snprintf(code, sizeof code, "0x%02X", ModelCode(dive) & 0xFF);
  return std::string("Datatrak (model ") + code + ")";
}

// Time-weighted over the profile's straight lines from point to point.
double MeanDepth(const std::vector<ProfilePoint>& points) {
  double area = 0;
  for (size_t i = 1; i < points.size(); ++i) {
    area +=
        (points[i].Depth + points[i - 1].Depth) / 2 * (points[i].Seconds - points[i - 1].Seconds);
  }
  return area / points.back().Seconds;
}

void AddDiveComputer(pugi::xml_node dive, const DiveRecord& record, const DecodedProfile& profile,
                     const std::vector<ProfilePoint>& points) {
  pugi::xml_node computer = dive.append_child("divecomputer");
  SetAttribute(computer, "model", ModelName(record));
  if (!IsUnknownMeasurement(record.MaxDepth) || !points.empty()) {
    pugi::xml_node depth = computer.append_child("depth");
    SetAttribute(depth, "max", WithUnit(GreatestDepth(record, profile), kDepthDecimals, "m"));
    if (!points.empty())
      SetAttribute(depth, "mean", WithUnit(MeanDepth(points), kCentiDecimals, "m"));
  }
  const bool water = !IsUnknownMeasurement(record.WaterTemperature);
  const bool air = !IsUnknownMeasurement(record.AirTemperature);
  if (water || air) {
    pugi::xml_node temperature = computer.append_child("temperature");
    if (water)
      SetAttribute(temperature, "water", WithUnit(record.WaterTemperature, kCentiDecimals, "C"));
    if (air) SetAttribute(temperature, "air", WithUnit(record.AirTemperature, kCentiDecimals, "C"));
  }
  for (const ProfilePoint& point : points) {
    for (const ProfileAlarm& alarm : point.Alarms) {
      pugi::xml_node event = computer.append_child("event");
      SetAttribute(event, "time", Duration(point.Seconds));
      SetAttribute(event, "name", alarm.Kind);
      if (alarm.Level > 0) event.append_attribute("value").set_value(alarm.Level);
    }
  }
  for (const ProfilePoint& point : points) {
    pugi::xml_node sample = computer.append_child("sample");
    SetAttribute(sample, "time", Duration(point.Seconds));
    SetAttribute(sample, "depth", WithUnit(point.Depth, kDepthDecimals, "m"));
  }
}

void AddDive(pugi::xml_node trip, const DiveRecord& record, const DecodedProfile& profile,
             const Sites& sites) {
  const std::vector<ProfilePoint> points = ProfilePoints(profile);
  pugi::xml_node dive = trip.append_child("dive");
  if (record.DiveNumber >= 1) dive.append_attribute("number").set_value(record.DiveNumber);
  if (const auto uuid = sites.UuidOf(record)) SetAttribute(dive, "divesiteid", *uuid);
  AddWhen(dive, record);
  if (Minutes(record.DivingTime) || !points.empty())
    SetAttribute(dive, "duration", Duration(DiveSeconds(record, profile)));
  if (!IsBlank(record.Partners)) AddText(dive, "buddy", record.Partners);
  if (const std::string notes = Notes(record); !notes.empty()) AddText(dive, "notes", notes);
  if (const std::optional<long> centiLitres = TankKey(record)) {
    pugi::xml_node cylinder = dive.append_child("cylinder");
    SetAttribute(cylinder, "size", WithUnit(*centiLitres / 100.0, kCentiDecimals, "l"));
    SetAttribute(cylinder, "description", GeneralNumber(*centiLitres / 100.0) + " l");
  }
  AddDiveComputer(dive, record, profile, points);
}

void Print(const pugi::xml_node& node, std::ostream& out, unsigned depth) {
  node.print(out, kIndent, kPrintFlags, pugi::encoding_utf8, depth);
}

}  // namespace

bool WriteSubsurface(const Logbook& book, AnalysisCache& analysis, std::ostream& out) {
  // The trips' names and the notes' words are English in the file whatever the window speaks.
  const EnglishTexts english;
  const Sites sites(book.Dives);
  pugi::xml_document head;
  pugi::xml_node divesites = head.append_child("divesites");
  for (const PlaceKey& key : sites.InOrder()) {
    pugi::xml_node site = divesites.append_child("site");
    SetAttribute(site, "uuid", sites.Uuid(key));
    SetAttribute(site, "name", SiteName(key));
  }

  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<divelog program='bathyscribe' version='3'>\n";
  Print(divesites, out, 1);
  out << kIndent << "<dives>\n";
  // A trip at a time: a logbook of decades takes no more memory than its longest trip.
  for (const Trip& trip : FindTrips(book.Dives)) {
    pugi::xml_document document;
    pugi::xml_node node = document.append_child("trip");
    AddWhen(node, book.Dives[static_cast<size_t>(trip.Dives.front())]);
    if (!IsBlank(trip.Label)) SetAttribute(node, "location", trip.Label);
    for (const int index : trip.Dives) {
      const auto profile = analysis.Profile(index);
      AddDive(node, book.Dives[static_cast<size_t>(index)], profile ? *profile : DecodedProfile{},
              sites);
    }
    Print(node, out, 2);
  }
  out << kIndent << "</dives>\n</divelog>\n";
  out.flush();
  return static_cast<bool>(out);
}

bool IsSubsurfacePath(std::string_view path) {
  return HasExtension(path, ".ssrf");
}

}  // namespace scrb
