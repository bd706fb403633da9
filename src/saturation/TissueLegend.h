#pragma once

#include <string>

#include "charts/ChartSurface.h"
#include "charts/Palette.h"
#include "charts/RegionSurface.h"
#include "saturation/DecoModel.h"

namespace scrb {

// Tissue colours as light as the white ground (tissue 6's near-white, the yellow and the green)
// are drawn over the palette's outline, so every line shows.
// Pen width of the outline under a line of the given width: one pixel on either side.
inline constexpr int OutlineWidth(int lineWidth) {
  return lineWidth + 2;
}

// The legend line of one tissue: its number, half time and critical coefficient.
std::string TissueLegendText(const DecoModel& model, int tissue);

// Lists the model's tissues, one row each with its colour bar, tissue 1 at the top.
void DrawTissueLegend(const DecoModel& model, ChartSurface& surface, const Palette& palette);

// The short key of the charts' colours: "Tissues:", then one bar in each tissue's colour with the
// tissue's number, in a row across the area (in the surface's units, twips from its upper-left
// corner). The bar lies on the middle of the area, the texts start at its top.
void DrawTissueKey(const DecoModel& model, ChartSurface& surface, const SurfaceRect& area,
                   const Palette& palette);

}  // namespace scrb
