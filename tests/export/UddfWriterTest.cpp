// The UDDF export read back as an importing dive-log program would: valid against the schema, and
// every value the logbook knows found again in SI units.

#include <gtest/gtest.h>

#include <cstdlib>
#include <pugixml.hpp>
#include <sstream>

#include "export/UddfWriter.h"
#include "logbook/LogbookReader.h"
#include "logbook/MissingValues.h"
#include "logbook/ProfileDecoder.h"
#include "support/LogbookBuilder.h"
#include "support/UddfCheck.h"
#include "support/UddfSchema.h"

namespace scrb {
namespace {

using test::EntryBuilder;
using test::ProfileBuilder;

Logbook Parsed(std::string_view bytes) {
  std::vector<DiveRecord> dives;
  ParseLogbook(bytes, dives);
  Logbook book;
  book.Dives = std::move(dives);
  return book;
}

std::string Export(const Logbook& book) {
  std::ostringstream out;
  AnalysisCache analysis;
  analysis.SetDives(book.Dives.Share());
  EXPECT_TRUE(WriteUddf(book, analysis, out));
  return out.str();
}

double Number(pugi::xml_node node) {
  return std::strtod(node.child_value(), nullptr);
}

// An export that passed the schema, parsed back.
struct Exported {
  std::string Text;
  pugi::xml_document Document;

