#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "saturation/SaturationFixtures.h"
#include "saturation/TissueLegend.h"

namespace scrb {
namespace {

using test::RecordedOp;
using test::RecordingSurface;

// The half time is shown back from the decay factor, so the slowest tissue must come back whole.
TEST(TissueLegend, OneRowPerTissue) {
  const DecoModel model = test::Model(2);
  RecordingSurface s;
  DrawTissueLegend(model, s);
  EXPECT_EQ(s.Ops()[0].Type, RecordedOp::Kind::Cls);
  const std::vector<RecordedOp> bars = s.Lines();
  const std::vector<RecordedOp> texts = s.Prints();
  ASSERT_EQ(bars.size(), 15u);
  ASSERT_EQ(texts.size(), 15u);
  EXPECT_EQ(std::make_pair(bars[14].Y1, bars[14].X2), std::make_pair(14.0, 200.0));
  EXPECT_EQ(bars[14].Color, model.TissueColor[14]);
  EXPECT_DOUBLE_EQ(texts[14].Y1, 14 - s.TextHeight("Tissue") / 2);
  EXPECT_EQ(texts[14].Text, "Tissue 15, half time: 640 minutes, Critical over-sat coeff: 1.40");
  EXPECT_EQ(s.DrawWidth(), 1);
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
  EXPECT_EQ(model.TissueDecay[8], 0.0);

  // An unknown number loads the eight tissues and is kept, so 0 after it builds them again.
  LoadDecoModel(model, 7);
  EXPECT_EQ(model.TissueCount, 8);
  model.TissueDecay[0] = 42;
  LoadDecoModel(model, 0);
  // The half time is a time constant, e^(-dt/h) with no ln 2: the coefficients are judged on it.
  EXPECT_EQ(model.TissueDecay[0], std::exp((-20.0 / 5) / 60));
}

}  // namespace
}  // namespace scrb
