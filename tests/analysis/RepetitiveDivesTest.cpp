#include <gtest/gtest.h>

#include <cmath>

#include "analysis/AnalysisCache.h"
#include "analysis/RepetitiveDives.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

DecoModel Model(int number) {
  DecoModel model;
  LoadDecoModel(model, number);
  return model;
}

// A square dive at `depth` for `minutes`, starting on 17/10/1998 at `time`.
DiveRecord Dive(const std::string& time, const std::string& interval, int minutes,
                double depth = 30, int number = 1) {
  test::ProfileBuilder profile;
  profile.Samples = test::ProfileBuilder::FromDepths(std::vector<double>(minutes * 3, depth));
  DiveRecord dive = test::MakeDecodedDive(profile);
  dive.DiveDate = "17/10/1998";
  dive.DiveTime = time;
  dive.SurfaceInterval = interval;
  dive.DivingTime = "00:" + std::string(minutes < 10 ? "0" : "") + std::to_string(minutes);
  dive.DiveNumber = number;
  return dive;
}

std::vector<double> EndOf(const DiveRecord& dive, const DecoModel& model,
                          const std::vector<double>& start = {}) {
  const SaturationResult result = ComputeSaturation(DecodeProfile(dive), 1.0, model, {}, start);
  std::vector<double> end;
  for (int t = 0; t < model.TissueCount; ++t) end.push_back(result.TissuePressure[t].back());
  return end;
}

// Every dive's start as the cache works it out, the latest dive asked first so that the chain is
// followed back.
std::vector<RepetitiveStart> Chain(const std::vector<DiveRecord>& dives, int model = 0) {
  AnalysisCache cache;
  cache.SetDives(&dives);
  cache.SetModel(model);
  cache.SetRepetitive(true);
  std::vector<RepetitiveStart> starts(dives.size());
  for (int d = static_cast<int>(dives.size()) - 1; d >= 0; --d) starts[d] = cache.StartOf(d);
  return starts;
}

TEST(RepetitiveDives, ReadsClockTimesAndStartsStrictly) {
  const std::vector<std::pair<std::string, std::optional<int>>> clocks = {{"00:05", 5},
                                                                          {"01:30", 90},
                                                                          {"123:04", 7384},
                                                                          {"Unknown", std::nullopt},
                                                                          {"", std::nullopt},
                                                                          {"-1:-5", std::nullopt},
                                                                          {"12:60", std::nullopt},
                                                                          {"1:5", std::nullopt},
                                                                          {"+1:05", std::nullopt}};
  for (const auto& [text, minutes] : clocks) EXPECT_EQ(ClockMinutes(text), minutes) << text;

  DiveRecord dive = Dive("10:00", "Unknown", 5);
  EXPECT_EQ(DiveStartMinute(dive), int64_t{10516} * 1440 + 600);  // 17/10/1998 is day 10516
  for (const auto& [date, time] :
       std::vector<std::pair<std::string, std::string>>{{"17/10/1998", "24:00"},
                                                        {"31/02/1998", "10:00"},
                                                        {"", "10:00"},
                                                        {"17/10/1998", "Unknown"},
                                                        {"17-10-1998", "10:00"}}) {
    dive.DiveDate = date;
    dive.DiveTime = time;
    EXPECT_FALSE(DiveStartMinute(dive)) << date << " " << time;
  }
}

TEST(RepetitiveDives, FindsTheLatestDiveThatStartedBefore) {
  // Merged out of order, two dives in one minute, one without a time and one the day before.
  std::vector<DiveRecord> dives = {Dive("14:00", "00:05", 5),   Dive("09:00", "Unknown", 5),
                                   Dive("11:00", "00:05", 5),   Dive("11:00", "00:05", 5),
                                   Dive("Unknown", "00:05", 5), Dive("23:50", "Unknown", 5)};
  dives[5].DiveDate = "16/10/1998";
  EXPECT_EQ(DivesBefore(dives), (std::vector<int>{3, 5, 1, 1, -1, -1}));
}

