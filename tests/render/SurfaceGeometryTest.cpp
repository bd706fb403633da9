#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "render/SurfaceGeometry.h"

namespace scrb {
namespace {

// Points on one straight run become one segment, a curve keeps every point that bends it by more
// than a fifth of a pixel, and no dropped point lies farther than that from what is drawn.
TEST(AppendSimplifiedSegments, StraightRunsMergeTurnsAndCurvesStay) {
  const auto simplify = [](const std::vector<QPointF>& points) {
    std::vector<QLineF> segments;
    AppendSimplifiedSegments(points, segments);
    return segments;
  };
  std::vector<QPointF> straight;
  for (int i = 0; i <= 100; ++i) straight.emplace_back(7.0 * i, 3.5 * i);
  EXPECT_EQ(simplify(straight), (std::vector{QLineF(straight.front(), straight.back())}));
  const std::vector<QPointF> peak = {{0, 10}, {5, 10}, {10, 0}, {15, 10}, {20, 10}};
  EXPECT_EQ(simplify(peak).size(), 4u);
  // Exactly a fifth of a pixel off is still on the run; a hair more is a bend.
  EXPECT_EQ(simplify({{0, 0}, {5, 0.2}, {10, 0}}).size(), 1u);
  EXPECT_EQ(simplify({{0, 0}, {5, 0.2000001}, {10, 0}}).size(), 2u);
  EXPECT_EQ(simplify({{0, 0}, {0, 0.2}, {0, 0}}).size(), 1u);
  EXPECT_EQ(simplify({{0, 0}, {0, 0.2000001}, {0, 0}}).size(), 2u);
  EXPECT_TRUE(simplify({{1, 1}}).empty());

  std::vector<QPointF> curve;  // a tissue's approach to its inspired pressure
  for (int i = 0; i <= 270; ++i) curve.emplace_back(7.1 * i, 400 - 300 * std::exp(-i / 40.0));
  const std::vector<QLineF> drawn = simplify(curve);
  EXPECT_LT(drawn.size(), curve.size() / 3);
  EXPECT_EQ(drawn.front().p1(), curve.front());
  EXPECT_EQ(drawn.back().p2(), curve.back());
  for (const QPointF& p : curve) {
    double nearest = 1e9;
    for (const QLineF& s : drawn) {
      const QPointF d = s.p2() - s.p1();
      const double t =
          std::clamp(QPointF::dotProduct(p - s.p1(), d) / QPointF::dotProduct(d, d), 0.0, 1.0);
      const QPointF q = s.p1() + t * d;
      nearest = std::min(nearest, std::hypot(p.x() - q.x(), p.y() - q.y()));
    }
    EXPECT_LE(nearest, 0.2 + 1e-9);
  }
}

}  // namespace
}  // namespace scrb
