#pragma once

#include "app/DivePage.h"

namespace scrb {

class ChartView;

// The "&Phys Data" page: body temperature loss, air bubbles and relative air consumption as the
// dive computer recorded them minute by minute.
class PhysPage : public DivePage {
  Q_OBJECT
 public:
  explicit PhysPage(AppContext& context, QWidget* parent = nullptr);

  void ShowDive(int index) override;

  ChartView* ColdPicture() const { return coldPicture_; }
  ChartView* DecoPicture() const { return decoPicture_; }
  ChartView* AirConsoPicture() const { return airConsoPicture_; }

 private:
  ChartView* coldPicture_ = nullptr;
  ChartView* decoPicture_ = nullptr;
  ChartView* airConsoPicture_ = nullptr;
};

}  // namespace scrb
