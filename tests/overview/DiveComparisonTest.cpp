#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "analysis/AnalysisCache.h"
#include "logbook/MissingValues.h"
#include "overview/DiveComparison.h"
#include "overview/StatisticsTexts.h"
#include "saturation/SaturationCharts.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

// A square dive at `depth` for `minutes` on 17/10/1998 at `time`, with a short ascent, 150 bar
// of a 12 l tank used.
DiveRecord Dive(const std::string& time, const std::string& interval, int minutes, double depth,
                int number) {
  test::ProfileBuilder profile;
  std::vector<double> depths(static_cast<size_t>(minutes) * 3, depth);
  depths.insert(depths.end(), {depth / 2, 3, 0});
  profile.Samples = test::ProfileBuilder::FromDepths(depths);
  profile.Status = std::vector<int>(depths.size() / 3, 0x20);  // breathing at air level 2
  DiveRecord dive = test::MakeDecodedDive(profile, 12, 150);
  dive.DiveDate = "17/10/1998";
  dive.DiveTime = time;
  dive.SurfaceInterval = interval;
  dive.DivingTime = "00:" + std::to_string(minutes + 1);
  dive.DiveNumber = number;
  dive.Site = "  Blue Hole ";
  dive.WaterTemperature = 14.5;
  return dive;
}

// A dive the computer logged without a profile or any measured figure.
DiveRecord EmptyDive() {
  DiveRecord dive;
  dive.DiveNumber = 9;
  dive.DiveDate = "31/02/1998";
  dive.DiveTime = "Unknown";
  dive.SurfaceInterval = "Unknown";
  dive.DivingTime = "Unknown";
  dive.MaxDepth = kUnknownMeasurement;
  dive.WaterTemperature = kUnknownMeasurement;
  return dive;
}

struct Compared {
  std::vector<DiveRecord> Dives;
  AnalysisCache Cache;
  DiveComparison Result;

  Compared(std::vector<DiveRecord> dives, std::vector<int> indices, int model = 0,
           bool repetitive = false)
      : Dives(std::move(dives)) {
    Cache.SetDives(&Dives);
    Cache.SetModel(model);
    Cache.SetRepetitive(repetitive);
    Result = CompareDives(Cache, indices);
  }
};

TEST(DiveComparison, EachFigureOfADiveAndNoneWhereTheLogbookHasNone) {
  Compared c({Dive("10:00", "01:25", 30, 30, 12), EmptyDive()}, {1, 0});
  ASSERT_EQ(c.Result.Dives.size(), 2u);
  const ComparedDive& empty = c.Result.Dives[0];  // in the order asked for
  const ComparedDive& full = c.Result.Dives[1];

  const auto saturation = c.Cache.Saturation(0);
  const auto air = c.Cache.Air(0);
  ASSERT_GT(air->BaseBreathRate, 0);
  EXPECT_EQ(full.Index, 0);
  EXPECT_EQ(full.Number, 12);
  EXPECT_EQ(full.Date, 19981017);
  EXPECT_EQ(full.Site, "Blue Hole");
  EXPECT_DOUBLE_EQ(*full.MaxDepth, c.Dives[0].MaxDepth);
  EXPECT_EQ(full.DiveMinutes, 31);
  EXPECT_DOUBLE_EQ(*full.WaterTemperature, 14.5);
  EXPECT_DOUBLE_EQ(*full.BreathRate, air->BaseBreathRate);
  EXPECT_DOUBLE_EQ(*full.MaxOverSaturation, saturation->MaxOverSaturation);
  EXPECT_EQ(full.Tissue, saturation->MaxOverSaturationTissue + 1);
  EXPECT_EQ(full.SurfaceInterval, 85);
  EXPECT_FALSE(full.Carried);
  EXPECT_TRUE(full.HasSamples());

  EXPECT_EQ(empty.Index, 1);
  EXPECT_EQ(empty.Date, 0);
  for (const auto& figure :
       {empty.MaxDepth, empty.WaterTemperature, empty.BreathRate, empty.MaxOverSaturation}) {
    EXPECT_FALSE(figure);
  }
  EXPECT_FALSE(empty.DiveMinutes);
  EXPECT_FALSE(empty.Tissue);
  EXPECT_FALSE(empty.SurfaceInterval);
  EXPECT_FALSE(empty.HasSamples());
  EXPECT_TRUE(empty.HighestOverSaturation.empty());

  // The empty dive keeps its column of the table and is named in the note, not in the charts.
  EXPECT_EQ(c.Result.LongestSampleCount(), full.SampleCount());
  ASSERT_EQ(c.Result.WithoutSamples().size(), 1u);
  EXPECT_EQ(c.Result.WithoutSamples()[0], &empty);
  EXPECT_NE(LeftOutNote(c.Result).find("9"), std::string::npos);
  const auto table = ComparisonTable(c.Result, UnitSystem::Metric);
  ASSERT_EQ(table.size(), 10u);
  const std::vector<std::string> fullColumn = {
      "12", "17/10/1998", "Blue Hole", "30.0 m", "31 min", "15 C", "", "", "1:25", "No"};
  for (size_t row = 0; row < table.size(); ++row) {
    ASSERT_EQ(table[row].size(), 3u);
    if (row != 0) {
      EXPECT_EQ(table[row][1], row == 9 ? "No" : "-") << table[row][0];
    }
    if (!fullColumn[row].empty()) {
      EXPECT_EQ(table[row][2], fullColumn[row]) << table[row][0];
    }
  }
  EXPECT_NE(table[7][2].find("on tissue " + std::to_string(*full.Tissue)), std::string::npos);
}

