#include "saturation/TissueHeatMap.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <string>

#include "charts/ChartFrame.h"
#include "charts/SampleTimeAxis.h"
#include "logbook/SampleAccess.h"
#include "report/FieldDecoders.h"
#include "report/NumberFormat.h"
#include "saturation/SaturationCharts.h"

namespace scrb {

namespace {

// Viridis at every tenth of its range; between them the colour is interpolated, which stays
// within a unit or two of the full scale.
constexpr std::array<Rgb, 11> kUpToLimit{{{68, 1, 84},
                                          {72, 36, 117},
                                          {65, 68, 135},
                                          {53, 95, 141},
                                          {42, 120, 142},
                                          {33, 145, 140},
                                          {34, 168, 132},
                                          {68, 191, 112},
                                          {122, 209, 81},
                                          {189, 223, 38},
                                          {253, 231, 37}}};

// Past the limit: a deep crimson right after the yellow of 100 %, so that the step is a fall in
// lightness as well as a change of hue, then through hot pink towards white.
constexpr std::array<Rgb, 3> kBeyondLimit{{{178, 0, 50}, {245, 40, 150}, {255, 215, 235}}};

template <size_t N>
Rgb Interpolated(const std::array<Rgb, N>& stops, double fraction) {
  // What is no number takes the scale's start rather than an index out of it.
  const double at = (fraction > 0 ? std::min(fraction, 1.0) : 0.0) * static_cast<double>(N - 1);
  const auto low = std::min(static_cast<size_t>(at), N - 2);
  const double t = at - static_cast<double>(low);
  const auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
  const Rgb& a = stops[low];
  const Rgb& b = stops[low + 1];
  return {mix(a.R, b.R), mix(a.G, b.G), mix(a.B, b.B)};
}

// Between the colour key's bar and what lies around it, in twips.
constexpr double kKeyGapTwips = 30;
constexpr double kWidestKeyMillimetres = 90;
// The part of the key's bar that shows 0 to 100 %; the rest shows what lies beyond.
constexpr double kKeyLimitShare = 0.75;

double KeyBarHeight(double textHeight) {
  return 0.6 * textHeight;
}

double KeyHeight(double textHeight) {
  return KeyBarHeight(textHeight) + textHeight + 2 * kKeyGapTwips;
}

// Tissue numbers at the middle of their rows, every row where a label's height fits, else every
// second, third, ... row from the top one.
ValueLabels RowLabels(const std::vector<int>& rows, double plotHeight, double textHeight) {
  ValueLabels labels;
  const auto count = static_cast<int64_t>(rows.size());
  if (count == 0 || plotHeight < textHeight) return labels;
  const double rowHeight = plotHeight / static_cast<double>(count);
  int64_t every = 1;
  while (static_cast<double>(every) * rowHeight < textHeight + kKeyGapTwips && every < count) {
    ++every;
  }
  for (int64_t rank = 0; rank < count; rank += every) {
    labels.Values.push_back((count - rank) * 100 - 50);
    labels.Labels.push_back(std::to_string(rows[static_cast<size_t>(rank)] + 1));
  }
  return labels;
}

// The cells of a row, runs of one colour as one fill.
void DrawRow(const std::vector<double>& cells, double yLow, double yHigh, ChartSurface& surface) {
  size_t start = 0;
  Rgb colour{};
  for (size_t k = 0; k <= cells.size(); ++k) {
    const bool end = k == cells.size();
    const Rgb next = end ? Rgb{} : HeatMapColour(cells[k] / 100);
    if (k > start && (end || next != colour)) {
      // Cell k spans the 20 s of sample k, from where sample k - 1 is plotted.
      surface.FillRect(SampleStartTimeSingle(static_cast<int64_t>(start)), yLow,
                       SampleStartTimeSingle(static_cast<int64_t>(k)), yHigh, colour);
    }
    if (k == start || next != colour) {
      start = k;
      colour = next;
    }
  }
}

// A label of the key, at the place it names: starting there, centred on it or ending there; where
// it would touch a label placed before it, at its second place, if it has one.
struct KeyLabel {
  std::string Text;
  double At;
  int Align;                                  // -1 starts at At, 0 centred, 1 ends there
  std::optional<double> Else = std::nullopt;  // where it starts otherwise
};

// The scale as a bar under the time axis, from the plot area's left edge, labelled 0, 50, 100 %
// and at its top end, "200 % and more", beside the bar where it has no room under it. A label
// that would touch one placed before it is left out, the least needed ones last. In twips.
void DrawKey(const PlotAreaTwips& plot, double textHeight, ChartSurface& surface) {
  surface.Scale(0, 0, surface.Width(), surface.Height());
  const double barTop = surface.Height() - KeyHeight(textHeight) + kKeyGapTwips;
  const double barBottom = barTop + KeyBarHeight(textHeight);
  const double width =
      std::min(plot.Right - plot.Left, kWidestKeyMillimetres * kTwipsPerMillimetre);
  const double limitWidth = width * kKeyLimitShare;
  constexpr int kSteps = 100;
  for (int i = 0; i < kSteps; ++i) {
    const double from = plot.Left + limitWidth * i / kSteps;
    surface.FillRect(from, barTop, plot.Left + limitWidth * (i + 1) / kSteps, barBottom,
                     HeatMapColour(100.0 * (i + 0.5) / kSteps));
  }
  const double beyondWidth = width - limitWidth;
  for (int i = 0; i < kSteps; ++i) {
    const double from = plot.Left + limitWidth + beyondWidth * i / kSteps;
    surface.FillRect(from, barTop, plot.Left + limitWidth + beyondWidth * (i + 1) / kSteps,
                     barBottom,
                     HeatMapColour(100 + (kHeatMapTopPercent - 100) * (i + 0.5) / kSteps));
  }
  // The limit's label stands on the step of colour between the two scales.
  const double limit = plot.Left + limitWidth;
  const double top = plot.Left + width;
  const std::string topLabel =
      FillIn(Tr("Charts", "%1 % and more"), {FormatPattern(kHeatMapTopPercent, "0")});
  const std::array<KeyLabel, 4> labels{{{"0 %", plot.Left, -1},
                                        {"100 %", limit, 0},
                                        {topLabel, top, 1, top + kKeyGapTwips},
                                        {"50 %", plot.Left + limitWidth / 2, 0}}};
  std::vector<std::pair<double, double>> placed;
  const auto clashes = [&](double left, double right) {
    return std::any_of(placed.begin(), placed.end(), [&](const auto& other) {
      return left < other.second + kKeyGapTwips && other.first < right + kKeyGapTwips - 1e-6;
    });
  };
  for (const KeyLabel& label : labels) {
    const double textWidth = std::fabs(surface.TextWidth(label.Text));
    const double most = std::max(0.0, surface.Width() - textWidth);
    double left = std::clamp(label.At - textWidth * (label.Align + 1) / 2, 0.0, most);
    if (clashes(left, left + textWidth) && label.Else) left = std::clamp(*label.Else, 0.0, most);
    const double right = left + textWidth;
    if (clashes(left, right)) continue;
    placed.emplace_back(left, right);
    surface.SetCurrentX(left);
    surface.SetCurrentY(barBottom + kKeyGapTwips / 2);
    surface.Print(label.Text);
  }
}

}  // namespace

Rgb HeatMapColour(double percent) {
  if (!(percent > 100)) return Interpolated(kUpToLimit, percent / 100);
  return Interpolated(kBeyondLimit, (percent - 100) / (kHeatMapTopPercent - 100));
}

std::vector<int> HeatMapRows(const DecoModel& model) {
  std::vector<int> rows(static_cast<size_t>(std::max(0, model.TissueCount)));
  std::iota(rows.begin(), rows.end(), 0);
  if (model.TissueDecay.size() >= rows.size()) {
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
      return TissueHalfTime(model, a) < TissueHalfTime(model, b);
    });
  }
  return rows;
}

