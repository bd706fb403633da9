#include "saturation/TissueLegend.h"

#include <algorithm>
#include <cmath>

#include "logbook/Translation.h"
#include "report/NumberFormat.h"

namespace scrb {

namespace {

constexpr double kTissueKeySlot = 14 * kTwipsPerMillimetre;
constexpr double kTissueKeyGap = 2 * kTwipsPerMillimetre;
constexpr int kTissueKeyBarWidth = 4;

}  // namespace

std::string TissueLegendText(const DecoModel& model, int tissue) {
  const double coefficient = model.CriticalCoefficient[static_cast<size_t>(tissue)] * 100;
  return FillIn(Tr("Tissues", "Tissue %1, half time: %2 minutes, Critical over-sat coeff: %3"),
                {std::to_string(tissue + 1), FormatPattern(TissueHalfTime(model, tissue), "0"),
                 FormatPattern(coefficient, "0.00")});
}

void DrawTissueLegend(const DecoModel& model, ChartSurface& surface, const Palette& palette) {
  surface.Cls();
  // Row y = t holds tissue t; one spare row above and below keeps the bars off the edges.
  surface.Scale(-50, -1, 1020, model.TissueCount);
  constexpr int kBarWidth = 4;
  for (int t = 0; t < model.TissueCount; ++t) {
    const Rgb color = palette.Tissue(t);
    if (palette.NeedsOutline(color)) {
      surface.SetDrawWidth(OutlineWidth(kBarWidth));
      surface.Line(0, t, 200, t, *palette.TissueOutline);
    }
    surface.SetDrawWidth(kBarWidth);
    surface.Line(0, t, 200, t, color);
    surface.SetCurrentX(210);
    surface.SetCurrentY(t - surface.TextHeight("Tissue") / 2);
    surface.Print(TissueLegendText(model, t));
  }
  surface.SetDrawWidth(1);
}

void DrawTissueKey(const DecoModel& model, ChartSurface& surface, const SurfaceRect& area,
                   const Palette& palette) {
  if (model.TissueCount <= 0) return;
  const std::string label = Tr("Tissues", "Tissues:");
  const double start = area.Left + std::fabs(surface.TextWidth(label)) + kTissueKeyGap;
  const double slot = std::min(kTissueKeySlot, (area.Right() - start) / model.TissueCount);
  // On a narrow screen the bars give way, so that no number runs into the next tissue's bar.
  const double widestNumber = std::fabs(surface.TextWidth(GeneralNumber(model.TissueCount)));
  const double bar = std::max(slot * 0.2, std::min(slot * 0.45, slot * 0.84 - widestNumber));
  surface.SetCurrentX(area.Left);
  surface.SetCurrentY(area.Top);
  surface.Print(label);
  const double middle = area.Top + area.Height / 2;
  for (int t = 0; t < model.TissueCount; ++t) {
    const double x = start + t * slot;
    const Rgb color = palette.Tissue(t);
    if (palette.NeedsOutline(color)) {
      surface.SetDrawWidth(OutlineWidth(kTissueKeyBarWidth));
      surface.Line(x, middle, x + bar, middle, *palette.TissueOutline);
    }
    surface.SetDrawWidth(kTissueKeyBarWidth);
    surface.Line(x, middle, x + bar, middle, color);
  }
  surface.SetDrawWidth(1);
  for (int t = 0; t < model.TissueCount; ++t) {
    surface.SetCurrentX(start + t * slot + bar + slot * 0.08);
    surface.SetCurrentY(area.Top);
    surface.Print(GeneralNumber(t + 1));
  }
}

}  // namespace scrb
