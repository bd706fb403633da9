#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "report/NumberFormat.h"
#include "saturation/DecoModel.h"
#include "saturation/TissueLegend.h"
#include "support/RecordingSurface.h"

namespace scrb {
namespace {

using test::RecordedOp;
using test::RecordingSurface;

struct ModelCase {
  int Number;
  std::vector<int> HalfTimes;
  std::vector<std::string> Coefficients;
};

const std::vector<ModelCase> kModels = {
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

DecoModel Loaded(int number) {
  DecoModel model;
  LoadDecoModel(model, number);
  return model;
}

TEST(DecoModel, EveryModelGivesBackItsHalfTimesAndCoefficients) {
  for (const ModelCase& c : kModels) {
    SCOPED_TRACE(c.Number);
    const DecoModel model = Loaded(c.Number);
    const size_t count = c.HalfTimes.size();
    ASSERT_EQ(model.TissueCount, static_cast<int>(count));
    ASSERT_EQ(model.TissueDecay.size(), count + 1);
    ASSERT_EQ(model.CriticalCoefficient.size(), count + 1);
    EXPECT_EQ(model.TissueDecay[count], 0.0);
    EXPECT_EQ(model.CriticalCoefficient[count], 0.0);
    for (size_t t = 0; t < count; ++t) {
      EXPECT_EQ(FormatPattern(TissueHalfTime(model, static_cast<int>(t)), "0"),
                std::to_string(c.HalfTimes[t]));
      EXPECT_EQ(FormatPattern(model.CriticalCoefficient[t] * 100, "0.00"), c.Coefficients[t]);
    }
  }
}

TEST(DecoModel, DecayIsATimeConstantNotAHalvingLaw) {
  const DecoModel model = Loaded(0);
  EXPECT_NEAR(model.TissueDecay[0], 0.935507, 1e-6);
  EXPECT_NEAR(model.TissueDecay[7], 0.999479, 1e-6);
  EXPECT_EQ(model.TissueDecay[0], std::exp((-20.0 / 5) / 60));
  // The stored coefficient is the literal, not the shown value divided at run time.
  EXPECT_EQ(model.CriticalCoefficient[7], 0.014);
}

TEST(DecoModel, LoadingTheLoadedNumberRebuildsNothing) {
  DecoModel model = Loaded(1);
  model.TissueDecay[0] = 42;
  LoadDecoModel(model, 1);
  EXPECT_EQ(model.TissueDecay[0], 42);
  EXPECT_EQ(model.TissueCount, 12);
}

TEST(DecoModel, SwitchingFromFifteenToEightTissuesDropsTheRest) {
  DecoModel model = Loaded(2);
  LoadDecoModel(model, 0);
  EXPECT_EQ(model.DecoModelNumber, 0);
  EXPECT_EQ(model.TissueCount, 8);
  EXPECT_EQ(model.TissueDecay.size(), 9u);
  EXPECT_EQ(model.CriticalCoefficient.size(), 9u);
  EXPECT_EQ(model.TissueDecay[8], 0.0);
  EXPECT_EQ(FormatPattern(TissueHalfTime(model, 7), "0"), "640");
}

TEST(DecoModel, UnknownNumberLoadsEightTissuesAndIsKept) {
  DecoModel model = Loaded(7);
  EXPECT_EQ(model.DecoModelNumber, 7);
  EXPECT_EQ(model.TissueCount, 8);
  model.TissueDecay[0] = 42;
  LoadDecoModel(model, 0);  // 0 differs from 7, so the same tables are built again
  EXPECT_EQ(model.DecoModelNumber, 0);
  EXPECT_NEAR(model.TissueDecay[0], 0.935507, 1e-6);
}

TEST(DecoModel, MinusOneOnAFreshModelLeavesNoTissue) {
  DecoModel model;
  LoadDecoModel(model, -1);
  EXPECT_EQ(model.DecoModelNumber, -1);
  EXPECT_EQ(model.TissueCount, 0);
  EXPECT_TRUE(model.TissueColor.empty());
}

TEST(TissueLegend, EightTissueLegendRowsAndTexts) {
  const DecoModel model = Loaded(0);
  RecordingSurface surface;
  DrawTissueLegend(model, surface);

  const std::vector<RecordedOp>& ops = surface.Ops();
  ASSERT_FALSE(ops.empty());
  EXPECT_EQ(ops[0].Type, RecordedOp::Kind::Cls);
  EXPECT_EQ(surface.ScaleLeft(), -50);
  EXPECT_EQ(surface.ScaleTop(), -1);
  EXPECT_EQ(surface.ScaleRight(), 1020);
  EXPECT_EQ(surface.ScaleBottom(), 8);

  const std::vector<RecordedOp> lines = surface.Lines();
  ASSERT_EQ(lines.size(), 8u);
  const std::vector<RecordedOp> prints = surface.Prints();
  ASSERT_EQ(prints.size(), 8u);
  const double halfText = surface.TextHeight("Tissue") / 2;
  for (size_t t = 0; t < 8; ++t) {
    EXPECT_EQ(lines[t].X1, 0);
    EXPECT_EQ(lines[t].X2, 200);
    EXPECT_EQ(lines[t].Y1, static_cast<double>(t));
    EXPECT_EQ(lines[t].Y2, static_cast<double>(t));
    EXPECT_EQ(lines[t].Color, model.TissueColor[t]);
    EXPECT_EQ(lines[t].DrawWidth, 4);
    EXPECT_EQ(prints[t].X1, 210);
    EXPECT_DOUBLE_EQ(prints[t].Y1, static_cast<double>(t) - halfText);
  }
  EXPECT_EQ(prints[0].Text, "Tissue 1, half time: 5 minutes, Critical over-sat coeff: 2.72");
  EXPECT_EQ(prints[7].Text, "Tissue 8, half time: 640 minutes, Critical over-sat coeff: 1.40");
  EXPECT_EQ(surface.DrawWidth(), 1);
}

TEST(TissueLegend, LastRowOfEachModel) {
  const std::vector<std::pair<int, std::string>> cases = {
      {0, "Tissue 8, half time: 640 minutes, Critical over-sat coeff: 1.40"},
      {1, "Tissue 12, half time: 120 minutes, Critical over-sat coeff: 1.54"},
      {2, "Tissue 15, half time: 640 minutes, Critical over-sat coeff: 1.40"},
  };
  for (const auto& [number, last] : cases) {
    const DecoModel model = Loaded(number);
    RecordingSurface surface;
    DrawTissueLegend(model, surface);
    const std::vector<std::string> texts = surface.Texts();
    ASSERT_EQ(static_cast<int>(texts.size()), model.TissueCount);
    EXPECT_EQ(texts.front(), "Tissue 1, half time: 5 minutes, Critical over-sat coeff: 2.72");
    EXPECT_EQ(texts.back(), last);
    EXPECT_EQ(surface.ScaleBottom(), model.TissueCount);
  }
}

}  // namespace
}  // namespace scrb