std::optional<int> HeatMapTissueAt(const DecoModel& model, double y) {
  const std::vector<int> rows = HeatMapRows(model);
  if (rows.empty() || !std::isfinite(y)) return std::nullopt;
  const auto count = static_cast<double>(rows.size());
  const double rank = std::clamp(std::floor(count - y / 100), 0.0, count - 1);
  return rows[static_cast<size_t>(rank)];
}

std::optional<std::string> HeatMapReadoutText(const DecodedProfile& profile,
                                              const SaturationResult& saturation,
                                              const DecoModel& model, double x, int tissue) {
  if (!SaturationFits(profile, saturation, model) || tissue < 0 || tissue >= model.TissueCount)
    return std::nullopt;
  if (!(x >= 0 && x <= LastSampleTime(profile.SampleCount))) return std::nullopt;
  // Cell k spans the 20 s that end where sample k is plotted, that end included: the arrow keys
  // put the cursor there.
  const auto cell =
      static_cast<int64_t>(std::clamp(std::ceil(kSamplesPerMinute * x / 100 - 1e-9) - 1, 0.0,
                                      static_cast<double>(profile.SampleCount - 1)));
  const double percent =
      OverSaturationPoint(profile, saturation, model, static_cast<size_t>(tissue),
                          static_cast<size_t>(cell) + 1) /
      100;
  return FillIn(Tr("Readouts", "Time=%1, tissue=%2: %3% of allowed"),
                {SampleTimeText(static_cast<int>(cell)), std::to_string(tissue + 1),
                 FormatPattern(percent, "0")});
}

