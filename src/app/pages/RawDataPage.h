#pragma once

#include "app/pages/DivePage.h"

class QPlainTextEdit;

namespace scrb {

// Page 6, "&Raw Data": the details report and the raw profile dump in a read-only text box.
// Stepping from dive to dive keeps the caret (and so the reader's place) where it was.
class RawDataPage : public DivePage {
  Q_OBJECT
 public:
  explicit RawDataPage(LogbookState& state, TimeWindow& time, QWidget* parent = nullptr);
  void ShowDive(const DiveRecord* dive) override;

  QPlainTextEdit* TextBox() const { return rawText_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPlainTextEdit* rawText_ = nullptr;
};

}  // namespace scrb
