#pragma once

#include <vector>

#include "app/pages/DivePage.h"

class QLabel;

namespace scrb {

// Page 0, "&General": the dive's logbook details as caption and value labels.
class GeneralPage : public DivePage {
  Q_OBJECT
 public:
  explicit GeneralPage(LogbookState& state, TimeWindow& time, QWidget* parent = nullptr);
  void ShowDive(const DiveRecord* dive) override;

  const QLabel* Heading() const { return heading_; }
  const QLabel* Caption(int line) const { return captions_[static_cast<size_t>(line)]; }
  const QLabel* Value(int line) const { return values_[static_cast<size_t>(line)]; }

 private:
  void Clear();

  QLabel* heading_ = nullptr;
  std::vector<QLabel*> captions_;
  std::vector<QLabel*> values_;
};

}  // namespace scrb
