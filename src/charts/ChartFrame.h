#pragma once

#include <cstdint>

#include "charts/ChartSurface.h"

namespace scrb {

// Chart coordinates are 32-bit integers in hundredths of the unit an axis shows.
using ChartValue = int32_t;

// Grid spacing from the series 1, 2, 5, 10, ... 5000 for lines at least `spacing` apart.
int32_t GridStep(double spacing);

// Moves a scale corner away from zero to the next whole number beyond it (2.3 -> 3, 3 -> 4,
// -2.5 -> -3, 0 -> 0), so that data drawn exactly on the range's edge never touches the border.
float OutwardCorner(double value);

// Frame with margins and labelled grid on both axes; yOrigin lies on a grid line.
void DrawChartFrame(ChartValue xLeft, ChartValue xRight, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, ChartValue yOrigin);

// Frame for a strip chart: side margins and unlabelled vertical grid lines only.
void DrawStripFrame(ChartValue xLeft, ChartValue xRight, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, ChartValue reserved);

}  // namespace scrb
