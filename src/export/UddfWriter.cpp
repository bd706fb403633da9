#include "export/UddfWriter.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <pugixml.hpp>
#include <utility>
#include <vector>

#include "Version.h"
#include "export/LogbookExport.h"
#include "logbook/LogbookReader.h"
#include "logbook/MissingValues.h"
#include "logbook/Translation.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

constexpr const char* kIndent = "  ";
constexpr unsigned kPrintFlags = pugi::format_indent;
constexpr double kKelvinAtZeroCelsius = 273.15;
constexpr double kPascalPerBar = 100000;
constexpr double kCubicMetresPerLitre = 0.001;
constexpr int kMinutesPerDay = 24 * 60;
constexpr const char* kAirId = "air";

// Decimals that keep every value the logbook can hold exact: centi-units for temperatures and
// capacities, the 0.15625 m steps of the samples for depths, whole pascals and seconds.
constexpr int kKelvinDecimals = 2;
constexpr int kDepthDecimals = 5;
constexpr int kVolumeDecimals = 5;
constexpr int kWholeNumber = 0;

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

// The logbook records no mix: a dive is air unless it is marked as nitrox, whose oxygen share it
// does not know.
void AddGasDefinitions(pugi::xml_node root) {
  pugi::xml_node mix = AddWithId(root.append_child("gasdefinitions"), "mix", kAirId);
  AddText(mix, "name", "air");
  AddText(mix, "o2", "0.209");
  AddText(mix, "n2", "0.791");
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

void AddSamples(pugi::xml_node dive, const DecodedProfile& profile) {
  const std::vector<ProfilePoint> points = ProfilePoints(profile);
  if (points.empty()) return;
  pugi::xml_node samples = dive.append_child("samples");
  for (const ProfilePoint& point : points) {
    pugi::xml_node waypoint = samples.append_child("waypoint");
    for (const ProfileAlarm& alarm : point.Alarms) {
      pugi::xml_node node = AddText(waypoint, "alarm", alarm.Kind);
      if (alarm.Level > 0) node.append_attribute("level").set_value(alarm.Level);
    }
    AddText(waypoint, "depth", Decimal(point.Depth, kDepthDecimals));
    AddText(waypoint, "divetime", std::to_string(point.Seconds));
  }
}

void AddKnown(pugi::xml_node parent, const char* name, double value, double scale, double offset,
              int decimals) {
  if (!IsUnknownMeasurement(value))
    AddText(parent, name, Decimal(value * scale + offset, decimals));
}

void AddInformationBeforeDive(pugi::xml_node dive, const DiveRecord& record,
                              const Catalogues& catalogues) {
  pugi::xml_node before = dive.append_child("informationbeforedive");
  // Partners first: an importer may join the names of every link after the first it meets.
  for (const auto& id :
       {catalogues.Buddies.IdOf(BuddyKey(record)), catalogues.Sites.IdOf(SiteKey(record))}) {
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

// Importers that read a dive's cylinders only from its own tank data find the size there too.
// The logbook records only the pressure the dive used, so the begin pressure UDDF insists on is
// xs:float's NaN: no value, where any number would be made up.
void AddTankData(pugi::xml_node dive, const DiveRecord& record) {
  constexpr int kNitroxBit = 256;
  pugi::xml_node tankdata = dive.append_child("tankdata");
  if ((record.DiveType & kNitroxBit) == 0) AddLink(tankdata, kAirId);
  if (const std::optional<long> centiLitres = TankKey(record)) {
    AddText(tankdata, "tankvolume",
            Decimal(*centiLitres / 100.0 * kCubicMetresPerLitre, kVolumeDecimals));
  }
  AddText(tankdata, "tankpressurebegin", "NaN");
}

void AddInformationAfterDive(pugi::xml_node dive, const DiveRecord& record,
                             const DecodedProfile& profile) {
  pugi::xml_node after = dive.append_child("informationafterdive");
  AddText(after, "greatestdepth", Decimal(GreatestDepth(record, profile), kDepthDecimals));
  AddText(after, "diveduration", std::to_string(DiveSeconds(record, profile)));
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
  AddTankData(dive, record);
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
  AddGasDefinitions(head);

  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<uddf xmlns=\"http://www.streit.cc/uddf/3.2/\" version=\"3.2.2\">\n";
  for (const pugi::xml_node& part : head.children()) Print(part, out, 1);
  WriteProfileData(book, analysis, catalogues, out);
  out << "</uddf>\n";
  out.flush();
  return static_cast<bool>(out);
}

bool IsUddfPath(std::string_view path) {
  return HasExtension(path, ".uddf");
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
