#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "saturation/SaturationFixtures.h"
#include "saturation/TissueLegend.h"

namespace scrb {
namespace {

using test::RecordedOp;
using test::RecordingSurface;

// The half times are shown back from the decay factors: every one of the fifteen tissues (the
// other models' tissues are among them) must come back whole, and every coefficient exact.
TEST(TissueLegend, OneRowPerTissue) {
  const int halfTimes[] = {5, 7, 10, 15, 20, 30, 40, 50, 60, 80, 100, 120, 160, 320, 640};
  const char* coefficients[] = {"2.72", "2.54", "2.38", "2.20", "2.04", "1.82", "1.68", "1.61",
                                "1.58", "1.56", "1.55", "1.54", "1.53", "1.46", "1.40"};
  const DecoModel model = test::Model(2);
  RecordingSurface s;
  DrawTissueLegend(model, s);
  EXPECT_EQ(s.Ops()[0].Type, RecordedOp::Kind::Cls);
  EXPECT_EQ(test::Corners(s), std::vector<double>({-50, -1, 1020, 15}));
  const std::vector<RecordedOp> bars = s.Lines();
  const std::vector<RecordedOp> texts = s.Prints();
  ASSERT_EQ(bars.size(), 15u);
  ASSERT_EQ(texts.size(), 15u);
  for (size_t t = 0; t < 15; ++t) {
    const double y = static_cast<double>(t);
    EXPECT_EQ(std::vector<double>({bars[t].X1, bars[t].Y1, bars[t].X2, bars[t].Y2}),
              std::vector<double>({0, y, 200, y}));
    EXPECT_EQ(bars[t].Color, model.TissueColor[t]);
    EXPECT_EQ(bars[t].DrawWidth, 4);
    EXPECT_DOUBLE_EQ(texts[t].Y1, y - s.TextHeight("Tissue") / 2);
    EXPECT_EQ(texts[t].Text, "Tissue " + std::to_string(t + 1) + ", half time: " +
                                 std::to_string(halfTimes[t]) +
                                 " minutes, Critical over-sat coeff: " + coefficients[t]);
  }
  EXPECT_EQ(s.DrawWidth(), 1);
}

TEST(DecoModel, DecayIsATimeConstantNotAHalvingLaw) {
  const DecoModel model = test::Model(0);
  EXPECT_EQ(model.TissueDecay[0], std::exp((-20.0 / 5) / 60));
  // The stored coefficient is the literal, not the shown value divided at run time.
  EXPECT_EQ(model.CriticalCoefficient[7], 0.014);
}

TEST(DecoModel, TablesAreRebuiltOnlyForAnotherNumber) {
  DecoModel model = test::Model(1);
  model.TissueDecay[0] = 42;
  LoadDecoModel(model, 1);
  EXPECT_EQ(model.TissueDecay[0], 42);

  // From fifteen tissues to eight: nothing of the slower tissues is left behind, and the spare
  // slot every reader of the tables expects holds 0.
  LoadDecoModel(model, 2);
  LoadDecoModel(model, 0);
  EXPECT_EQ(model.TissueCount, 8);
  ASSERT_EQ(model.TissueDecay.size(), 9u);
  EXPECT_EQ(model.CriticalCoefficient.size(), 9u);
  EXPECT_EQ(model.TissueDecay[8], 0.0);

  // An unknown number loads the eight tissues and is kept, so 0 after it builds them again.
  LoadDecoModel(model, 7);
  EXPECT_EQ(model.TissueCount, 8);
  model.TissueDecay[0] = 42;
  LoadDecoModel(model, 0);
  EXPECT_NEAR(model.TissueDecay[0], 0.935507, 1e-6);
}

}  // namespace
}  // namespace scrb
