#include "logbook/StartupSettings.h"

#include <gtest/gtest.h>

namespace scrb {
namespace {

TEST(StartupSettings, NumbersFromSettingTexts) {
  EXPECT_EQ(SettingNumber(""), 0);
  EXPECT_EQ(SettingNumber("  12 "), 12);
  EXPECT_EQ(SettingNumber("-1"), -1);
  EXPECT_EQ(SettingNumber("2.5"), 2.5);
  EXPECT_EQ(SettingNumber("abc"), 0);
  EXPECT_EQ(SettingNumber("3x"), 0);
  EXPECT_EQ(SettingNumber("nan"), 0);
  EXPECT_EQ(SettingNumber("1e400"), 0);
  EXPECT_EQ(SettingNumber("\xFF\xFE garbage"), 0);
}

TEST(StartupSettings, ChecksOnReading) {
  struct Case {
    const char* Text;
    int Display, Model, State, Tab;
  };
  for (const Case& c : {Case{"", 0, 0, 0, 0}, Case{"1", 1, 1, 1, 1}, Case{"3", 3, 3, 2, 3},
                        Case{"4", 0, 4, 2, 4}, Case{"7", 0, 7, 2, 1}, Case{"-1", 0, -1, 2, 1},
                        Case{"2.5", 2, 2, 2, 2}, Case{"1.6", 2, 2, 1, 1},
                        Case{"5", 0, 5, 2, 5}, Case{"1e12", 0, 32767, 2, 1},
                        Case{"junk", 0, 0, 0, 0}}) {
    EXPECT_EQ(DisplayOptionFromSetting(c.Text), c.Display) << c.Text;
    EXPECT_EQ(DecoModelFromSetting(c.Text), c.Model) << c.Text;
    EXPECT_EQ(WindowStateFromSetting(c.Text), c.State) << c.Text;
    EXPECT_EQ(TabNumberFromSetting(c.Text), c.Tab) << c.Text;
  }
}

TEST(StartupSettings, DiveToSelect) {
  EXPECT_EQ(DiveToSelect(3, 0, 10), 3);
  EXPECT_EQ(DiveToSelect(3, 1, 10), 9);
  EXPECT_EQ(DiveToSelect(9, 0, 10), 9);
  EXPECT_EQ(DiveToSelect(12, 0, 10), 9);
  EXPECT_EQ(DiveToSelect(-1, 1, 10), 9);
  EXPECT_EQ(DiveToSelect(-1, 1, 0), -1);
  EXPECT_EQ(DiveToSelect(0, 0, 0), -1);
}

}  // namespace
}  // namespace scrb
