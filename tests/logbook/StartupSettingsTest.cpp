#include <gtest/gtest.h>

#include "logbook/StartupSettings.h"

namespace scrb {
namespace {

// Out-of-range and garbage values through the whole start are in the window tests.
TEST(StartupSettings, ChecksOnReading) {
  struct Case {
    const char* Text;
    int Display, Model, State, Tab;
  };
  // Texts that are no finite number read as 0; huge ones must not overflow the conversions.
  for (const Case& c :
       {Case{" 1 ", 1, 1, 1, 1}, Case{"4", 0, 4, 2, 4}, Case{"2.5", 2, 2, 2, 2},
        Case{"1.6", 2, 2, 1, 1}, Case{"1e12", 0, 32767, 2, 1}, Case{"1e400", 0, 0, 0, 0}}) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(DisplayOptionFromSetting(c.Text), c.Display);
    EXPECT_EQ(DecoModelFromSetting(c.Text), c.Model);
    EXPECT_EQ(WindowStateFromSetting(c.Text), c.State);
    EXPECT_EQ(TabNumberFromSetting(c.Text), c.Tab);
  }
}

}  // namespace
}  // namespace scrb
