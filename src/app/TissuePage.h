#pragma once

#include "app/DivePage.h"

namespace scrb {

class TissuePage : public DivePage {
  Q_OBJECT
 public:
  explicit TissuePage(AppContext& context, QWidget* parent = nullptr) : DivePage(context, parent) {}
  void ShowDive(int) override {}
};

}  // namespace scrb
