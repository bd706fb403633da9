#pragma once

#include <QWidget>
#include <array>
#include <initializer_list>

#include "app/AppContext.h"

namespace scrb {

class ChartView;

// One page of the main window's tab strip. ShowDive computes what the page needs for the dive
// and draws it, or shows the page's empty state for no dive; it runs only while the page is the
// one showing.
class DivePage : public QWidget {
  Q_OBJECT
 public:
  DivePage(AppContext& context, QWidget* parent = nullptr) : QWidget(parent), context_(context) {}
  virtual void ShowDive(const DiveRecord* dive) = 0;

 signals:
  // The page changed an input of its own computation (a model, a surface pressure) and wants the
  // current dive shown again.
  void RedrawRequested();

 protected:
  // The dive the mouse-over readouts read: the current one, and only once its charts are
  // finished, so that a readout never acts on a half-drawn page.
  const DiveRecord* ReadoutDive() const {
    return context_.Readouts.ChartsReady ? context_.Book.DiveAt(context_.Book.CurrentDive)
                                         : nullptr;
  }
  // The same dive's analysis, with a null Record when the readouts must not act.
  AnalysedDive ReadoutAnalysis() const {
    const DiveRecord* dive = ReadoutDive();
    return dive != nullptr ? context_.Analysis.Analysed(*dive) : AnalysedDive{};
  }
  // The charts' time axes end at the dive's last sample: for the arrow keys and for the readouts
  // at the charts' edges. No dive, no samples.
  void SetSampleCount(std::initializer_list<ChartView*> charts, const DiveRecord* dive);

  AppContext& context_;
};

// What the tab strip holds: one row per page, in tab order.
struct DivePageKind {
  const char* Caption;   // with the Alt key that brings the page up
  const char* Shortcut;  // the other key that does
  DivePage* (*Create)(AppContext& context, QWidget* parent);
};
extern const std::array<DivePageKind, 7> kDivePages;

}  // namespace scrb