TEST(DiveComparison, HighestOverSaturationIsTheTopTissueOfTheChartAtEveryStep) {
  Compared c({Dive("10:00", "Unknown", 25, 40, 1), Dive("14:00", "Unknown", 50, 12, 2)}, {0, 1}, 1);
  for (const ComparedDive& d : c.Result.Dives) {
    const auto profile = d.Analysed.Profile;
    const auto saturation = d.Analysed.Saturation;
    ASSERT_EQ(d.HighestOverSaturation.size(), saturation->TissuePressure[0].size());
    for (size_t s = 0; s < d.HighestOverSaturation.size(); ++s) {
      double top = 0;
      for (size_t t = 0; t < static_cast<size_t>(c.Result.Model.TissueCount); ++t) {
        top = std::max(top, OverSaturationPoint(*profile, *saturation, c.Result.Model, t, s));
      }
      EXPECT_EQ(d.HighestOverSaturation[s], top) << "step " << s;
    }
    // The highest of the line is the figure of the table.
    EXPECT_NEAR(*std::ranges::max_element(d.HighestOverSaturation), *d.MaxOverSaturation * 100,
                1e-6);
    // With no model loaded there are no tissues to judge: nothing, rather than reading past the
    // model's tables.
    EXPECT_TRUE(HighestOverSaturation(*profile, *saturation, DecoModel{}).empty());
  }
}

// The second dive follows the first after 50 minutes at the surface: under every model it starts
// with the nitrogen left over, and so comes closer to its limit than it would alone. The first
// has a surface interval recorded but no dive before it: nothing was carried over into it.
TEST(DiveComparison, ACarriedOverPairUnderEachModel) {
  const std::vector<DiveRecord> pair = {Dive("10:00", "01:10", 30, 30, 1),
                                        Dive("11:30", "00:50", 30, 30, 2)};
  for (int model = 0; model <= 2; ++model) {
    Compared carried(pair, {0, 1}, model, true);
    Compared alone(pair, {0, 1}, model, false);
    const ComparedDive& second = carried.Result.Dives[1];
    EXPECT_FALSE(carried.Result.Dives[0].Carried) << "model " << model;
    EXPECT_TRUE(second.Carried) << "model " << model;
    EXPECT_EQ(second.CarriedFrom, 0);
    EXPECT_FALSE(alone.Result.Dives[1].Carried);
    EXPECT_GT(*second.MaxOverSaturation, *alone.Result.Dives[1].MaxOverSaturation + 1)
        << "model " << model;
    EXPECT_GT(second.HighestOverSaturation.front(),
              alone.Result.Dives[1].HighestOverSaturation.front());
    const auto table = ComparisonTable(carried.Result, UnitSystem::Metric);
    EXPECT_EQ(table[9][1], "No");
    EXPECT_EQ(table[9][2], "Yes, from dive 1");
    const std::string json = ComparisonJson(carried.Result, UnitSystem::Metric);
    EXPECT_NE(json.find("\"carried\": false},"), std::string::npos) << json;
    EXPECT_NE(json.find("\"carried\": true}]"), std::string::npos) << json;
  }
  // The dive before need not be one of those compared.
  Compared without(pair, {1, 0}, 0, true);
  EXPECT_EQ(ComparisonTable(without.Result, UnitSystem::Metric)[9][1], "Yes, from dive 1");
}

