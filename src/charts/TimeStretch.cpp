#include "charts/TimeStretch.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "charts/SampleTimeAxis.h"

namespace scrb {

namespace {

double AxisEnd(int64_t sampleCount) {
  return static_cast<double>(TimeAxisRight(std::max<int64_t>(sampleCount, 0)));
}

}  // namespace

ShownTimes TimesShown(const TimeStretch& stretch, int64_t sampleCount) {
  const TimeStretch kept = KeptWithinDive(stretch, sampleCount);
  if (kept.Whole) return {0, AxisEnd(sampleCount), false};
  return {kept.From, kept.To, true};
}

TimeStretch KeptWithinDive(TimeStretch stretch, int64_t sampleCount) {
  const double end = AxisEnd(sampleCount);
  if (stretch.Whole || !std::isfinite(stretch.From) || !std::isfinite(stretch.To) ||
      end <= kShortestStretch) {
    return TimeStretch::WholeDive();
  }
  if (stretch.To < stretch.From) std::swap(stretch.From, stretch.To);
  double length = std::max(stretch.To - stretch.From, kShortestStretch);
  if (length >= end) return TimeStretch::WholeDive();
  const double middle = (stretch.From + stretch.To) / 2;
  double from = std::clamp(middle - length / 2, 0.0, end - length);
  return TimeStretch::Between(from, from + length);
}

TimeStretch Zoomed(const TimeStretch& stretch, int64_t sampleCount, double around, double factor) {
  const ShownTimes shown = TimesShown(stretch, sampleCount);
  if (!std::isfinite(factor) || factor <= 0 || !std::isfinite(around)) return stretch;
  const double at = std::clamp(around, shown.Left, shown.Right);
  double length = (shown.Right - shown.Left) * factor;
  // Held at the shortest stretch, the time under the pointer must not drift either.
  const double shortest = std::min(kShortestStretch, shown.Right - shown.Left);
  const double share =
      shown.Right > shown.Left ? (at - shown.Left) / (shown.Right - shown.Left) : 0;
  length = std::max(length, shortest);
  const double end = AxisEnd(sampleCount);
  if (length >= end) return TimeStretch::WholeDive();
  double from = std::clamp(at - share * length, 0.0, end - length);
  return KeptWithinDive(TimeStretch::Between(from, from + length), sampleCount);
}

TimeStretch Panned(const TimeStretch& stretch, int64_t sampleCount, double by) {
  const ShownTimes shown = TimesShown(stretch, sampleCount);
  if (!shown.Zoomed || !std::isfinite(by)) return stretch;
  const double length = shown.Right - shown.Left;
  const double from = std::clamp(shown.Left + by, 0.0, AxisEnd(sampleCount) - length);
  return TimeStretch::Between(from, from + length);
}

std::optional<std::pair<int32_t, int32_t>> SamplesShown(const TimeStretch& stretch,
                                                        int64_t sampleCount) {
  if (sampleCount <= 0) return std::nullopt;
  const ShownTimes shown = TimesShown(stretch, sampleCount);
  const int64_t last = sampleCount - 1;
  // Sample k stands at SampleTime(k), (k + 1) / kSamplesPerMinute minutes.
  int64_t first = static_cast<int64_t>(std::ceil(shown.Left * kSamplesPerMinute / 100 - 1 - 1e-9));
  int64_t final =
      static_cast<int64_t>(std::floor(shown.Right * kSamplesPerMinute / 100 - 1 + 1e-9));
  first = std::clamp<int64_t>(first, 0, last);
  final = std::clamp<int64_t>(final, first, last);
  return std::pair{static_cast<int32_t>(first), static_cast<int32_t>(final)};
}

ClippedToStretch::ClippedToStretch(ChartSurface& surface, const ShownTimes& shown)
    : surface_(surface), clipping_(shown.Zoomed), left_(shown.Left), right_(shown.Right) {
  x_ = surface.CurrentX();
  y_ = surface.CurrentY();
  penInStep_ = true;
}

void ClippedToStretch::SetCurrentX(double x) {
  x_ = x;
  surface_.SetCurrentX(x);
  penInStep_ = !clipping_ || (x >= left_ && x <= right_);
}

void ClippedToStretch::SetCurrentY(double y) {
  y_ = y;
  surface_.SetCurrentY(y);
}

void ClippedToStretch::Print(const std::string& text) {
  surface_.SetCurrentX(x_);
  surface_.SetCurrentY(y_);
  surface_.Print(text);
  x_ = surface_.CurrentX();
  y_ = surface_.CurrentY();
}

bool ClippedToStretch::Clip(double& x1, double& y1, double& x2, double& y2) const {
  if (std::max(x1, x2) < left_ || std::min(x1, x2) > right_) return false;
  const auto cut = [&](double& xa, double& ya, double xb, double yb) {
    const double edge = xa < left_ ? left_ : xa > right_ ? right_ : xa;
    if (edge == xa) return;
    ya += (yb - ya) * (edge - xa) / (xb - xa);
    xa = edge;
  };
  cut(x1, y1, x2, y2);
  cut(x2, y2, x1, y1);
  return true;
}

void ClippedToStretch::Line(double x1, double y1, double x2, double y2, Rgb color) {
  x_ = x2;
  y_ = y2;
  if (!clipping_) {
    surface_.Line(x1, y1, x2, y2, color);
    return;
  }
  penInStep_ = false;
  if (!Clip(x1, y1, x2, y2)) return;
  surface_.Line(x1, y1, x2, y2, color);
  penInStep_ = x2 == x_ && y2 == y_;
}

void ClippedToStretch::FillRect(double x1, double y1, double x2, double y2, Rgb color) {
  if (clipping_) {
    const double low = std::max(std::min(x1, x2), left_);
    const double high = std::min(std::max(x1, x2), right_);
    if (!(low < high)) return;
    x1 = low;
    x2 = high;
  }
  surface_.FillRect(x1, y1, x2, y2, color);
}

void ClippedToStretch::LineTo(double x2, double y2, Rgb color) {
  double x1 = x_;
  double y1 = y_;
  x_ = x2;
  y_ = y2;
  if (!clipping_) {
    surface_.LineTo(x2, y2, color);
    return;
  }
  if (!Clip(x1, y1, x2, y2)) {
    penInStep_ = false;
    return;
  }
  if (!penInStep_ || x1 != surface_.CurrentX() || y1 != surface_.CurrentY()) {
    surface_.SetCurrentX(x1);
    surface_.SetCurrentY(y1);
  }
  surface_.LineTo(x2, y2, color);
  penInStep_ = x2 == x_ && y2 == y_;
}

}  // namespace scrb
