#pragma once

#include "app/DivePage.h"

namespace scrb {

class AirPage : public DivePage {
  Q_OBJECT
 public:
  explicit AirPage(AppContext& context, QWidget* parent = nullptr) : DivePage(context, parent) {}
  void ShowDive(int) override {}
};

}  // namespace scrb
