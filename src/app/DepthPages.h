#pragma once

#include "app/DivePage.h"

namespace scrb {

class DepthChartPage : public DivePage {
  Q_OBJECT
 public:
  explicit DepthChartPage(AppContext& context, QWidget* parent = nullptr) : DivePage(context, parent) {}
  void ShowDive(int) override {}
};

class SpeedPage : public DivePage {
  Q_OBJECT
 public:
  explicit SpeedPage(AppContext& context, QWidget* parent = nullptr) : DivePage(context, parent) {}
  void ShowDive(int) override {}
};

}  // namespace scrb
