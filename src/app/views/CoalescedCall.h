#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <utility>

namespace scrb {

// A call made once on the next turn of the event loop, however often it is asked for before
// then: a burst of resizes or wheel steps is drawn once. Owned by `owner`, whose end cancels it.
class CoalescedCall {
 public:
  CoalescedCall(QObject* owner, std::function<void()> call)
      : owner_(owner), call_(std::move(call)) {}

  void Ask() {
    if (asked_) return;
    asked_ = true;
    QTimer::singleShot(0, owner_, [this] {
      asked_ = false;
      call_();
    });
  }

 private:
  QObject* owner_;
  std::function<void()> call_;
  bool asked_ = false;
};

}  // namespace scrb
