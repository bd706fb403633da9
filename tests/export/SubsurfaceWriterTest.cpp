// The Subsurface XML export read back as that program's import would: well-formed, every value in
// the unit the format spells out, sites and trips as the dive table shows them, and the profile at
// the very times and depths the UDDF export gives.

#include <gtest/gtest.h>

#include <cstdlib>
#include <pugixml.hpp>

#include "export/SubsurfaceWriter.h"
#include "logbook/LogbookReader.h"
#include "logbook/MissingValues.h"
#include "support/LogbookBuilder.h"
#include "support/SubsurfaceCheck.h"
#include "support/UddfCheck.h"
#include "support/UddfSchema.h"

namespace scrb {
namespace {

using test::EntryBuilder;
using test::ProfileBuilder;

Logbook Parsed(const std::vector<EntryBuilder>& entries) {
  Logbook book;
  std::vector<DiveRecord> dives;
  ParseLogbook(test::BuildLogbook(entries), dives);
  book.Dives = std::move(dives);
  return book;
}

// An export that xmllint and the import's checks accept, parsed back.
struct Exported {
  std::string Text;
  pugi::xml_document Document;

  explicit Exported(const Logbook& book) : Text(test::ExportSubsurface(book)) {
    EXPECT_EQ(test::XmlErrors({test::WriteTempFile("export.ssrf", Text)}), "");
    EXPECT_EQ(test::SubsurfaceFaults(Text), std::vector<std::string>{});
    EXPECT_TRUE(Document.load_string(Text.c_str()));
  }
  pugi::xml_node Dive(int number) const {
    return Document.select_node(("//dive[@number='" + std::to_string(number) + "']").c_str())
        .node();
  }
};

// Dive 7 has every value, each kind of alarm and a trip of its own with dive 8, a day later at
// the same place, which has no tank and no samples. Dive 9 is another place, a week on, and has
// every value missing. The logbook lists them out of date order.
Logbook SmallLogbook() {
  EntryBuilder full;
  full.Location = "Caf\x82 <&>\"'";
  full.Partners = "Anna \x84rg, Ben & Co";
  full.Comment = "Calm\x0b, \"clear\" <3";
  full.OtherActivities = "Photo";
  full.Profile = ProfileBuilder{
      .Samples = ProfileBuilder::FromDepths({5, 10, 12, 3}, {0, 4, 5, 0}),
      .Status = {0x10 | 8 |
                 2}}.Bytes();
  EntryBuilder next = full;
  next.DayCount += 1;
  next.DiveNumber = 8;
  next.DiveTimeMinutes = 9 * 60 + 5;
  next.TankCapacity = kMissingWord;
  next.Comment = next.OtherActivities = next.Partners = "";
  next.DiveActivity = next.DiveType = 0;
  next.Profile = "";
  EntryBuilder missing{.DayCount = full.DayCount + 7, .Location = "", .Site = "Wall"};
  missing.DiveNumber = 0;
  missing.DiveTimeMinutes = missing.DivingTimeMinutes = missing.AirTemperature =
      missing.TankCapacity = missing.MaxDepth = missing.WaterTemperature = kMissingWord;
  missing.DiveActivity = missing.DiveType = 0;
  return Parsed({missing, next, full});
}

// Every element and unit, worked out by hand from the entries above.
TEST(SubsurfaceWriter, WritesEveryValueWithItsUnit) {
  const Exported file(SmallLogbook());
  EXPECT_EQ(file.Text, R"(<?xml version="1.0" encoding="UTF-8"?>
<divelog program='bathyscribe' version='3'>
  <divesites>
    <site uuid='177c065b' name='Wall' />
    <site uuid='9d68ed3e' name='Pier, Café &lt;&amp;>"&apos;' />
  </divesites>
  <dives>
    <trip date='1998-10-17' time='12:00:00' location='Café &lt;&amp;>"&apos;, October 1998'>
      <dive number='7' divesiteid='9d68ed3e' date='1998-10-17' time='12:00:00' duration='45:00 min'>
        <buddy>Anna ärg, Ben &amp; Co</buddy>
        <notes>Calm, "clear" &lt;3
Activities: Exploration, Photo
Dive type: No Stop, Fresh Water</notes>
        <cylinder size='12.0 l' description='12 l' />
        <divecomputer model='Datatrak (model 0x00)'>
          <depth max='18.98 m' mean='7.09 m' />
          <temperature water='15.48 C' air='21.0 C' />
          <event time='0:40 min' name='ascent' />
          <event time='1:00 min' name='deco' />
          <event time='1:00 min' name='skincooling' />
          <event time='1:00 min' name='microbubbles' value='2' />
          <sample time='0:00 min' depth='0.0 m' />
          <sample time='0:20 min' depth='5.0 m' />
          <sample time='0:40 min' depth='10.0 m' />
          <sample time='1:00 min' depth='11.875 m' />
          <sample time='1:20 min' depth='2.96875 m' />
        </divecomputer>
      </dive>
      <dive number='8' divesiteid='9d68ed3e' date='1998-10-18' time='09:05:00' duration='45:00 min'>
        <divecomputer model='Datatrak (model 0x00)'>
          <depth max='18.98 m' />
          <temperature water='15.48 C' air='21.0 C' />
        </divecomputer>
      </dive>
    </trip>
    <trip date='1998-10-24' location='October 1998'>
      <dive divesiteid='177c065b' date='1998-10-24'>
        <divecomputer model='Datatrak (model 0x00)' />
      </dive>
    </trip>
  </dives>
</divelog>
)");
}

TEST(SubsurfaceWriter, TextsSitesAndTripsReadBack) {
  const Logbook book = SmallLogbook();
  const Exported file(book);
  // Escaped markup, quotes and accents come back whole; a forbidden control character is gone.
  const pugi::xml_node full = file.Dive(7);
  EXPECT_EQ(
      (std::vector<std::string>{full.child_value("buddy"),
                                file.Document.select_node("//site[2]/@name").attribute().value(),
                                full.select_node("..//@location").attribute().value()}),
      (std::vector<std::string>{"Anna ärg, Ben & Co", "Pier, Café <&>\"'",
                                "Café <&>\"', October 1998"}));
  EXPECT_TRUE(std::string(full.child_value("notes")).starts_with("Calm, \"clear\" <3\n"));

  // One site a place, shared by the dives there; one trip per group of the dive table, in date
  // order whatever the logbook's order.
  EXPECT_EQ(file.Document.select_nodes("//site").size(), 2u);
  EXPECT_STREQ(full.attribute("divesiteid").value(), file.Dive(8).attribute("divesiteid").value());
  std::string trips;
  for (const auto& trip : file.Document.select_nodes("//trip")) {
    for (const pugi::xml_node dive : trip.node().children("dive"))
      trips += std::to_string(dive.attribute("number").as_int()) + " ";
    trips += "|";
  }
  EXPECT_EQ(trips, "7 8 |0 |");

  // Without a readable site name, the location alone names the place; without either, no site.
  Logbook places = Parsed({EntryBuilder{.Site = ""}, EntryBuilder{.Location = "", .Site = ""}});
  const Exported named(places);
  EXPECT_EQ(named.Document.select_nodes("//site").size(), 1u);
  EXPECT_STREQ(named.Document.select_node("//site/@name").attribute().value(), "Lake");
  EXPECT_FALSE(named.Document.select_node("//dive[2]/@divesiteid"));

  // The same logbook gives the same bytes; an empty one a logbook without dives.
  EXPECT_EQ(test::ExportSubsurface(book), file.Text);
  const Exported empty{Logbook{}};
  EXPECT_TRUE(empty.Document.child("divelog").child("dives"));
  EXPECT_FALSE(empty.Document.select_node("//dive"));

  EXPECT_EQ((std::vector{IsSubsurfacePath("/a/b.ssrf"), IsSubsurfacePath("B.SSRF"),
                         IsSubsurfacePath("b.ssrf.uddf"), IsSubsurfacePath("ssrf")}),
            (std::vector{true, true, false, false}));
}

// Both exports of the example logbook carry each dive's profile at the same times and depths.
TEST(SubsurfaceWriter, SamplesMatchTheUddfWaypoints) {
  Logbook book;
  std::vector<DiveRecord> records;
  ParseLogbook(test::SampleLogbook(), records);
  book.Dives = std::move(records);
  const Exported file(book);
  pugi::xml_document uddf;
  ASSERT_TRUE(uddf.load_string(test::ExportUddf(book).c_str()));
  const auto dives = file.Document.select_nodes("//dive");
  ASSERT_EQ(dives.size(), book.Dives.size());
  size_t compared = 0;
  for (const auto& dive : dives) {
    const int number = dive.node().attribute("number").as_int();
    SCOPED_TRACE(number);
    std::string ssrf;
    std::string waypoints;
    for (const pugi::xml_node sample : dive.node().child("divecomputer").children("sample")) {
      const std::string time = sample.attribute("time").value();
      const long seconds = std::stol(time) * 60 + std::stol(time.substr(time.find(':') + 1));
      ssrf += std::to_string(seconds) + "/" +
              std::to_string(std::strtod(sample.attribute("depth").value(), nullptr)) + " ";
    }
    const pugi::xml_node match = uddf.select_node(("//dive[informationbeforedive/divenumber='" +
                                                   std::to_string(number) + "']")
                                                      .c_str())
                                     .node();
    for (const pugi::xml_node point : match.child("samples").children("waypoint")) {
      waypoints += std::string(point.child_value("divetime")) + "/" +
                   std::to_string(std::strtod(point.child_value("depth"), nullptr)) + " ";
    }
    EXPECT_EQ(ssrf, waypoints);
    compared += ssrf.empty() ? 0 : 1;
  }
  EXPECT_GT(compared, 10u);
}

// Logbooks of every kind the builder makes from a fixed seed: each export is sound and
// well-formed.
TEST(SubsurfaceWriter, ManyOddLogbooksExportSoundDocuments) {
  std::vector<std::string> paths;
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    Logbook book;
    std::vector<DiveRecord> dives;
    ParseLogbook(test::RandomLogbook(seed), dives);
    book.Dives = std::move(dives);
    const std::string text = test::ExportSubsurface(book);
    ASSERT_EQ(test::SubsurfaceFaults(text), std::vector<std::string>{}) << "seed " << seed;
    paths.push_back(test::WriteTempFile("seed" + std::to_string(seed) + ".ssrf", text));
  }
  EXPECT_EQ(test::XmlErrors(paths), "");
}

}  // namespace
}  // namespace scrb
