#include "saturation/TissueLegend.h"

#include "report/NumberFormat.h"

namespace scrb {

bool NeedsOutline(Rgb color) {
  // Perceived brightness; above this a colour has too little contrast against white.
  constexpr double kLightest = 170;
  return 0.299 * color.R + 0.587 * color.G + 0.114 * color.B > kLightest;
}

std::string TissueLegendText(const DecoModel& model, int tissue) {
  const double coefficient = model.CriticalCoefficient[static_cast<size_t>(tissue)] * 100;
  return "Tissue " + std::to_string(tissue + 1) +
         ", half time: " + FormatPattern(TissueHalfTime(model, tissue), "0") +
         " minutes, Critical over-sat coeff: " + FormatPattern(coefficient, "0.00");
}

void DrawTissueLegend(const DecoModel& model, ChartSurface& surface) {
  surface.Cls();
  // Row y = t holds tissue t; one spare row above and below keeps the bars off the edges.
  surface.Scale(-50, -1, 1020, model.TissueCount);
  constexpr int kBarWidth = 4;
  for (int t = 0; t < model.TissueCount; ++t) {
    const Rgb color = model.TissueColor[static_cast<size_t>(t)];
    if (NeedsOutline(color)) {
      surface.SetDrawWidth(OutlineWidth(kBarWidth));
      surface.Line(0, t, 200, t, kTissueOutlineColor);
    }
    surface.SetDrawWidth(kBarWidth);
    surface.Line(0, t, 200, t, color);
    surface.SetCurrentX(210);
    surface.SetCurrentY(t - surface.TextHeight("Tissue") / 2);
    surface.Print(TissueLegendText(model, t));
  }
  surface.SetDrawWidth(1);
}

}  // namespace scrb
