#include <gtest/gtest.h>

#include "logbook/StartupSettings.h"
#include "report/NumberFormat.h"
#include "saturation/SurfacePressureEntry.h"
#include "support/ScopedLocale.h"

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

// The desktop's locale may change between two runs; what one run wrote the next reads back.
TEST(StartupSettings, WrittenUnderOneLocaleReadBackUnderAnother) {
  const std::vector<double> values{2.5, -1, 12345.75, 0.125, 13950};
  std::vector<std::string> written;
  {
    const test::ScopedLocale german(test::kCommaDecimalLocale);
    ASSERT_TRUE(german.CommaDecimal()) << test::kCommaDecimalLocale << " is not installed";
    for (double value : values) written.push_back(GeneralNumber(value));
    EXPECT_EQ(SettingNumber("2.5"), 2.5);
    EXPECT_EQ(SettingNumber("+7"), 7);
  }
  for (size_t i = 0; i < values.size(); ++i)
    EXPECT_EQ(SettingNumber(written[i]), values[i]) << written[i];
}

TEST(StartupSettings, DiveListWidthAndRecentLogbooks) {
  for (const auto& [text, width] :
       {std::pair{"2400", 2400}, std::pair{"-5", 0}, std::pair{"abc", 0},
        std::pair{"1e300", 1000000}, std::pair{"", 0}}) {
    EXPECT_EQ(DiveListWidthFromSetting(text), width) << text;
  }
  EXPECT_EQ(settings::RecentLogbookKey(0), "RecentLogbook1");
  // A damaged store: blanks and repeats are dropped, only six are kept.
  EXPECT_EQ(CleanRecentLogbooks({"a", " ", "b", "a", "", "c", "d", "e", "f", "g"}),
            (std::vector<std::string>{"a", "b", "c", "d", "e", "f"}));
  EXPECT_EQ(RecentLogbooksAfterOpening({"a", "b", "c", "d", "e", "f"}, "c"),
            (std::vector<std::string>{"c", "a", "b", "d", "e", "f"}));
  EXPECT_EQ(RecentLogbooksAfterOpening({"a", "b", "c", "d", "e", "f"}, "g"),
            (std::vector<std::string>{"g", "a", "b", "c", "d", "e"}));
}

}  // namespace
}  // namespace scrb