  explicit Exported(const Logbook& book) : Text(Export(book)) {
    EXPECT_EQ(test::UddfSchemaErrors(test::WriteTempFile("export.uddf", Text)), "");
    EXPECT_TRUE(Document.load_string(Text.c_str()));
  }
  pugi::xml_node Root() const { return Document.child("uddf"); }
  pugi::xml_node ById(const std::string& id) const {
    return Root().select_node(("//*[@id='" + id + "']").c_str()).node();
  }
  pugi::xml_node Dive(size_t index) const { return ById("dive" + std::to_string(index + 1)); }
  // The elements of one kind that a dive links to.
  std::vector<pugi::xml_node> Linked(pugi::xml_node dive, const char* element) const {
    std::vector<pugi::xml_node> nodes;
    for (const auto& link : dive.select_nodes(".//link")) {
      const pugi::xml_node target = ById(link.node().attribute("ref").value());
      if (std::string(target.name()) == element) nodes.push_back(target);
    }
    return nodes;
  }
};

// A logbook value in the unit of the file: absent when the logbook marks it missing.
void ExpectConverted(pugi::xml_node node, double field, double scale, double offset = 0) {
  if (field == kUnknownMeasurement) {
    EXPECT_TRUE(node.empty()) << node.name();
  } else {
    EXPECT_NEAR(Number(node), field * scale + offset, 1e-6) << node.name();
  }
}

// Compares every dive of the file with the store's record and its decoded profile: the values
// that any logbook must carry across, whatever odd values it holds.
void ExpectDivesCarried(const Exported& file, const Logbook& book) {
  ASSERT_EQ(file.Root().select_nodes("//dive").size(), book.Dives.size());
  for (size_t i = 0; i < book.Dives.size(); ++i) {
    SCOPED_TRACE("dive " + std::to_string(i));
    const DiveRecord& dive = book.Dives[i];
    const DecodedProfile profile = DecodeProfile(dive);
    const pugi::xml_node node = file.Dive(i);
    const pugi::xml_node before = node.child("informationbeforedive");
    const pugi::xml_node after = node.child("informationafterdive");
    // A time the logbook does not know, or no clock shows, is midnight.
    const bool onClock = dive.DiveTime != "Unknown" && dive.DiveTime < "24";
    const std::string& d = dive.DiveDate;
    EXPECT_EQ(before.child_value("datetime"), d.substr(6, 4) + "-" + d.substr(3, 2) + "-" +
                                                  d.substr(0, 2) + "T" +
                                                  (onClock ? dive.DiveTime : "00:00") + ":00");
    ExpectConverted(before.child("airtemperature"), dive.AirTemperature, 1, 273.15);
    ExpectConverted(after.child("lowesttemperature"), dive.WaterTemperature, 1, 273.15);
    ExpectConverted(after.child("pressuredrop"), dive.AirConsumption, 1e5);
    EXPECT_NEAR(Number(before.child("surfacepressure")), AltitudePressure(dive.AltitudeClass) * 1e5,
                1e-6);
    if (dive.MaxDepth != kUnknownMeasurement) {
      EXPECT_EQ(Number(after.child("greatestdepth")), dive.MaxDepth);
    }
    EXPECT_EQ(Number(before.child("divenumber")), std::max(dive.DiveNumber, 0));

    const auto waypoints = node.child("samples").select_nodes("waypoint");
    ASSERT_EQ(waypoints.size(), profile.SampleCount == 0 ? 0u : profile.SampleCount + 1u);
    for (size_t w = 0; w < waypoints.size(); ++w) {
      const pugi::xml_node point = waypoints[w].node();
      EXPECT_EQ(Number(point.child("divetime")), 20.0 * static_cast<double>(w));
      EXPECT_EQ(Number(point.child("depth")), w == 0 ? 0.0 : profile.SampleDepth[w - 1]) << w;
    }
  }
}

// Dive 0 has every value and a profile with each kind of alarm; dive 1 has every value missing and
// no samples; dive 2 shares dive 0's place and partners, has a negative number and comes from a
// later dive computer; dive 3 knows neither depth nor duration, and its time lies outside a day.
Logbook OddLogbook() {
  const ProfileBuilder alarms{
      .Samples = ProfileBuilder::FromDepths({5, 10, 12, 12, 10, 5, 5, 3, 2, 1},
                                            {0, 4, 5, 2, 4, 0, 0, 0, 0, 0}),
      .Status = {0x10 | 8 | 2, 0x10 | 8 | 3, 0x10 | 1}};
  EntryBuilder full;
  full.Location = "Caf\x82 <&>\"'";
  full.Site = "Pier \x01 North";
  full.Partners = "Anna \x84rg, Ben & Co";
  full.Comment = "Calm\x0b, \"clear\" <3";
  full.OtherActivities = "Photo";
  full.Profile = alarms.Bytes();

  EntryBuilder missing;
  missing.DiveNumber = 0;
  missing.Location = missing.Site = "";
  missing.AltitudeClass = 5;
  missing.DiveTimeMinutes = missing.SurfaceIntervalMinutes = missing.DivingTimeMinutes =
      missing.AirTemperature = missing.TankCapacity = missing.MaxDepth = missing.WaterTemperature =
          missing.AirConsumption = kMissingWord;

  EntryBuilder later = full;
  later.DiveNumber = -3;
  later.DiveFooter = ProfileBuilder{.ModelCode = 0xA5}.Footer();
  later.TankCapacity = 1500;
  later.DiveType |= 256;  // nitrox
  later.AirTemperature = -250;
  later.Profile =
      ProfileBuilder{.Samples = ProfileBuilder::FromDepths({2, 4, 6, 8}), .Padding = true}.Bytes();

  EntryBuilder unknownDepth;
  unknownDepth.DayCount = 145657;
  unknownDepth.Site = "";
  unknownDepth.DiveTimeMinutes = 1500;  // "25:00"
  unknownDepth.MaxDepth = unknownDepth.DivingTimeMinutes = kMissingWord;
  unknownDepth.Profile = later.Profile;

  return Parsed(test::BuildLogbook({full, missing, later, unknownDepth}));
}

TEST(UddfWriter, OddValuesValidateAndReadBack) {
  const Logbook book = OddLogbook();
  ASSERT_EQ(book.DiveCount(), 4);
  const Exported file(book);
  ExpectDivesCarried(file, book);

  // Texts come back whole, forbidden control characters dropped, markup escaped.
  const pugi::xml_node full = file.Dive(0);
  const auto sites = file.Linked(full, "site");
  const auto buddies = file.Linked(full, "buddy");
  const auto tanks = file.Linked(full, "tank");
  ASSERT_EQ((std::vector{sites.size(), buddies.size(), tanks.size()}),
            (std::vector<size_t>{1, 1, 1}));
  const auto notes = full.child("informationafterdive").child("notes").select_nodes("para");
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ((std::vector<std::string>{
                sites[0].child_value("name"), sites[0].child("geography").child_value("location"),
                buddies[0].child("personal").child_value("firstname"),
                notes[0].node().child_value(), notes[1].node().child_value()}),
            (std::vector<std::string>{"Pier  North", "Café <&>\"'", "Anna ärg, Ben & Co",
                                      "Calm, \"clear\" <3", "Photo"}));
  EXPECT_EQ((std::vector{Number(tanks[0].child("tankvolume")),
                         Number(full.select_node(".//surfaceintervalbeforedive/passedtime").node()),
                         Number(full.child("informationafterdive").child("diveduration"))}),
            (std::vector<double>{0.012, 90 * 60, 45 * 60}));

  // The partners' link comes before the place's, as importers that join every link after the
  // first into the partner list want. Each dive has its own tank data: air, the size where
  // known, and a begin pressure that says no number, as the logbook records only the drop. A
  // nitrox dive names no mix: the logbook does not say which.
  const auto before = full.child("informationbeforedive").select_nodes("link");
  ASSERT_EQ(before.size(), 2u);
  EXPECT_EQ(file.ById(before[0].node().attribute("ref").value()), buddies[0]);
  EXPECT_EQ(file.ById(before[1].node().attribute("ref").value()), sites[0]);
  for (size_t i = 0; i < book.Dives.size(); ++i) {
    const pugi::xml_node tank = file.Dive(i).child("tankdata");
    const pugi::xml_node mix = file.ById(tank.child("link").attribute("ref").value());
    EXPECT_EQ(std::string(mix.name()) + " " + mix.child_value("o2") + " " +
                  tank.child_value("tankpressurebegin"),
              i == 2 ? "  NaN" : "mix 0.209 NaN");
    EXPECT_FALSE(tank.child("tankpressureend")) << i;
    ExpectConverted(tank.child("tankvolume"), book.Dives[i].TankCapacity, 0.001);
  }
  EXPECT_EQ(std::string(full.select_node(".//pressuredrop").node().child_value()), "10000000");

  // Alarms sit where they begin: flags on the sample that raises them, the minute's status on
  // the third sample; a falling bubble level raises none. Waypoints are separated by "|".
  std::string alarms;
  for (const auto& waypoint : full.child("samples").select_nodes("waypoint")) {
    for (pugi::xml_node alarm : waypoint.node().children("alarm"))
      alarms += std::string(alarm.child_value()) + alarm.attribute("level").value() + " ";
    alarms += "|";
  }
  EXPECT_EQ(alarms, "||ascent |deco skincooling microbubbles2 |rbt |ascent |microbubbles3 |||||");

  // Missing values and empty texts are left out, not written as numbers or empty elements.
  const pugi::xml_node missing = file.Dive(1);
  for (const char* absent : {"informationbeforedive/link", ".//surfaceintervalbeforedive",
                             ".//notes", "samples", "tankdata/tankvolume"})
    EXPECT_FALSE(missing.select_node(absent)) << absent;
  EXPECT_EQ((std::vector{Number(missing.select_node(".//greatestdepth").node()),
                         Number(missing.select_node(".//diveduration").node()),
                         Number(missing.select_node(".//surfacepressure").node())}),
            (std::vector<double>{0, 0, 50000}));

  // Shared places and partners are written once; a new tank size is a new tank. Dives of one day
  // in a row share a repetition group.
  const pugi::xml_node later = file.Dive(2);
  EXPECT_EQ(file.Linked(later, "site")[0], sites[0]);
  EXPECT_EQ(file.Linked(later, "buddy")[0], buddies[0]);
  EXPECT_DOUBLE_EQ(Number(file.Linked(later, "tank")[0].child("tankvolume")), 0.015);
  EXPECT_NEAR(Number(later.select_node(".//airtemperature").node()), 270.65, 1e-9);
  const pugi::xml_node root = file.Root();
  EXPECT_EQ(
      (std::vector{root.select_nodes("//divesite/site").size(), root.select_nodes("//buddy").size(),
                   root.select_nodes("//owner/equipment/tank").size(),
                   root.select_nodes("//repetitiongroup").size()}),
      (std::vector<size_t>{2, 1, 2, 2}));

  // Without depth and duration fields the samples stand in; a site without name takes the place's.
  const pugi::xml_node unknown = file.Dive(3);
  EXPECT_EQ(Number(unknown.select_node(".//greatestdepth").node()), 7.96875);
  EXPECT_EQ(Number(unknown.select_node(".//diveduration").node()), 80);
  EXPECT_STREQ(file.Linked(unknown, "site")[0].child_value("name"), "Lake");

  // The generator names the program, and nothing in the file changes from one export to the next.
  const pugi::xml_node generator = root.child("generator");
  EXPECT_EQ(std::string(generator.child_value("name")) + " " + generator.child_value("type"),
            "Bathyscribe converter");
  EXPECT_EQ(Export(book), file.Text);
}

TEST(UddfWriter, ExampleAndEmptyLogbooksValidatePathsAndTexts) {
  const Logbook sample = Parsed(test::SampleLogbook());
  ASSERT_GT(sample.DiveCount(), 10);
  const Exported file(sample);
  ExpectDivesCarried(file, sample);
  EXPECT_TRUE(file.Text.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<uddf "));

  const Exported empty{Logbook{}};
  EXPECT_TRUE(empty.Root().child("profiledata").empty());
  EXPECT_FALSE(empty.Root().child("diver").child("owner").empty());

  EXPECT_EQ((std::vector{IsUddfPath("/a/b.uddf"), IsUddfPath("B.UDDF"), IsUddfPath("b.uddf.txt"),
                         IsUddfPath("uddf")}),
            (std::vector{true, true, false, false}));
  EXPECT_EQ(UddfExportedText(1, "/x.uddf") + UddfExportedText(12, "/x.uddf"),
            "1 dive exported to /x.uddf.12 dives exported to /x.uddf.");
}

// Logbooks of every kind the builder makes from a fixed seed: each export is sound and valid.
TEST(UddfWriter, ManyOddLogbooksExportSoundAndValidDocuments) {
  constexpr uint32_t kLogbooks = 300;
  std::vector<std::string> paths;
  for (uint32_t seed = 1; seed <= kLogbooks; ++seed) {
    const Logbook book = Parsed(test::RandomLogbook(seed));
    const std::string text = test::ExportUddf(book);
    ASSERT_EQ(test::UddfFaults(text), std::vector<std::string>{}) << "seed " << seed;
    paths.push_back(test::WriteTempFile("seed" + std::to_string(seed) + ".uddf", text));
  }
  EXPECT_EQ(test::UddfSchemaErrors(paths), "");
}

}  // namespace
}  // namespace scrb
