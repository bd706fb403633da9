#pragma once

#include <optional>

namespace scrb {

// The samples of the dive on a chart that its readout stands on: all of them, or those of the
// stretch shown; and the one the keyboard cursor is on, the nearest to the last cursor, by mouse
// or keys.
class ReadoutSamples {
 public:
  // The dive's samples, 0 when it has none: all are shown, and the keyboard cursor is on none.
  void SetCount(int count);
  int Count() const { return count_; }
  // The stretch shown, kept within the dive; the keyboard cursor stays within it.
  void SetShown(int first, int last);
  // The keyboard cursor goes to the sample nearest a cursor at user x, or leaves.
  void Follow(double userX);
  void Forget() { keyboard_.reset(); }
  // The time a readout takes for user x: within the samples shown.
  double Clamp(double userX) const;
  // Left and Right move the keyboard cursor a sample on (a minute's samples with `minute`), Home
  // and End to the first and the last sample shown: the time of the sample it lands on. Nothing
  // for another key, or without samples.
  std::optional<double> Key(int key, bool minute);

 private:
  int Last() const { return last_.value_or(count_ - 1); }

  int count_ = 0;
  std::optional<int> keyboard_;
  int first_ = 0;
  std::optional<int> last_;  // none: the whole dive
};

}  // namespace scrb
