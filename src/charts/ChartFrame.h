#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "charts/ChartSurface.h"

namespace scrb {

// Chart coordinates are 32-bit integers in hundredths of the unit an axis shows.
using ChartValue = int32_t;

// Grid spacing from the series 1, 2, 5, 10, ... 5000 for lines at least `spacing` apart.
int32_t GridStep(double spacing);

// Moves a scale corner away from the plot area to the next whole number beyond it (upper corner
// 2.3 -> 3, 3 -> 4; lower corner -2.5 -> -3, 78.8 -> 78; 0 stays), so that data drawn exactly
// on the range's edge never touches the border. `inside` is any value of the data range.
float OutwardCorner(double value, double inside);

// Extent of a text in twips on the surface's font, whatever coordinate system is in force.
double TextWidthTwips(const ChartSurface& surface, const std::string& text);
double TextHeightTwips(const ChartSurface& surface);

// Width in twips of the left margin that holds these labels. Every chart takes at least the room
// of a typical value label, so charts drawn one above the other keep their time axes aligned.
double LeftMarginTwips(const ChartSurface& surface, const std::vector<std::string>& labels);

// Widens the value range low..high (chart units) to the whole units around every value a chart
// draws, so that no data point lies outside the plot area. Values beyond what a chart can
// show are left to the frame's own limits.
void WidenToCover(ChartValue& low, ChartValue& high, const std::vector<double>& values);

// Frame with margins and labelled grid on both axes; yOrigin lies on a grid line.
void DrawChartFrame(ChartValue xLeft, ChartValue xRight, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, ChartValue yOrigin);

// Frame for a strip chart: side margins and unlabelled vertical grid lines only. The left margin
// makes room for `leftLabels`, which the strip prints itself.
void DrawStripFrame(ChartValue xLeft, ChartValue xRight, ChartValue yBottom, ChartValue yTop,
                    ChartSurface& surface, const std::vector<std::string>& leftLabels = {});

// A chart without data: the surface is cleared and the text printed once, centred on it.
void ShowEmptyChart(ChartSurface& surface, const std::string& text);

}  // namespace scrb