TEST(DiveComparison, RefusesTooFewTooManyAndMissingDives) {
  const struct {
    std::vector<int> Indices;
    const char* Problem;  // a word of the message; null when accepted
  } cases[] = {
      {{}, "at least two"},
      {{3}, "at least two"},
      {{0, 1}, nullptr},
      {{5, 0, 2}, nullptr},
      {{0, 1, 2, 3, 4, 5}, nullptr},
      {{0, 1, 2, 3, 4, 5, 6}, "at most six"},
      {{0, 6}, "dive 6 is not"},
      {{-1, 2}, "dive -1 is not"},
      {{2, 2}, "twice"},
  };
  for (const auto& c : cases) {
    const auto problem = ComparisonProblem(c.Indices, 6);
    if (c.Problem == nullptr) {
      EXPECT_FALSE(problem) << *problem;
    } else {
      ASSERT_TRUE(problem) << c.Problem;
      EXPECT_NE(problem->find(c.Problem), std::string::npos) << *problem;
    }
  }
}

TEST(DiveComparison, JsonAtFullPrecisionWithNullsAndKeysNamedForTheUnits) {
  DiveRecord dive = Dive("10:00", "00:07", 20, 18.3, 4);
  dive.MaxDepth = 18.98;
  Compared c({dive, EmptyDive()}, {0, 1});
  const std::string metric = ComparisonJson(c.Result, UnitSystem::Metric);
  const std::string imperial = ComparisonJson(c.Result, UnitSystem::Imperial);
  const ComparedDive& d = c.Result.Dives[0];
  for (const std::string& expected :
       {std::string("[{\"index\": 0, \"number\": 4, \"date\": \"1998-10-17\", \"site\": "
                    "\"Blue Hole\", \"max_depth_m\": 18.98, \"dive_minutes\": 21, \"water_c\": "
                    "14.5, \"breath_rate_lpm\": ") +
            JsonNumber(*d.BreathRate) + ", \"max_oversaturation_pct\": " +
            JsonNumber(*d.MaxOverSaturation) + ", \"tissue\": " + std::to_string(*d.Tissue) +
            ", \"surface_interval_min\": 7, \"carried\": false}",
        std::string("{\"index\": 1, \"number\": 9, \"date\": null, \"site\": \"\", "
                    "\"max_depth_m\": null, \"dive_minutes\": null, \"water_c\": null, "
                    "\"breath_rate_lpm\": null, \"max_oversaturation_pct\": null, \"tissue\": "
                    "null, \"surface_interval_min\": null, \"carried\": false}]\n")}) {
    EXPECT_NE(metric.find(expected), std::string::npos) << metric;
  }
  for (const std::string& key :
       {"\"max_depth_ft\": " + JsonNumber(ToUnits(Quantity::Depth, 18.98, UnitSystem::Imperial)),
        "\"water_f\": " + JsonNumber(ToUnits(Quantity::Temperature, 14.5, UnitSystem::Imperial)),
        std::string("\"breath_rate_cuftpm\": "), std::string("\"max_depth_ft\": null")}) {
    EXPECT_NE(imperial.find(key), std::string::npos) << key << "\n" << imperial;
  }
  EXPECT_EQ(imperial.find("_m\""), std::string::npos);
  EXPECT_NE(ComparisonText(c.Result, UnitSystem::Imperial).find("\t62 ft\t"), std::string::npos);
}

}  // namespace
}  // namespace scrb
