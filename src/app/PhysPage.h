#pragma once

#include "app/DivePage.h"

namespace scrb {

class PhysPage : public DivePage {
  Q_OBJECT
 public:
  explicit PhysPage(AppContext& context, QWidget* parent = nullptr) : DivePage(context, parent) {}
  void ShowDive(int) override {}
};

}  // namespace scrb
