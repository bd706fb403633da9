#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "charts/TimeStretch.h"

namespace scrb {

class ChartView;

// The stretch of time that a window's time charts show, and the ruler laid on it: one for the
// pages of the main window, one for each comparison. The charts attached to it zoom, pan and
// measure through it, every chart of the window alike, and each change is announced once.
class TimeWindow : public QObject {
  Q_OBJECT
 public:
  using Ends = std::optional<std::pair<double, double>>;

  // `sampleCount` gives the samples of the time axis the charts show (the current dive's, or the
  // longest compared dive's): the stretch is kept within it.
  explicit TimeWindow(std::function<int64_t()> sampleCount, QObject* parent = nullptr);

  const TimeStretch& Stretch() const { return stretch_; }
  // Kept within the axis: at least a minute, at most the whole of it.
  void SetStretch(const TimeStretch& stretch);
  // The ruler's two times, in hundredths of a minute as dragged; none without a ruler.
  const Ends& Ruler() const { return ruler_; }
  void SetRuler(Ends ends);
  // The whole axis and no ruler, unannounced: for another dive, which announces itself.
  void Forget();
  // The stretch kept within an axis that changed under it, unannounced.
  void KeepWithinAxis();
  // The chart's wheel, drags and keys act on this window from now on; a drag over it lays the
  // ruler only while `rulerAllowed` says so (a page whose charts are finished), if given.
  void Attach(ChartView* chart, std::function<bool()> rulerAllowed = {});
  // The band between `ends` (none clears it) on each of `charts`; `label` goes on the top one
  // that is shown with a plot, as one label is enough for the charts stacked on one time axis.
  static void ShowBand(const std::vector<ChartView*>& charts, Ends ends,
                       const QStringList& label = {});
  // The same on every chart attached and still there.
  void ShowBand(Ends ends, const QStringList& label = {}) const;

 signals:
  void StretchChanged();
  void RulerChanged();

 private:
  std::function<int64_t()> sampleCount_;
  TimeStretch stretch_;
  Ends ruler_;
  std::vector<QPointer<ChartView>> charts_;
};

}  // namespace scrb
