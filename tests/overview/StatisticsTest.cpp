#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "analysis/AnalysisCache.h"
#include "logbook/LogbookReader.h"
#include "overview/DiveFiguresFixture.h"
#include "overview/Statistics.h"
#include "overview/StatisticsTexts.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

constexpr int kMissing = 0x7FFF;
constexpr uint32_t k17Oct1998 = 145656;

using test::Figures;

std::vector<std::string> Keys(const LogbookStatistics& s) {
  std::vector<std::string> keys;
  for (const StatisticsGroup& g : s.Groups)
    keys.push_back(g.Key + ":" + std::to_string(g.Dives.size()));
  return keys;
}

TEST(StatisticsFields, DatesDurationsAndPartnersAsTheLogbookWritesThem) {
  EXPECT_EQ(DateKeyOf("17/10/1998"), 19981017);
  EXPECT_EQ(DateKeyOf("29/02/2000"), 20000229);
  for (const char* bad : {"29/02/1999", "32/01/1998", "00/01/1998", "1/10/1998", "", "Unknown",
                          "17-10-1998", "17/1a/1998"}) {
    EXPECT_EQ(DateKeyOf(bad), 0) << bad;
  }
  EXPECT_EQ(IsoDate(19981017), "1998-10-17");
  EXPECT_EQ(LogbookDate(19981017), "17/10/1998");
  EXPECT_EQ(DurationMinutes("01:05"), 65);
  EXPECT_EQ(DurationMinutes("00:00"), 0);
  for (const char* bad : {"Unknown", "", "1:60", ":", "12:3x"})
    EXPECT_FALSE(DurationMinutes(bad)) << bad;
  EXPECT_EQ(PartnerNames(" Anna , Ben,,Anna, "), (std::vector<std::string>{"Anna", "Ben"}));
  EXPECT_TRUE(PartnerNames("").empty());
  EXPECT_EQ(GroupingNamed("Partner"), StatisticsGrouping::Partner);
  EXPECT_FALSE(GroupingNamed("weekday"));
}

// A figure the computer did not record leaves only that figure; the dive still counts.
TEST(Statistics, MissingValuesLeaveTheDiveOutOfThatFigureOnly) {
  const LogbookStatistics s =
      SumUp({Figures(0, 19980101, 20.0, 40, 12.0, 18.0, 80.0, 3), Figures(1, 0, {}, {}, {}, {}, {}),
             Figures(2, 19990505, 30.0, {}, 8.0, {}, {})},
            StatisticsGrouping::Year);
  EXPECT_EQ(s.Dives, 3);
  EXPECT_EQ(s.DiveMinutes, 40);
  EXPECT_EQ(s.MeanDiveMinutes, 40.0);
  EXPECT_EQ(s.MeanMaxDepth, 25.0);
  EXPECT_EQ(s.MeanBreathRate, 18.0);
  EXPECT_EQ(s.BreathRateDives, 1);
  EXPECT_EQ(s.FirstDate, 19980101);
  EXPECT_EQ(s.LastDate, 19990505);
  EXPECT_EQ(s.Coldest->Index, 2);
  EXPECT_EQ(s.HighestOverSaturation->Tissue, 3);
  // The undated dive forms no year.
  EXPECT_EQ(Keys(s), (std::vector<std::string>{"1998:1", "1999:1"}));
  EXPECT_FALSE(s.Groups[1].DiveMinutes);
  EXPECT_FALSE(s.Groups[1].MeanBreathRate);
}

