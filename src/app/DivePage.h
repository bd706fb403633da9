#pragma once

#include <QWidget>

#include "app/AppContext.h"

namespace scrb {

// One page of the main window's tab strip. ShowDive computes what the page needs for the dive
// and draws it; it runs only while the page is the one showing.
class DivePage : public QWidget {
  Q_OBJECT
 public:
  DivePage(AppContext& context, QWidget* parent = nullptr) : QWidget(parent), context_(context) {}
  virtual void ShowDive(int index) = 0;

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
    if (ReadoutDive() == nullptr) return {};
    return context_.Analysis.Analysed(context_.Book.CurrentDive);
  }

  AppContext& context_;
};

}  // namespace scrb
