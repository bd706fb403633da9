#pragma once

#include <cstdint>
#include <optional>

#include "charts/ChartSurface.h"

namespace scrb {

// The part of a dive's time axis that its time charts show, in hundredths of a minute like the
// axis itself. Every chart of a dive draws the whole dive unless it is given a stretch.
struct TimeStretch {
  double From = 0;
  double To = 0;
  bool Whole = true;

  static TimeStretch WholeDive() { return {}; }
  static TimeStretch Between(double from, double to) { return {from, to, false}; }
  bool operator==(const TimeStretch&) const = default;
};

// A stretch is never shorter than a minute, so that it always holds three samples.
inline constexpr double kShortestStretch = 100;

// The times a chart of `sampleCount` samples shows: the whole axis, or the stretch kept within it.
struct ShownTimes {
  double Left = 0;
  double Right = 0;
  bool Zoomed = false;
};
ShownTimes TimesShown(const TimeStretch& stretch, int64_t sampleCount);

// The stretch made valid for a dive: at least a minute long, within the dive's axis, and the
// whole dive again once it covers it. Anything that is no number gives the whole dive.
TimeStretch KeptWithinDive(TimeStretch stretch, int64_t sampleCount);
// Narrows (factor < 1) or widens the stretch about a time, which stays where it is on the chart.
TimeStretch Zoomed(const TimeStretch& stretch, int64_t sampleCount, double around, double factor);
// Moves the stretch by a time, stopping at the dive's ends.
TimeStretch Panned(const TimeStretch& stretch, int64_t sampleCount, double by);

// The samples a stretch shows whole, first and last; none for a dive without samples.
std::optional<std::pair<int32_t, int32_t>> SamplesShown(const TimeStretch& stretch,
                                                        int64_t sampleCount);

// Draws on another surface, cutting every line at the left and right ends of a stretch, so that
// what lies outside it never reaches the margins. For the whole dive it only passes on.
class ClippedToStretch : public ChartSurface {
 public:
  ClippedToStretch(ChartSurface& surface, const ShownTimes& shown);

  void Cls() override { surface_.Cls(); }
  double Width() const override { return surface_.Width(); }
  double Height() const override { return surface_.Height(); }
  void Scale(double x1, double y1, double x2, double y2) override {
    surface_.Scale(x1, y1, x2, y2);
  }
  double ScaleX(double millimetres) const override { return surface_.ScaleX(millimetres); }
  double ScaleY(double millimetres) const override { return surface_.ScaleY(millimetres); }
  void Line(double x1, double y1, double x2, double y2, Rgb color) override;
  void LineTo(double x2, double y2, Rgb color) override;
  void FillRect(double x1, double y1, double x2, double y2, Rgb color) override;
  double CurrentX() const override { return x_; }
  double CurrentY() const override { return y_; }
  void SetCurrentX(double x) override;
  void SetCurrentY(double y) override;
  void Print(const std::string& text) override;
  double TextWidth(const std::string& text) const override { return surface_.TextWidth(text); }
  double TextHeight(const std::string& text) const override { return surface_.TextHeight(text); }
  void SetDrawWidth(int pixels) override { surface_.SetDrawWidth(pixels); }
  void Refresh() override { surface_.Refresh(); }
  void MarkPlotArea(double x1, double y1, double x2, double y2) override {
    surface_.MarkPlotArea(x1, y1, x2, y2);
  }

 private:
  // Cuts the segment to the stretch; false when none of it lies inside.
  bool Clip(double& x1, double& y1, double& x2, double& y2) const;

  ChartSurface& surface_;
  bool clipping_;
  double left_;
  double right_;
  double x_ = 0;
  double y_ = 0;
  // Whether the surface's pen stands where ours does, so that a run of lines stays one run.
  bool penInStep_ = false;
};

}  // namespace scrb