std::vector<std::vector<double>> TissueHeatMapCells(const DecodedProfile& profile,
                                                    const SaturationResult& saturation,
                                                    const DecoModel& model) {
  std::vector<std::vector<double>> cells;
  if (!SaturationFits(profile, saturation, model)) return cells;
  for (size_t t = 0; t < static_cast<size_t>(model.TissueCount); ++t) {
    std::vector<double>& row = cells.emplace_back();
    const size_t steps = saturation.TissuePressure[t].size();
    row.reserve(steps - 1);
    for (size_t s = 1; s < steps; ++s) {
      row.push_back(OverSaturationPoint(profile, saturation, model, t, s));
    }
  }
  return cells;
}

void DrawTissueHeatMap(const DecodedProfile& profile, const SaturationResult& saturation,
                       const DecoModel& model, ChartSurface& surface, const Palette& palette,
                       const TimeStretch& stretch) {
  DrawTissueHeatMapOver(TimesShown(stretch, profile.SampleCount), profile, saturation, model,
                        surface, palette);
}

void DrawTissueHeatMapOver(const ShownTimes& times, const DecodedProfile& profile,
                           const SaturationResult& saturation, const DecoModel& model,
                           ChartSurface& surface, const Palette& palette) {
  if (ShowMissingOverSaturation(profile, saturation, model, surface)) return;
  const std::vector<std::vector<double>> cells = TissueHeatMapCells(profile, saturation, model);
  const std::vector<int> rows = HeatMapRows(model);

  surface.Cls();
  // In twips until the frame sets the chart's coordinates, so the key's room can be measured.
  surface.Scale(0, 0, surface.Width(), surface.Height());
  const auto count = static_cast<ChartValue>(rows.size());
  double textHeight = 0;
  const std::optional<PlotAreaTwips> plot = DrawLabelledChartFrame(
      times, 0, count * 100,
      [&](double plotHeight) {
        textHeight = TextHeightTwips(surface);
        return RowLabels(rows, plotHeight, textHeight);
      },
      KeyHeight(TextHeightTwips(surface)), surface, palette);
  if (!plot) return;

  ClippedToStretch data(surface, times);
  for (size_t rank = 0; rank < rows.size(); ++rank) {
    const auto top = static_cast<double>(count - static_cast<ChartValue>(rank)) * 100;
    DrawRow(cells[static_cast<size_t>(rows[rank])], top - 100, top, data);
  }
  DrawKey(*plot, textHeight, surface);
  // The key is laid out in twips; the chart's own coordinates come back, as the readout, the cursor
  // and the zoom read the mouse through them.
  const double twipsWide = plot->Right - plot->Left;
  const double twipsHigh = plot->Bottom - plot->Top;
  if (twipsWide <= 0 || twipsHigh <= 0) return;
  const double perTwipX = (times.Right - times.Left) / twipsWide;
  const double perTwipY = static_cast<double>(count) * 100 / twipsHigh;
  const double left = times.Left - plot->Left * perTwipX;
  const double top = static_cast<double>(count) * 100 + plot->Top * perTwipY;
  surface.Scale(left, top, left + surface.Width() * perTwipX, top - surface.Height() * perTwipY);
}

}  // namespace scrb