// Records go to the first dive in logbook order, whatever order the dives are given in.
TEST(Statistics, TiesGoToTheFirstDiveInLogbookOrder) {
  const LogbookStatistics s = SumUp({Figures(7, 19980101, 30.0, 50, 10.0, {}, 90.0, 2),
                                     Figures(3, 19980101, 30.0, 50, 10.0, {}, 90.0, 4),
                                     Figures(5, 19980101, 30.0, 50, 10.0, {}, 90.0, 1),
                                     Figures(3, 19980101, 30.0, 50, 10.0, {}, 90.0, 4)},
                                    StatisticsGrouping::Year);
  EXPECT_EQ(s.Dives, 3);  // the repeated dive counts once
  for (const auto& extreme : {s.Deepest, s.Longest, s.Coldest, s.HighestOverSaturation}) {
    ASSERT_TRUE(extreme);
    EXPECT_EQ(extreme->Index, 3);
  }
  EXPECT_EQ(s.HighestOverSaturation->Tissue, 4);
  EXPECT_EQ(s.Groups.at(0).Dives, (std::vector<int>{3, 5, 7}));
}

// Each partner of a dive gets the dive; text groups run by count, then by key; an empty text
// forms no group. Years and months run in ascending order.
TEST(Statistics, GroupKeysAndTheirOrder) {
  std::vector<DiveFigures> dives = {Figures(0, 19991203, 10.0, 30), Figures(1, 19980115, 10.0, 30),
                                    Figures(2, 19981220, 10.0, 30), Figures(3, 20000301, 10.0, 30)};
  dives[0].Partners = {"Ben", "Anna"};
  dives[1].Partners = {"Carl"};
  dives[2].Partners = {"Anna"};
  dives[0].Site = dives[1].Site = "Pier";
  dives[2].Site = "Wall";
  dives[3].Location = "Elba";
  dives[3].Trip = "Elba, March 2000";
  const auto keys = [&](StatisticsGrouping by) { return Keys(SumUp(dives, by)); };
  using V = std::vector<std::string>;
  EXPECT_EQ(keys(StatisticsGrouping::Year), (V{"1998:2", "1999:1", "2000:1"}));
  EXPECT_EQ(keys(StatisticsGrouping::Month), (V{"01:1", "03:1", "12:2"}));
  EXPECT_EQ(keys(StatisticsGrouping::Partner), (V{"Anna:2", "Ben:1", "Carl:1"}));
  EXPECT_EQ(keys(StatisticsGrouping::Site), (V{"Pier:2", "Wall:1"}));
  EXPECT_EQ(keys(StatisticsGrouping::Location), (V{"Elba:1"}));
  EXPECT_EQ(keys(StatisticsGrouping::Trip), (V{"Elba, March 2000:1"}));
  const LogbookStatistics s = SumUp(dives, StatisticsGrouping::Partner);
  EXPECT_EQ(s.Groups[0].Dives, (std::vector<int>{0, 2}));
  ASSERT_EQ(s.TopPartners.size(), 3u);
  EXPECT_EQ(s.TopPartners[0].Text, "Anna");
  EXPECT_EQ(s.TopSites[0].Dives, 2);
}

TEST(Statistics, TopFiveTextsOnly) {
  std::vector<DiveFigures> dives;
  for (int i = 0; i < 8; ++i) {
    dives.push_back(Figures(i, 19980101, 10.0, 30));
    dives.back().Site = std::string(1, static_cast<char>('A' + i % 7));
  }
  const LogbookStatistics s = SumUp(dives, StatisticsGrouping::Site);
  ASSERT_EQ(s.TopSites.size(), 5u);
  EXPECT_EQ(s.TopSites[0].Text + std::to_string(s.TopSites[0].Dives), "A2");
  EXPECT_EQ(s.TopSites[4].Text, "E");
  EXPECT_EQ(s.Groups.size(), 7u);
}

