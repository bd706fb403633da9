#include <gtest/gtest.h>

#include <tuple>

#include "app/state/WindowSettings.h"

namespace scrb {
namespace {

// Out-of-range and garbage values through the whole start are in the window tests. Texts that
// are no finite number read as 0; huge ones must not overflow the conversions.
TEST(WindowSettings, ChecksOnReading) {
  const std::tuple<const char*, int, int, int> cases[] = {
      {" 1 ", 1, 1, 1}, {"4", 2, 4, 4}, {"2.5", 2, 2, 2},        {"1.6", 1, 1, 2},
      {"-5", 2, 1, 0},  {"7", 2, 1, 7}, {"1e12", 2, 1, 1000000}, {"1e400", 0, 0, 0},
      {"abc", 0, 0, 0}, {"", 0, 0, 0}};
  for (const auto& [text, windowState, tab, listWidth] : cases) {
    EXPECT_EQ(WindowStateFromSetting(text), windowState) << text;
    EXPECT_EQ(TabNumberFromSetting(text), tab) << text;
    EXPECT_EQ(DiveListWidthFromSetting(text), listWidth) << text;
  }
}

// The saved dive comes back only when it is an older one that still exists; leaving on the
// newest dive, or a saved place the logbook no longer reaches, starts on the newest.
TEST(WindowSettings, DiveSelectedAtStart) {
  const std::tuple<double, double, int, int> cases[] = {
      {3, 0, 10, 3},  {2.6, 0, 10, 3},  {3, 1, 10, 9}, {9, 0, 10, 9}, {15, 0, 10, 9},
      {-1, 0, 10, 9}, {1e12, 0, 10, 9}, {0, 0, 0, -1}, {0, 0, 1, 0}};
  for (const auto& [saved, lastDive, count, expected] : cases) {
    EXPECT_EQ(DiveToSelect(saved, lastDive, count), expected)
        << saved << " " << lastDive << " " << count;
  }
}

}  // namespace
}  // namespace scrb
