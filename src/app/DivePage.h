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
  AppContext& context_;
};

}  // namespace scrb
