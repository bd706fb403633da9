#pragma once

#include <functional>
#include <string>
#include <vector>

#include "charts/ChartSurface.h"
#include "logbook/Logbook.h"
#include "saturation/DecoModel.h"

namespace scrb::cli {

// What a chart needs to draw one dive as the app would: the loaded logbook, the dive, the
// decompression model and, for the charts shown on two pages, the view.
struct RenderContext {
  Logbook& Book;
  int Dive = 0;
  DecoModel& Model;
  int View = 1;
};

struct ChartEntry {
  std::string Name;  // the value of --chart
  int DefaultHeightPixels = 600;
  std::function<void(RenderContext&, ChartSurface&)> Draw;
};

// Each subsystem lists its own charts; the render command offers all of them.
std::vector<ChartEntry> DiveChartEntries();
std::vector<ChartEntry> AirChartEntries();
std::vector<ChartEntry> SaturationChartEntries();

}  // namespace scrb::cli
