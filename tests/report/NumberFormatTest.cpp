#include <gtest/gtest.h>

#include "report/NumberFormat.h"
#include "support/ScopedLocale.h"

namespace scrb {
namespace {

// Both run under the C locale and under a comma-decimal one, as the app does on a German
// desktop: the texts must not change.
TEST(NumberFormat, ShortestTextsAndPatternsTheSameUnderEveryLocale) {
  const std::pair<double, const char*> general[] = {{0.1 + 0.2, "0.3"},
                                                    {-0.0, "0"},
                                                    {1.0 / 3, "0.333333333333333"},
                                                    {1e-5, "0.00001"},
                                                    {18.98, "18.98"},
                                                    {-2.5, "-2.5"},
                                                    {20, "20"},
                                                    {123456789012345.0, "123456789012345"}};
  // Decimal ties round away from zero as their text reads, though the doubles lie a hair below
  // (1.005 is 1.00499999999999989...) or above them.
  const std::tuple<double, const char*, const char*> patterns[] = {{123.5, "00.0", "123.5"},
                                                                   {-1.25, "00.0", "-01.3"},
                                                                   {-0.04, "0.0", "0.0"},
                                                                   {0.85, "0.000", "0.850"},
                                                                   {0, "#", ""},
                                                                   {2.5, "0", "3"},
                                                                   {1.005, "0.00", "1.01"},
                                                                   {0.285, "0.00", "0.29"},
                                                                   {2.675, "0.00", "2.68"},
                                                                   {-1.005, "0.00", "-1.01"},
                                                                   {-0.285, "0.00", "-0.29"},
                                                                   {-2.675, "0.00", "-2.68"},
                                                                   {0.05, "0.0", "0.1"},
                                                                   {0.15, "0.0", "0.2"},
                                                                   {0.25, "0.0", "0.3"},
                                                                   {0.35, "0.0", "0.4"},
                                                                   {1.0449999, "0.00", "1.04"}};
  for (const char* locale : {"C", test::kCommaDecimalLocale}) {
    const test::ScopedLocale scoped(locale);
    ASSERT_EQ(scoped.CommaDecimal(), locale != std::string("C")) << locale << " is not installed";
    for (const auto& [value, text] : general)
      EXPECT_EQ(GeneralNumber(value), text) << value << " " << locale;
    EXPECT_EQ(GeneralNumberSingle(1.0f / 3), "0.3333333");
    for (const auto& [value, pattern, text] : patterns)
      EXPECT_EQ(FormatPattern(value, pattern), text) << value << " " << pattern << " " << locale;
  }
}

}  // namespace
}  // namespace scrb
