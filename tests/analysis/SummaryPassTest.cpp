#include <gtest/gtest.h>

#include <numeric>

#include "analysis/AnalysisCache.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

// Square dives of different depths, each 40 minutes after the last ended, so that with the
// option on every dive but the first is carried over from the one before.
std::vector<DiveRecord> Day(int count) {
  std::vector<DiveRecord> dives;
  for (int i = 0; i < count; ++i) {
    test::ProfileBuilder profile;
    profile.Samples = test::ProfileBuilder::FromDepths(std::vector<double>(60, 12.0 + 4 * i));
    DiveRecord dive = test::MakeDecodedDive(profile);
    dive.DiveDate = "17/10/1998";
    const int start = 8 * 60 + i * 60;  // 20-minute dives an hour apart
    dive.DiveTime = (start < 600 ? "0" : "") + std::to_string(start / 60) + ":00";
    dive.DivingTime = "00:20";
    dive.SurfaceInterval = i == 0 ? "Unknown" : "00:40";
    dive.DiveNumber = i + 1;
    dives.push_back(dive);
  }
  return dives;
}

std::vector<int> All(size_t count) {
  std::vector<int> all(count);
  std::iota(all.begin(), all.end(), 0);
  return all;
}

// What a cache of its own works out for each dive alone, under the given settings.
std::vector<AnalysisSummary> Fresh(const std::vector<DiveRecord>& dives, int model,
                                   bool repetitive) {
  std::vector<AnalysisSummary> summaries;
  for (size_t i = dives.size(); i-- > 0;) {
    AnalysisCache cache;
    cache.SetDives(&dives);
    cache.SetModel(model);
    cache.SetRepetitive(repetitive);
    summaries.insert(summaries.begin(), *cache.Summary(static_cast<int>(i)));
  }
  return summaries;
}

void ExpectSame(const AnalysisSummary& a, const AnalysisSummary& b, int dive) {
  EXPECT_EQ(a.SampleCount, b.SampleCount) << dive;
  EXPECT_EQ(a.BaseBreathRate, b.BaseBreathRate) << dive;
  EXPECT_EQ(a.MaxOverSaturation, b.MaxOverSaturation) << dive;
  EXPECT_EQ(a.EndTissuePressure, b.EndTissuePressure) << dive;
  EXPECT_EQ(a.Carry, b.Carry) << dive;
  EXPECT_EQ(a.CarriedFrom, b.CarriedFrom) << dive;
}

TEST(SummaryPass, ChainedInOnePassAsEachDiveAlone) {
  const std::vector<DiveRecord> dives = Day(4);
  for (const bool repetitive : {false, true}) {
    AnalysisCache cache;
    cache.SetDives(&dives);
    cache.SetModel(1);
    cache.SetRepetitive(repetitive);
    const auto summaries = SummariseDives(cache, {3, 1, 2, 0, 1, 9}, {});
    ASSERT_TRUE(summaries);
    const std::vector<AnalysisSummary> expected = Fresh(dives, 1, repetitive);
    const std::vector<int> order = {3, 1, 2, 0, 1};
    for (size_t n = 0; n < order.size(); ++n) {
      ExpectSame((*summaries)[n], expected[static_cast<size_t>(order[n])], order[n]);
      ExpectSame(*cache.KnownSummary(order[n]), expected[static_cast<size_t>(order[n])], order[n]);
    }
    EXPECT_EQ((*summaries)[5].SampleCount, 0);  // no such dive
    EXPECT_EQ(expected[3].Carry, repetitive ? CarryOver::Carried : CarryOver::NotRepetitive);
  }
}

TEST(SummaryPass, StoppedMidWayGivesNothingAndKeepsWholeSummaries) {
  const std::vector<DiveRecord> dives = Day(5);
  AnalysisCache cache;
  cache.SetDives(&dives);
  cache.SetModel(0);
  cache.SetRepetitive(true);
  std::vector<size_t> reported;
  EXPECT_FALSE(SummariseDives(cache, All(dives.size()), [&](size_t done, size_t total) {
    EXPECT_EQ(total, 5u);
    reported.push_back(done);
    return done < 3;
  }));
  EXPECT_EQ(reported, (std::vector<size_t>{0, 1, 2, 3}));
  const std::vector<AnalysisSummary> expected = Fresh(dives, 0, true);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(cache.KnownSummary(i).has_value(), i < 3) << i;
    if (i < 3) ExpectSame(*cache.KnownSummary(i), expected[static_cast<size_t>(i)], i);
  }
  const auto again = SummariseDives(cache, All(dives.size()), {});
  ASSERT_TRUE(again);
  for (int i = 0; i < 5; ++i) ExpectSame((*again)[static_cast<size_t>(i)], expected[i], i);
}

TEST(SummaryPass, TakesWhatTheCacheKnowsWithoutWorkingItOutAgain) {
  std::vector<DiveRecord> dives = Day(3);
  AnalysisCache cache;
  cache.SetDives(&dives);
  const auto first = SummariseDives(cache, {0, 1}, {});
  ASSERT_TRUE(first);
  // Records never change in the program; changed here behind the cache's back, they show which
  // summaries were worked out again.
  for (DiveRecord& dive : dives) {
    dive.ProfileData.clear();
    dive.ProfileLength = 0;
  }
  const auto second = SummariseDives(cache, {2, 1, 0}, {});
  ASSERT_TRUE(second);
  EXPECT_EQ((*second)[0].SampleCount, 0);
  ExpectSame((*second)[1], (*first)[1], 1);
  ExpectSame((*second)[2], (*first)[0], 0);
  EXPECT_GT((*second)[2].SampleCount, 0);
}

TEST(SummaryPass, AChangeDuringThePassStoresNothingStale) {
  const std::vector<DiveRecord> dives = Day(4);
  AnalysisCache cache;
  cache.SetDives(&dives);
  cache.SetModel(0);
  EXPECT_FALSE(SummariseDives(cache, All(dives.size()), [&](size_t done, size_t) {
    if (done == 2) cache.SetModel(2);
    return true;
  }));
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(cache.KnownSummary(i)) << i;

  // A change while a part is being computed: what was computed under the old model is handed
  // to the caller who asked, and not kept.
  bool changed = false;
  const auto old = cache.Saturation(1, [&] {
    if (!changed) cache.SetModel(0);
    changed = true;
  });
  EXPECT_EQ(old->TissuePressure.size(), 16u);  // 15 tissues and the unused row
  EXPECT_EQ(cache.Saturation(1)->TissuePressure.size(), 9u);
  EXPECT_FALSE(cache.KnownSummary(1));
  const auto summaries = SummariseDives(cache, All(dives.size()), {});
  ASSERT_TRUE(summaries);
  const std::vector<AnalysisSummary> expected = Fresh(dives, 0, false);
  for (int i = 0; i < 4; ++i) ExpectSame((*summaries)[static_cast<size_t>(i)], expected[i], i);
}

}  // namespace
}  // namespace scrb