TEST(RepetitiveDives, TheDiveBeforeMustEndNearTheRecordedInterval) {
  const DiveRecord before = Dive("10:00", "Unknown", 30);  // ends 10:30
  struct Case {
    std::string Time, Interval;
    bool Fits;
  };
  for (const Case& c : std::vector<Case>{{"10:35", "00:05", true},
                                         {"12:30", "01:00", true},   // 60 minutes late
                                         {"12:31", "01:00", false},  // 61
                                         {"10:35", "01:05", true},   // 60 early: clocks differ
                                         {"10:35", "01:06", false},
                                         {"10:35", "Unknown", false}}) {
    EXPECT_EQ(FitsSurfaceInterval(before, Dive(c.Time, c.Interval, 5)), c.Fits)
        << c.Time << " " << c.Interval;
  }
  DiveRecord withoutDuration = before;
  withoutDuration.DivingTime = "Unknown";
  EXPECT_FALSE(FitsSurfaceInterval(withoutDuration, Dive("10:35", "00:05", 5)));
}

TEST(RepetitiveDives, OffGassesLikeAHandComputation) {
  const DecoModel model = Model(0);
  // Over 30 steps of 20 s the excess of tissue 1 (table time 10 minutes) shrinks by e^(-10/10):
  // 0.79 + (1.5 - 0.79) x 0.3678794 = 1.0511944. Tissue 0 (5 minutes) at 0.9 bar shrinks by
  // e^(-10/5): 0.711 + 1.289 x 0.1353353 = 0.8854472.
  const std::vector<double> after = OffGassed({2.0, 1.5}, model, 1.0, 10);
  EXPECT_NEAR(after[1], 1.0511944, 1e-7);
  EXPECT_NEAR(OffGassed({2.0}, model, 0.9, 10)[0], 0.8854472, 1e-7);
  EXPECT_EQ(OffGassed({2.0, 1.5}, model, 1.0, 0), (std::vector<double>{2.0, 1.5}));
}

TEST(RepetitiveDives, ASecondDiveStartsFromTheFirstUnderEveryModel) {
  const std::vector<DiveRecord> dives = {Dive("10:00", "Unknown", 30),
                                         Dive("10:35", "00:05", 20, 20)};
  for (int number = 0; number < kDecoModelChoices; ++number) {
    const DecoModel model = Model(number);
    const std::vector<RepetitiveStart> starts = Chain(dives, number);
    EXPECT_EQ(starts[0].Kind, CarryOver::NotRepetitive);
    EXPECT_TRUE(starts[0].Tissues.empty());
    const RepetitiveStart& second = starts[1];
    ASSERT_EQ(second.Kind, CarryOver::Carried) << number;
    EXPECT_EQ(second.From, 0);
    EXPECT_EQ(second.IntervalMinutes, 5);
    EXPECT_EQ(second.Tissues, OffGassed(EndOf(dives[0], model), model, 1.0, 5));
    for (double p : second.Tissues) EXPECT_GT(p, 0.79 + 1e-3);

    const DecodedProfile profile = DecodeProfile(dives[1]);
    const SaturationResult alone = ComputeSaturation(profile, 1.0, model);
    const SaturationResult chained = ComputeSaturation(profile, 1.0, model, {}, second.Tissues);
    EXPECT_GT(chained.MaxOverSaturation, alone.MaxOverSaturation + 1) << number;
  }
}

TEST(RepetitiveDives, ChainsThreeDivesAndStopsWhereTheIntervalsDoNot) {
  std::vector<DiveRecord> dives = {Dive("11:20", "00:05", 10, 15), Dive("10:00", "Unknown", 30),
                                   Dive("10:35", "00:05", 40, 20)};
  const DecoModel model = Model(1);
  std::vector<RepetitiveStart> starts = Chain(dives, 1);
  ASSERT_EQ(starts[2].Kind, CarryOver::Carried);
  ASSERT_EQ(starts[0].Kind, CarryOver::Carried);
  EXPECT_EQ(starts[0].From, 2);
  // The third dive starts from the second's end, itself carried from the first.
  EXPECT_EQ(starts[0].Tissues, OffGassed(EndOf(dives[2], model, starts[2].Tissues), model, 1.0, 5));
  EXPECT_NE(starts[0].Tissues, OffGassed(EndOf(dives[2], model), model, 1.0, 5));

  struct Case {
    const char* Why;
    std::string Time, Interval;
    CarryOver Kind;
  };
  for (const Case& c : std::vector<Case>{
           {"a dive between that the computer did not log", "10:35", "03:00",
            CarryOver::NoDiveBefore},
           {"the computer judged the diver clear", "10:35", "Unknown", CarryOver::NotRepetitive},
           {"a dive at an unknown time", "Unknown", "00:05", CarryOver::UnknownStart}}) {
    std::vector<DiveRecord> changed = dives;
    changed[2].DiveTime = c.Time;
    changed[2].SurfaceInterval = c.Interval;
    starts = Chain(changed, 1);
    EXPECT_EQ(starts[2].Kind, c.Kind) << c.Why;
    EXPECT_TRUE(starts[2].Tissues.empty()) << c.Why;
    EXPECT_EQ(starts[2].From, -1) << c.Why;
  }
  // Without a time the first dive is before nothing: the second is left at equilibrium.
  dives[1].DiveTime = "Unknown";
  starts = Chain(dives, 1);
  EXPECT_EQ(starts[2].Kind, CarryOver::NoDiveBefore);
  EXPECT_EQ(starts[0].Kind, CarryOver::Carried);
  EXPECT_EQ(starts[0].Tissues, OffGassed(EndOf(dives[2], model), model, 1.0, 5));
}

