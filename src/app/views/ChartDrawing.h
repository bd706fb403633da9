#pragma once

#include <functional>
#include <vector>

#include "charts/ChartSurface.h"

namespace scrb {

class ChartView;

struct ChartDrawing {
  ChartView* View;
  std::function<void(ChartSurface&)> Draw;
};

// Draws the charts of a page at the same time, each on a thread of its own, and returns when all
// are drawn. Rasterising the lines is most of the cost of showing a dive, and a page's charts are
// independent pictures. An exception from any drawing is thrown here once all have finished.
void DrawChartsTogether(const std::vector<ChartDrawing>& drawings);

}  // namespace scrb
