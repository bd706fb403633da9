#include <gtest/gtest.h>

#include "charts/AxisSteps.h"

namespace scrb {
namespace {

TEST(StretchTimeAxis, StepsFromTheSeriesAndLabelsInTheirForm) {
  struct Case {
    double TwipsPerSecond;
    double LabelTwips;
    StretchTimeSteps Steps;
  } cases[] = {
      {100, 600, {20, 20}},  // a minute over a wide window
      {10, 600, {30, 120}},  // grid at 30 s: labels on its multiples only
      {5, 300, {60, 120}},         {1, 300, {300, 600}},  // 5 min is 300 twips: no room for the gap
      {0.1, 300, {3600, 3600}},                           // hours past half an hour
      {0.01, 300, {36000, 36000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.TwipsPerSecond);
    const StretchTimeSteps steps = StretchTimeStepsFor(c.TwipsPerSecond, c.LabelTwips, 60);
    EXPECT_EQ(steps.Grid, c.Steps.Grid);
    EXPECT_EQ(steps.Label, c.Steps.Label);
  }
  EXPECT_EQ(StretchTimeLabel(740, 20), "12'20\"");
  EXPECT_EQ(StretchTimeLabel(720, 30), "12'00\"");
  EXPECT_EQ(StretchTimeLabel(720, 60), "12");
  EXPECT_EQ(StretchTimeLabel(5, 20), "00'05\"");
}

}  // namespace
}  // namespace scrb
