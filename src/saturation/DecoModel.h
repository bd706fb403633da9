#pragma once

#include <vector>

#include "charts/ChartSurface.h"

namespace scrb {

// The loaded decompression model. It is a value handed to whoever needs it, so that a chart can
// never be drawn under one model with results computed under another without the caller seeing it.
struct DecoModel {
  int DecoModelNumber = -1;  // -1: no model loaded
  int TissueCount = 0;
  std::vector<double> TissueDecay;          // per 20-second step
  std::vector<double> CriticalCoefficient;  // critical coefficient / 100
  std::vector<Rgb> TissueColor;
};

}  // namespace scrb
