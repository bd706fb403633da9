#include <gtest/gtest.h>

#include "logbook/StartupSettings.h"
#include "report/NumberFormat.h"
#include "saturation/SurfacePressureEntry.h"
#include "support/ScopedLocale.h"

namespace scrb {
namespace {

// Out-of-range and garbage values through the whole start are in the window tests. Texts that
// are no finite number read as 0; huge ones must not overflow the conversions.
TEST(StartupSettings, ChecksOnReading) {
  const std::tuple<const char*, int, int> cases[] = {
      {" 1 ", 1, 1},      {"4", 0, 4},     {"2.5", 2, 2}, {"1.6", 2, 2}, {"-5", 0, -5},
      {"1e12", 0, 32767}, {"1e400", 0, 0}, {"abc", 0, 0}, {"", 0, 0}};
  for (const auto& [text, displayOption, decoModel] : cases) {
    EXPECT_EQ(DisplayOptionFromSetting(text), displayOption) << text;
    EXPECT_EQ(DecoModelFromSetting(text), decoModel) << text;
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

TEST(StartupSettings, RecentLogbooks) {
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
