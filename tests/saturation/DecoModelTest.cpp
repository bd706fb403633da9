#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "saturation/SaturationFixtures.h"
#include "saturation/TissueLegend.h"

namespace scrb {
namespace {

using test::RecordedOp;
using test::RecordingSurface;

// The legend is where the user reads each model's half times and coefficients.
TEST(TissueLegend, OneRowPerTissueOfEachModel) {
  const struct {
    int Number;
    std::vector<int> HalfTimes;
    std::vector<std::string> Coefficients;
  } models[] = {
      {0,
       {5, 10, 20, 40, 80, 160, 320, 640},
       {"2.72", "2.38", "2.04", "1.68", "1.56", "1.53", "1.46", "1.40"}},
      {1,
       {5, 7, 10, 15, 20, 30, 40, 50, 60, 80, 100, 120},
       {"2.72", "2.54", "2.38", "2.20", "2.04", "1.82", "1.68", "1.61", "1.58", "1.56", "1.55",
        "1.54"}},
      {2,
       {5, 7, 10, 15, 20, 30, 40, 50, 60, 80, 100, 120, 160, 320, 640},
       {"2.72", "2.54", "2.38", "2.20", "2.04", "1.82", "1.68", "1.61", "1.58", "1.56", "1.55",
        "1.54", "1.53", "1.46", "1.40"}},
  };
  for (const auto& m : models) {
    SCOPED_TRACE(m.Number);
    const DecoModel model = test::Model(m.Number);
    const size_t count = m.HalfTimes.size();
    ASSERT_EQ(model.TissueCount, static_cast<int>(count));
    // One spare slot holding 0, as every reader of the tables expects.
    ASSERT_EQ(model.TissueDecay.size(), count + 1);
    ASSERT_EQ(model.CriticalCoefficient.size(), count + 1);
    EXPECT_EQ(model.TissueDecay[count], 0.0);
    EXPECT_EQ(model.CriticalCoefficient[count], 0.0);

    RecordingSurface s;
    DrawTissueLegend(model, s);
    EXPECT_EQ(s.Ops()[0].Type, RecordedOp::Kind::Cls);
    EXPECT_EQ(test::Corners(s), std::vector<double>({-50, -1, 1020, static_cast<double>(count)}));
    const std::vector<RecordedOp> bars = s.Lines();
    const std::vector<RecordedOp> texts = s.Prints();
    ASSERT_EQ(bars.size(), count);
    ASSERT_EQ(texts.size(), count);
    for (size_t t = 0; t < count; ++t) {
      const double y = static_cast<double>(t);
      EXPECT_EQ(std::vector<double>({bars[t].X1, bars[t].Y1, bars[t].X2, bars[t].Y2}),
                std::vector<double>({0, y, 200, y}));
      EXPECT_EQ(bars[t].Color, model.TissueColor[t]);
      EXPECT_EQ(bars[t].DrawWidth, 4);
      EXPECT_EQ(texts[t].X1, 210);
      EXPECT_DOUBLE_EQ(texts[t].Y1, y - s.TextHeight("Tissue") / 2);
      EXPECT_EQ(texts[t].Text, "Tissue " + std::to_string(t + 1) +
                                   ", half time: " + std::to_string(m.HalfTimes[t]) +
                                   " minutes, Critical over-sat coeff: " + m.Coefficients[t]);
    }
    EXPECT_EQ(s.DrawWidth(), 1);
  }
}

TEST(DecoModel, DecayIsATimeConstantNotAHalvingLaw) {
  const DecoModel model = test::Model(0);
  EXPECT_EQ(model.TissueDecay[0], std::exp((-20.0 / 5) / 60));
  EXPECT_NEAR(model.TissueDecay[7], 0.999479, 1e-6);
  // The stored coefficient is the literal, not the shown value divided at run time.
  EXPECT_EQ(model.CriticalCoefficient[7], 0.014);
}

TEST(DecoModel, TablesAreRebuiltOnlyForAnotherNumber) {
  DecoModel model = test::Model(1);
  model.TissueDecay[0] = 42;
  LoadDecoModel(model, 1);
  EXPECT_EQ(model.TissueDecay[0], 42);

  // From fifteen tissues to eight: nothing of the slower tissues is left behind.
  LoadDecoModel(model, 2);
  LoadDecoModel(model, 0);
  EXPECT_EQ(model.TissueCount, 8);
  EXPECT_EQ(model.TissueDecay.size(), 9u);
  EXPECT_EQ(model.CriticalCoefficient.size(), 9u);
  EXPECT_EQ(model.TissueDecay[8], 0.0);

  // An unknown number loads the eight tissues and is kept, so 0 after it builds them again.
  LoadDecoModel(model, 7);
  EXPECT_EQ(model.DecoModelNumber, 7);
  EXPECT_EQ(model.TissueCount, 8);
  model.TissueDecay[0] = 42;
  LoadDecoModel(model, 0);
  EXPECT_NEAR(model.TissueDecay[0], 0.935507, 1e-6);

  DecoModel none;
  LoadDecoModel(none, -1);
  EXPECT_EQ(none.DecoModelNumber, -1);
  EXPECT_EQ(none.TissueCount, 0);
  EXPECT_TRUE(none.TissueColor.empty());
}

}  // namespace
}  // namespace scrb
