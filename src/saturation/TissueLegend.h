#pragma once

#include <string>

#include "charts/ChartSurface.h"
#include "saturation/DecoModel.h"

namespace scrb {

// The legend line of one tissue: its number, half time and critical coefficient.
std::string TissueLegendText(const DecoModel& model, int tissue);

// Lists the model's tissues, one row each with its colour bar, tissue 1 at the top.
void DrawTissueLegend(const DecoModel& model, ChartSurface& surface);

}  // namespace scrb