// The exact shape scripts read, with full-precision numbers and null for what no dive has.
TEST(StatisticsJson, ShapeAndPrecision) {
  std::vector<DiveFigures> dives = {
      Figures(0, 19981017, 18.98, 45, 15.48, 17.333333333333332, 81.25, 5),
      Figures(1, 19990102, 0.1, {}, {}, {}, {})};
  const std::string json = StatisticsJson(SumUp(dives, StatisticsGrouping::Year));
  EXPECT_EQ(json,
            "{\"dives\": 2, \"dive_minutes\": 45, \"first_date\": \"1998-10-17\", "
            "\"last_date\": \"1999-01-02\", \"mean_max_depth_m\": 9.540000000000001, "
            "\"mean_dive_minutes\": 45, \"mean_breath_rate_lpm\": 17.333333333333332, "
            "\"deepest\": {\"index\": 0, \"number\": 100, \"max_depth_m\": 18.98}, "
            "\"longest\": {\"index\": 0, \"number\": 100, \"dive_minutes\": 45}, "
            "\"coldest\": {\"index\": 0, \"number\": 100, \"water_c\": 15.48}, "
            "\"highest_oversaturation\": {\"index\": 0, \"number\": 100, \"percent\": 81.25, "
            "\"tissue\": 5}, \"groups\": ["
            "{\"key\": \"1998\", \"dives\": 1, \"dive_minutes\": 45, \"max_depth_m\": 18.98, "
            "\"mean_max_depth_m\": 18.98, \"min_water_c\": 15.48, \"mean_breath_rate_lpm\": "
            "17.333333333333332, \"max_oversaturation_pct\": 81.25}, "
            "{\"key\": \"1999\", \"dives\": 1, \"dive_minutes\": null, \"max_depth_m\": 0.1, "
            "\"mean_max_depth_m\": 0.1, \"min_water_c\": null, \"mean_breath_rate_lpm\": null, "
            "\"max_oversaturation_pct\": null}]}\n");
}

// A search that finds nothing still gives one object, with nothing to report.
TEST(StatisticsJson, NoDives) {
  EXPECT_EQ(StatisticsJson(SumUp({}, StatisticsGrouping::Site)),
            "{\"dives\": 0, \"dive_minutes\": null, \"first_date\": null, \"last_date\": null, "
            "\"mean_max_depth_m\": null, \"mean_dive_minutes\": null, \"mean_breath_rate_lpm\": "
            "null, \"deepest\": null, \"longest\": null, \"coldest\": null, "
            "\"highest_oversaturation\": null, \"groups\": []}\n");
  DiveFigures quoted = Figures(0, 0, {}, {});
  quoted.Site = "The \"Wall\"\\\n";
  EXPECT_NE(StatisticsJson(SumUp({quoted}, StatisticsGrouping::Site))
                .find("\"key\": \"The \\\"Wall\\\"\\\\\\u000a\""),
            std::string::npos);
}

TEST(StatisticsTexts, TitleAndSummaryLinesNameTheirDives) {
  EXPECT_EQ(StatisticsTitle(76, 76, ""), "76 dives");
  EXPECT_EQ(StatisticsTitle(12, 76, "Terlinden"), "12 of 76 dives (search: Terlinden)");
  EXPECT_EQ(StatisticsTitle(0, 1, "x"), "0 of 1 dive (search: x)");
  EXPECT_EQ(StatisticsTitle(3, 76, ""), "3 of 76 dives");
  DiveFigures deep = Figures(4, 19981017, 42.25, 61, 4.5, 16.04, 99.95, 7);
  deep.Site = "Blue Hole";
  const std::vector<SummaryRow> rows = SummaryRows(SumUp({deep}, StatisticsGrouping::Year));
  const auto row = [&](const std::string& label) {
    for (const SummaryRow& r : rows) {
      if (r.Label == label) return r;
    }
    return SummaryRow{};
  };
  EXPECT_EQ(row("Deepest dive").Value, "42.3 m, dive 104, 17/10/1998, Blue Hole");
  EXPECT_EQ(row("Deepest dive").Dive, 4);
  EXPECT_EQ(row("Total dive time").Value, "1:01 h");
  EXPECT_EQ(row("Highest over-saturation").Value,
            "100.0 %, tissue 7, dive 104, 17/10/1998, Blue Hole");
  EXPECT_EQ(row("Mean base breath rate").Value, "16.0 l/min (1 dives)");
  EXPECT_EQ(row("Dives").Dive, -1);
  const std::vector<SummaryRow> none = SummaryRows(SumUp({}, StatisticsGrouping::Year));
  for (const SummaryRow& r : none) {
    if (r.Label != "Dives") {
      EXPECT_EQ(r.Value, "-") << r.Label;
    }
  }
}

