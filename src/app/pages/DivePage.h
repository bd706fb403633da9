#pragma once

#include <QWidget>
#include <array>
#include <initializer_list>
#include <optional>
#include <vector>

#include "analysis/StretchMeasure.h"
#include "app/state/LogbookState.h"
#include "app/views/CoalescedCall.h"
#include "app/views/TimeWindow.h"

namespace scrb {

class ChartView;

// One page of the main window's tab strip. It follows the logbook state and the pages' time
// window itself: a change draws the page at once while it shows, and otherwise marks it stale, to
// be drawn when it is next shown. Only the page showing ever computes anything.
class DivePage : public QWidget {
  Q_OBJECT
 public:
  DivePage(LogbookState& state, TimeWindow& time, QWidget* parent = nullptr);
  // Computes what the page needs for the dive and draws it, or the page's empty state for no
  // dive. The readouts act once the charts are finished; an exception leaves them off and goes
  // on to the caller.
  void Show(const DiveRecord* dive);
  // The same dive drawn again over the stretch in force, the readouts kept at their time.
  void Redraw();
  // The readouts and cursors for the time x, in hundredths of a minute.
  virtual void ShowReadoutAt(double) {}
  // Whether a change waits for the page to be shown.
  bool Stale() const { return stale_; }

 signals:
  // The current dive could not be shown, for the reason given; the page shows what it could.
  void ShowFailed(const QString& why);

 protected:
  void showEvent(QShowEvent* event) override;
  virtual void ShowDive(const DiveRecord* dive) = 0;
  // The dive the mouse-over readouts read: the current one, and only once its charts are
  // finished, so that a readout never acts on a half-drawn page.
  const DiveRecord* ReadoutDive() const { return chartsReady_ ? state_.Current() : nullptr; }
  // The same dive's analysis, with a null Record when the readouts must not act.
  AnalysedDive ReadoutAnalysis() const {
    const DiveRecord* dive = ReadoutDive();
    return dive != nullptr ? state_.Analysis().Analysed(*dive) : AnalysedDive{};
  }
  // The charts' time axes end at the dive's last sample: for the arrow keys and for the readouts
  // at the charts' edges. No dive, no samples.
  void SetSampleCount(std::initializer_list<ChartView*> charts, const DiveRecord* dive);
  // The charts over the dive's time, top first: the mouse or the keys over any of them move the
  // readouts of all, and their gestures act on the time window, whose stretch and ruler every
  // chart of the page shows alike.
  void FollowTimeCharts(std::vector<ChartView*> charts);
  // What the ruler measures on this page: the profile and, where there is one, the air estimate.
  virtual StretchInputs RulerInputs(const AnalysedDive& dive) const;
  // Every chart of the page in the appearance's colours.
  void UseChartPalette();

  LogbookState& state_;
  TimeWindow& time_;

 private:
  // The current dive drawn anew, now while the page shows, or once it is shown.
  void FollowChange();
  void ShowCurrent();
  void ShowRuler();
  void AskForRedraw();
  // The time under the mouse resting on one of the page's time charts.
  std::optional<double> PointedTime() const;

  bool chartsReady_ = false;
  bool stale_ = true;
  bool followsResizes_ = false;
  std::vector<ChartView*> timeCharts_;
  // Where the readouts stand, to put them back after a redraw of the same dive.
  std::optional<double> readoutX_;
  CoalescedCall redraw_{this, [this] {
                          if (isVisible())
                            Redraw();
                          else
                            stale_ = true;
                        }};
};

// The time window of the pages: the current dive's, forgotten with the dive or the logbook.
TimeWindow* MakePagesTimeWindow(LogbookState& state, QObject* parent);
// Esc clears the ruler wherever the focus is within `pages`, the tab strip of the pages included,
// and only while there is a ruler; the search field and the dialogs lie outside and keep theirs.
void ClearRulerOnEscape(QWidget* pages, TimeWindow& time);

// What the tab strip holds: one row per page, in tab order.
struct DivePageKind {
  const char* Caption;   // with the Alt key that brings the page up
  const char* Shortcut;  // the other key that does
  DivePage* (*Create)(LogbookState& state, TimeWindow& time, QWidget* parent);
};
extern const std::array<DivePageKind, 7> kDivePages;

}  // namespace scrb
