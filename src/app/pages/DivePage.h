#pragma once

#include <QWidget>
#include <array>
#include <initializer_list>

#include "app/state/LogbookState.h"

namespace scrb {

class ChartView;

// One page of the main window's tab strip. Show computes what the page needs for the dive
// and draws it, or shows the page's empty state for no dive; it runs only while the page is the
// one showing.
class DivePage : public QWidget {
  Q_OBJECT
 public:
  DivePage(LogbookState& state, QWidget* parent = nullptr) : QWidget(parent), state_(state) {}
  // The readouts act once the charts are finished; an exception leaves them off and goes on to
  // the caller.
  void Show(const DiveRecord* dive) {
    chartsReady_ = false;
    UseChartPalette();
    ShowDive(dive);
    chartsReady_ = dive != nullptr;
  }

 protected:
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
  // Every chart of the page in the appearance's colours.
  void UseChartPalette();

  LogbookState& state_;

 private:
  bool chartsReady_ = false;
};

// What the tab strip holds: one row per page, in tab order.
struct DivePageKind {
  const char* Caption;   // with the Alt key that brings the page up
  const char* Shortcut;  // the other key that does
  DivePage* (*Create)(LogbookState& state, QWidget* parent);
};
extern const std::array<DivePageKind, 7> kDivePages;

}  // namespace scrb