test::EntryBuilder Entry(uint32_t day, int depth, int minutes, int water, int air,
                         std::string partners) {
  test::EntryBuilder e;
  e.DayCount = day;
  e.MaxDepth = depth;
  e.DivingTimeMinutes = minutes;
  e.WaterTemperature = water;
  e.AirConsumption = air;
  e.Partners = std::move(partners);
  test::ProfileBuilder profile;
  std::vector<double> depths;
  for (int k = 0; k < 60; ++k) depths.push_back(k < 50 ? std::min(25.0, 2.0 + k) : 3.0);
  profile.Samples = test::ProfileBuilder::FromDepths(depths);
  profile.Status.assign(20, 0x10);
  e.Profile = profile.Bytes();
  return e;
}

// From the bytes of a logbook: the record's own figures, the analysis's per dive under the model
// in force, and the summaries handed to the cache for the table and the next time.
TEST(StatisticsOfALogbook, FiguresFromTheRecordsAndTheAnalysis) {
  std::vector<DiveRecord> dives;
  ParseLogbook(test::BuildLogbook({Entry(k17Oct1998, 1898, 45, 1548, 10000, "Anna, Ben"),
                                   Entry(k17Oct1998 + 1, kMissing, kMissing, kMissing, 0, ""),
                                   Entry(k17Oct1998 + 365, 2500, 50, 800, 12000, "Ben")}),
               dives);
  ASSERT_EQ(dives.size(), 3u);
  AnalysisCache cache;
  cache.SetDives(&dives);
  cache.SetModel(1);
  const LogbookStatistics s =
      *StatisticsOf(cache, dives, {2, 1, 0, 7}, StatisticsGrouping::Partner, {});
  EXPECT_EQ(s.Dives, 3);
  EXPECT_EQ(s.DiveMinutes, 95);
  EXPECT_EQ(s.Deepest->Index, 2);
  EXPECT_DOUBLE_EQ(s.Deepest->Value, 25);
  EXPECT_DOUBLE_EQ(*s.MeanMaxDepth, (18.98 + 25) / 2);
  EXPECT_DOUBLE_EQ(s.Coldest->Value, 8);
  EXPECT_EQ(s.BreathRateDives, 2);  // the dive without air used has no estimate
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(cache.KnownSummary(i)) << i;
    const DiveFigures* d = s.FiguresAt(i);
    const double rate = cache.Air(i)->BaseBreathRate;
    EXPECT_EQ(d->BreathRate.value_or(0), rate);
    EXPECT_EQ(*d->OverSaturation, cache.Saturation(i)->MaxOverSaturation);
    EXPECT_EQ(d->Tissue, cache.Saturation(i)->MaxOverSaturationTissue + 1);
  }
  EXPECT_EQ(Keys(s), (std::vector<std::string>{"Ben:2", "Anna:1"}));
  EXPECT_EQ(s.FirstDate, 19981017);
  EXPECT_EQ(s.LastDate, 19991017);
}

TEST(StatisticsOfALogbook, StoppedWorkGivesNothing) {
  std::vector<DiveRecord> dives;
  ParseLogbook(test::BuildLogbook({Entry(k17Oct1998, 1898, 45, 1548, 10000, "")}), dives);
  AnalysisCache cache;
  cache.SetDives(&dives);
  EXPECT_FALSE(StatisticsOf(cache, dives, {0}, StatisticsGrouping::Year,
                            [](size_t, size_t) { return false; }));
  size_t last = 0;
  EXPECT_TRUE(
      StatisticsOf(cache, dives, {0}, StatisticsGrouping::Year, [&](size_t done, size_t total) {
        last = done;
        return total == 1;
      }));
  EXPECT_EQ(last, 1u);
}

}  // namespace
}  // namespace scrb
