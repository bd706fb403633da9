#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "logbook/MissingValues.h"
#include "overview/DiveSearch.h"
#include "overview/DiveTable.h"
#include "overview/TableOutput.h"
#include "overview/Trips.h"

namespace scrb {
namespace {

DiveRecord Dive(std::string date, std::string location = "Elba", int number = 1) {
  DiveRecord dive;
  dive.DiveDate = std::move(date);
  dive.DiveTime = "10:00";
  dive.DivingTime = "00:40";
  dive.Location = std::move(location);
  dive.DiveNumber = number;
  return dive;
}

TEST(DiveSearchTest, EveryWordInSomeFieldIgnoringCaseAndAccents) {
  DiveRecord dive = Dive("17/10/1998", "Walensee", 1535);
  dive.Site = "Geröllhalde";
  dive.Partners = "Anna, Jörg";
  dive.Comment = "Sicht 3 m, STRAßE";
  dive.OtherActivities = "Photo";
  const std::string decomposed = "Gero\xCC\x88llhalde";  // o + combining diaeresis
  struct Case {
    std::string query;
    bool matches;
  } cases[] = {
      {"", true},
      {"  ", true},
      {"gerollhalde", true},
      {"GERÖLL", true},
      {"jorg anna", true},
      {"strasse", true},
      {"photo 1535", true},
      {"53", true},
      {"17/10/1998", true},
      {"1998-10-17", true},
      {"10-17", true},
      {"wale sicht", true},
      {decomposed, true},
      {"gerollhalde x", false},
      {"elba", false},
      // a word never spans two fields
      {"walenseegeroll", false},
      {"1998-10-18", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DiveSearch(c.query).Matches(dive), c.matches) << c.query;
  }
  EXPECT_EQ(FoldText("ÀÉÎÕÜ Ææ Œ Ł Ž ×"), "aeiou aeae oe l z ×");
}

TEST(DiveSearchTest, MatchingDivesInLogbookOrder) {
  const std::vector<DiveRecord> dives{Dive("01/07/1996", "Elba"), Dive("02/07/1996", "Giglio"),
                                      Dive("03/07/1996", "elba")};
  EXPECT_EQ(MatchingDives(dives, "ELBA"), (std::vector<int>{0, 2}));
  EXPECT_EQ(MatchingDives(dives, "07/1996"), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(FirstDiveWithNumber({Dive("", "", 5), Dive("", "", 7), Dive("", "", 7)}, 7), 1);
  EXPECT_EQ(FirstDiveWithNumber(dives, 2), -1);
}

std::vector<std::string> Labels(const std::vector<Trip>& trips) {
  std::vector<std::string> labels;
  for (const Trip& trip : trips) labels.push_back(trip.Label);
  return labels;
}

TEST(TripsTest, DatesAtMostTwoDaysApartAcrossMonthAndYear) {
  const std::vector<DiveRecord> dives{
      Dive("02/01/1997", "Elba"),    // 0: two days after 31/12
      Dive("30/06/1996", "Giglio"),  // 1
      Dive("31/12/1996", "Elba"),    // 2
      Dive("02/07/1996", "Elba"),    // 3: two days after 30/06
      Dive("05/07/1996", "Elba"),    // 4: three days after: a new trip
      Dive("xx/07/1996", ""),        // 5: no readable date
      Dive("31/02/1996", "Capri"),   // 6: no such day
      Dive("02/07/1996", "Giglio"),  // 7
  };
  const std::vector<Trip> trips = FindTrips(dives);
  EXPECT_EQ(Labels(trips), (std::vector<std::string>{"Giglio, June 1996", "Elba, July 1996",
                                                     "Elba, December 1996", "Unknown", "Capri"}));
  EXPECT_EQ(trips[0].Dives, (std::vector<int>{1, 3, 7}));
  EXPECT_EQ(trips[1].Dives, (std::vector<int>{4}));
  EXPECT_EQ(trips[2].Dives, (std::vector<int>{2, 0}));
  EXPECT_FALSE(trips[3].Dated);
  EXPECT_EQ(TripOfEachDive(trips, dives.size()), (std::vector<int>{2, 0, 2, 0, 1, 3, 4, 0}));
}

TEST(TripsTest, MostFrequentLocationFirstDiveOnATieAndTimeOfDayOrder) {
  std::vector<DiveRecord> dives{Dive("10/08/2001", "B"), Dive("10/08/2001", "A"),
                                Dive("11/08/2001", "B"), Dive("11/08/2001", "A"),
                                Dive("20/08/2001", ""),  Dive("21/08/2001", "")};
  dives[0].DiveTime = "15:00";  // later that day than dive 1, so A is the first dive's location
  dives[1].DiveTime = "09:00";
  EXPECT_EQ(Labels(FindTrips(dives)), (std::vector<std::string>{"A, August 2001", "August 2001"}));
  dives[2].Location = "A";
  dives[3].Location = "B";
  dives[0].Location = "B";
  dives[1].Location = "B";
  EXPECT_EQ(FindTrips(dives)[0].Label, "B, August 2001");
}

TEST(TripsTest, TripsOfOneNameAreToldApartByTheirFirstDay) {
  const std::vector<DiveRecord> dives{
      Dive("03/10/1994", "Elba"),  Dive("04/10/1994", "Elba"), Dive("08/10/1994", "Elba"),
      Dive("20/10/1994", "Capri"), Dive("25/10/1994", ""),     Dive("29/10/1994", ""),
      Dive("01/07/1995", "Elba"),  Dive("bad", "Elba"),
  };
  EXPECT_EQ(Labels(FindTrips(dives)),
            (std::vector<std::string>{"Elba, 3 October 1994", "Elba, 8 October 1994",
                                      "Capri, October 1994", "25 October 1994", "29 October 1994",
                                      "Elba, July 1995", "Elba"}));
}

// A small logbook whose columns hold ties, unknown values and numbers that sort differently as
// text.
std::vector<DiveRecord> SortingDives() {
  std::vector<DiveRecord> dives{Dive("01/02/1997", "elba", 10), Dive("31/01/1996", "Ägypten", 9),
                                Dive("15/05/1996", "Zypern", 100), Dive("bad", "", 9),
                                Dive("01/02/1997", "Bali", 9)};
  dives[0].MaxDepth = 9.5;
  dives[1].MaxDepth = kUnknownMeasurement;
  dives[2].MaxDepth = 10;
  dives[3].MaxDepth = 9.5;
  dives[4].MaxDepth = 30;
  dives[1].DivingTime = "Unknown";
  return dives;
}

TEST(DiveTableTest, SortsNumbersAndDatesAsSuchUnknownLastTiesInLogbookOrder) {
  DiveTable table;
  table.Build(SortingDives(), 0, UnitSystem::Metric);
  using C = TableColumn;
  struct Case {
    C column;
    bool descending;
    std::vector<int> order;
  } cases[] = {
      {C::Number, false, {1, 3, 4, 0, 2}},   {C::Number, true, {2, 0, 1, 3, 4}},
      {C::MaxDepth, false, {0, 3, 2, 4, 1}}, {C::MaxDepth, true, {4, 2, 0, 3, 1}},
      {C::Date, false, {1, 2, 0, 4, 3}},     {C::Date, true, {0, 4, 2, 1, 3}},
      {C::Location, false, {1, 4, 0, 2, 3}}, {C::Location, true, {2, 0, 4, 1, 3}},
      {C::DiveTime, true, {0, 2, 3, 4, 1}},  {C::BreathRate, true, {0, 1, 2, 3, 4}},
      {C::Entry, false, {3, 1, 4, 0, 2}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(table.ViewOrder({}, c.column, c.descending), c.order)
        << ColumnInfo(c.column).Title << (c.descending ? " desc" : "");
  }
  EXPECT_EQ(table.ViewOrder(DiveSearch("1996"), C::Number, true), (std::vector<int>{2, 1}));
  EXPECT_EQ(table.ViewOrder({}, std::nullopt, true), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST(DiveTableTest, ComputedColumnsFromSummariesUntilForgotten) {
  DiveTable table;
  table.Build(SortingDives(), 1, UnitSystem::Metric);
  AnalysisSummary none;
  AnalysisSummary known;
  known.BaseBreathRate = 17.25;
  known.HasSaturation = true;
  known.MaxOverSaturation = 81.04;
  table.SetSummary(2, known);
  table.SetSummary(0, none);
  table.SetSummary(99, known);
  EXPECT_EQ(table.Cell(2, TableColumn::BreathRate).Text, "17.3 l/min");
  EXPECT_EQ(table.Cell(2, TableColumn::MaxOverSat).Text, "81.0 %");
  EXPECT_FALSE(table.Cell(0, TableColumn::BreathRate).Known);
  EXPECT_TRUE(table.HasSummary(0));
  EXPECT_EQ(table.ViewOrder({}, TableColumn::BreathRate, false)[0], 2);
  table.ForgetSummaries();
  EXPECT_FALSE(table.Cell(2, TableColumn::BreathRate).Known);
  EXPECT_FALSE(table.HasSummary(2));
  EXPECT_EQ(table.Cell(2, TableColumn::Entry).Text, "  100 - ");
  EXPECT_EQ(table.Cell(1, TableColumn::MaxDepth).Text, "");
  EXPECT_EQ(table.Cell(0, TableColumn::MaxDepth).Text, "9.5 m");
}

// The table sorts by what it keeps, without making cells: every column, in either unit system and
// direction, must sort as the cells it shows would.
TEST(DiveTableTest, SortsEveryColumnAsItsCellsRead) {
  std::vector<DiveRecord> dives = SortingDives();
  dives[1].Location = "élba";
  dives[3].Comment = "Ölberg";
  dives[2].WaterTemperature = kUnknownMeasurement;
  dives[0].AirTemperature = 31.5;
  dives[4].AirConsumption = 180;
  dives[1].TankCapacity = kUnknownMeasurement;
  AnalysisSummary summary;
  summary.BaseBreathRate = 17.25;
  summary.HasSaturation = true;
  summary.MaxOverSaturation = 81.04;
  for (const UnitSystem units : {UnitSystem::Metric, UnitSystem::Imperial}) {
    DiveTable table;
    table.Build(dives, 1, units);
    table.SetSummary(2, summary);
    summary.BaseBreathRate = 9;
    summary.MaxOverSaturation = 12;
    table.SetSummary(4, summary);
    for (const TableColumnInfo& info : TableColumns()) {
      for (const bool descending : {false, true}) {
        std::vector<int> byCells(dives.size());
        std::iota(byCells.begin(), byCells.end(), 0);
        std::ranges::stable_sort(byCells, [&](int a, int b) {
          const TableCell left = table.Cell(a, info.Column);
          const TableCell right = table.Cell(b, info.Column);
          if (left.Known != right.Known) return left.Known;
          if (!left.Known) return false;
          const int order = left.Kind == CellKind::Number
                                ? (left.Number < right.Number ? -1 : right.Number < left.Number)
                                : left.SortText.compare(right.SortText);
          return descending ? order > 0 : order < 0;
        });
        EXPECT_EQ(table.ViewOrder({}, info.Column, descending), byCells)
            << info.Title << (descending ? " desc" : "");
      }
    }
  }
}

TEST(TableOutputTest, FormatsWithHeaderQuotingAndNull) {
  std::vector<DiveRecord> dives = SortingDives();
  dives[0].Comment = "Sun, \"calm\"\nsea\ttoo";
  dives[0].MaxDepth = 18.98;
  DiveTable table;
  table.Build(dives, 0, UnitSystem::Metric);
  AnalysisSummary summary;
  summary.BaseBreathRate = 52.0 / 3;
  table.SetSummary(0, summary);
  std::string badKey;
  const auto columns =
      ParseColumnKeys("index,number,date,maxdepth,divetime,comment,breathrate", badKey);
  ASSERT_TRUE(columns);
  const std::vector<int> rows{0, 1};
  EXPECT_EQ(WriteTable(table, rows, *columns, TableFormat::Csv),
            "index,number,date,maxdepth,divetime,comment,breathrate\n"
            "0,10,1997-02-01,18.98,40,\"Sun, \"\"calm\"\"\nsea\ttoo\",17.333333333333332\n"
            "1,9,1996-01-31,,,,\n");
  EXPECT_EQ(WriteTable(table, rows, *columns, TableFormat::Tsv),
            "index\tnumber\tdate\tmaxdepth\tdivetime\tcomment\tbreathrate\n"
            "0\t10\t1997-02-01\t18.98\t40\tSun, \"calm\" sea too\t17.333333333333332\n"
            "1\t9\t1996-01-31\t\t\t\t\n");
  EXPECT_EQ(
      WriteTable(
          table, {1, 3},
          {TableColumn::Date, TableColumn::MaxDepth, TableColumn::Location, TableColumn::Trip},
          TableFormat::Json),
      "[\n  {\"date\": \"1996-01-31\", \"maxdepth\": null, \"location\": \"Ägypten\", "
      "\"trip\": \"Ägypten, January 1996\"},\n"
      "  {\"date\": null, \"maxdepth\": 9.5, \"location\": \"\", \"trip\": \"Unknown\"}\n]\n");
  EXPECT_EQ(WriteTable(table, {}, {TableColumn::Comment}, TableFormat::Json), "[]\n");
  EXPECT_EQ(WriteTable(table, {0}, {TableColumn::Comment}, TableFormat::Json),
            "[\n  {\"comment\": \"Sun, \\\"calm\\\"\\nsea\\ttoo\"}\n]\n");
}

TEST(TableOutputTest, ColumnKeysAndFormats) {
  std::string badKey;
  EXPECT_FALSE(ParseColumnKeys("number,depth", badKey));
  EXPECT_EQ(badKey, "depth");
  EXPECT_FALSE(ParseColumnKeys("", badKey));
  EXPECT_FALSE(ParseColumnKeys("number,", badKey));
  EXPECT_EQ(TableFormatByName("csv"), TableFormat::Csv);
  EXPECT_FALSE(TableFormatByName("CSV"));
  std::string keys;
  for (TableColumn column : DefaultOutputColumns())
    keys += std::string(ColumnInfo(column).Key) + ",";
  EXPECT_EQ(keys, "number,date,time,location,site,maxdepth,divetime,watertemp,");
}

}  // namespace
}  // namespace scrb
