#include <gtest/gtest.h>

#include "charts/RegionSurface.h"
#include "charts/TimeStretch.h"
#include "support/RecordingSurface.h"

namespace scrb {
namespace {

using test::RecordedOp;
using test::RecordingSurface;

// A surface that can only draw lines, to see the fill every surface has by default.
class LinesOnly : public RecordingSurface {
 public:
  using RecordingSurface::RecordingSurface;
  void FillRect(double x1, double y1, double x2, double y2, Rgb color) override {
    ChartSurface::FillRect(x1, y1, x2, y2, color);
  }
};

constexpr Rgb kBlue{0, 0, 255};

// Without a fill of its own a surface closes the rectangle with lines a quarter millimetre apart
// from edge to edge, and the pen stays where it was.
TEST(FillRect, LinesWhereTheSurfaceCannotFill) {
  LinesOnly s(1000, 1000);
  s.Scale(0, 0, 100, 100);  // a unit is 10 twips, a quarter millimetre about 1.4 units
  s.SetCurrentX(7);
  s.SetCurrentY(8);
  s.FillRect(10, 30, 20, 20, kBlue);
  const std::vector<RecordedOp> lines = s.Lines();
  ASSERT_GE(lines.size(), 8u);
  EXPECT_EQ(lines.front().Y1, 20);
  EXPECT_EQ(lines.back().Y1, 30);
  for (size_t i = 1; i < lines.size(); ++i) {
    EXPECT_LE(lines[i].Y1 - lines[i - 1].Y1, 1.5);
    EXPECT_EQ(std::make_pair(lines[i].X1, lines[i].X2), std::make_pair(10.0, 20.0));
  }
  EXPECT_EQ(std::make_pair(s.CurrentX(), s.CurrentY()), std::make_pair(7.0, 8.0));
}

// A region cuts a fill at its edges and a stretch at its ends, like a line; one wholly outside
// draws nothing.
TEST(FillRect, CutToTheRegionAndTheStretch) {
  RecordingSurface page(10000, 10000);
  RegionSurface region(page, {1000, 2000, 4000, 3000});
  region.Scale(0, 0, 40, 30);  // a unit is 100 twips
  region.FillRect(-5, 10, 20, 40, kBlue);
  region.FillRect(50, 0, 60, 10, kBlue);
  ClippedToStretch stretch(page, {100, 200, true});
  stretch.FillRect(50, 0, 150, 10, kBlue);
  stretch.FillRect(250, 0, 300, 10, kBlue);
  ClippedToStretch whole(page, {100, 200, false});
  whole.FillRect(50, 0, 150, 10, kBlue);
  const std::vector<RecordedOp> fills = page.Fills();
  ASSERT_EQ(fills.size(), 3u);
  EXPECT_EQ(std::vector<double>({fills[0].X1, fills[0].Y1, fills[0].X2, fills[0].Y2}),
            std::vector<double>({1000, 3000, 3000, 5000}));
  EXPECT_EQ(std::make_pair(fills[1].X1, fills[1].X2), std::make_pair(100.0, 150.0));
  EXPECT_EQ(std::make_pair(fills[2].X1, fills[2].X2), std::make_pair(50.0, 150.0));
}

}  // namespace
}  // namespace scrb