TEST(RepetitiveDives, ADiveBeforeWithoutProfileCarriesNothing) {
  std::vector<DiveRecord> dives = {Dive("10:00", "Unknown", 30), Dive("10:35", "00:05", 20)};
  dives[0].ProfileData.clear();
  dives[0].ProfileLength = 0;
  dives[0].DiveNumber = 1460;
  const RepetitiveStart start = Chain(dives)[1];
  EXPECT_EQ(start.Kind, CarryOver::NothingToCarry);
  EXPECT_TRUE(start.Tissues.empty());
  EXPECT_EQ(CarryOverText(start, 1460), "nothing carried over: dive 1460 before has no profile");
}

TEST(RepetitiveDives, SaysWhereTheNitrogenCameFrom) {
  RepetitiveStart start{CarryOver::Carried, 3, 5, {}};
  EXPECT_EQ(CarryOverText(start, 1461), "carried over 0:05 from dive 1461");
  start.IntervalMinutes = 135;
  EXPECT_EQ(CarryOverText(start, 7), "carried over 2:15 from dive 7");
  EXPECT_EQ(CarryOverText({CarryOver::NoDiveBefore, -1, 5, {}}, 0),
            "no dive before within the recorded interval");
  EXPECT_EQ(CarryOverText({}, 0), "");
}

TEST(RepetitiveDivesCache, FollowsTheOptionTheDivesAndTheSurfacePressures) {
  std::vector<DiveRecord> dives = {Dive("10:35", "00:05", 20, 20, 2)};
  AnalysisCache cache;
  cache.SetDives(&dives);
  cache.SetModel(0);
  const DecoModel model = Model(0);
  const auto alone = cache.Saturation(0);
  EXPECT_EQ(cache.StartOf(0).Kind, CarryOver::NotRepetitive);
  cache.SetRepetitive(true);
  EXPECT_EQ(cache.StartOf(0).Kind, CarryOver::NoDiveBefore);

  // The first dive of the day is merged behind the second.
  dives.push_back(Dive("10:00", "Unknown", 30, 30, 1));
  cache.DivesAppended();
  const auto chained = cache.Saturation(0);
  EXPECT_EQ(cache.StartOf(0).From, 1);
  EXPECT_EQ(chained->TissuePressure[0][0], cache.StartOf(0).Tissues[0]);
  EXPECT_GT(chained->MaxOverSaturation, alone->MaxOverSaturation);
  const std::optional<AnalysisSummary> summary = cache.Summary(0);
  EXPECT_EQ(summary->Carry, CarryOver::Carried);
  EXPECT_EQ(summary->CarriedFrom, 1);
  EXPECT_EQ(cache.Analysed(0).Start.From, 1);

  // The first dive at altitude leaves other tissues behind.
  ASSERT_TRUE(cache.SetSurfacePressure(1, 0.8));
  const std::vector<double> end = EndOf(dives[1], model);
  EXPECT_NE(cache.StartOf(0).Tissues, OffGassed(end, model, 1.0, 5));
  EXPECT_NE(cache.Saturation(0)->TissuePressure[0][0], chained->TissuePressure[0][0]);

  cache.SetModel(2);
  EXPECT_EQ(cache.StartOf(0).Tissues.size(), 15u);
  EXPECT_EQ(cache.Saturation(0)->TissuePressure[0][0], cache.StartOf(0).Tissues[0]);

  cache.SetRepetitive(false);
  EXPECT_EQ(cache.Saturation(0)->TissuePressure[0][0], 0.79);
  EXPECT_TRUE(cache.StartOf(0).Tissues.empty());
  EXPECT_EQ(cache.Summary(0)->Carry, CarryOver::NotRepetitive);
}

}  // namespace
}  // namespace scrb
