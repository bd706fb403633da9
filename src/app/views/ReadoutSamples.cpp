#include "app/views/ReadoutSamples.h"

#include <QtCore/qnamespace.h>

#include <algorithm>

#include "charts/SampleTimeAxis.h"
#include "logbook/SampleAccess.h"

namespace scrb {

void ReadoutSamples::SetCount(int count) {
  count_ = std::max(0, count);
  keyboard_.reset();
  first_ = 0;
  last_.reset();
}

void ReadoutSamples::SetShown(int first, int last) {
  if (count_ <= 0) return;
  first_ = std::clamp(first, 0, count_ - 1);
  last_ = std::clamp(last, first_, count_ - 1);
  if (keyboard_) keyboard_ = std::clamp(*keyboard_, first_, *last_);
}

void ReadoutSamples::Follow(double userX) {
  if (count_ > 0) keyboard_ = std::clamp(static_cast<int>(NearestSample(userX)), first_, Last());
}

double ReadoutSamples::Clamp(double userX) const {
  // The axis runs on past the last sample and starts before the first, and a stretch cuts the
  // dive: there the readout holds the nearest sample shown instead of going stale at the last
  // place it could read.
  if (count_ <= 0) return userX;
  return std::clamp(userX, SampleTime(first_), SampleTime(Last()));
}

std::optional<double> ReadoutSamples::Key(int key, bool minute) {
  if (count_ <= 0) return std::nullopt;
  const int step = minute ? kSamplesPerMinute : 1;
  int to = 0;
  switch (key) {
    case Qt::Key_Left:
      to = keyboard_ ? *keyboard_ - step : first_;
      break;
    case Qt::Key_Right:
      to = keyboard_ ? *keyboard_ + step : first_;
      break;
    case Qt::Key_Home:
      to = first_;
      break;
    case Qt::Key_End:
      to = Last();
      break;
    default:
      return std::nullopt;
  }
  keyboard_ = std::clamp(to, first_, Last());
  return SampleTime(*keyboard_);
}

}  // namespace scrb
