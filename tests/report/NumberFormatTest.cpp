#include <gtest/gtest.h>

#include "report/NumberFormat.h"

namespace scrb {
namespace {

TEST(GeneralNumber, ShortestTextWithoutExponent) {
  const std::pair<double, const char*> cases[] = {{0.1 + 0.2, "0.3"},
                                                  {-0.0, "0"},
                                                  {1.0 / 3, "0.333333333333333"},
                                                  {1e-5, "0.00001"},
                                                  {123456789012345.0, "123456789012345"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(GeneralNumber(value), text) << value;
  EXPECT_EQ(GeneralNumberSingle(1.0f / 3), "0.3333333");
}

TEST(FormatPattern, PadsAndRoundsLikeTheReportPatterns) {
  const struct {
    double Value;
    const char *Pattern, *Text;
  } cases[] = {{123.5, "00.0", "123.5"},
               {-1.25, "00.0", "-01.3"},
               {-0.04, "0.0", "0.0"},
               {0.15, "0.0", "0.2"},
               {0, "#", ""},
               {2.5, "0", "3"}};
  for (const auto& c : cases)
    EXPECT_EQ(FormatPattern(c.Value, c.Pattern), c.Text) << c.Value << " " << c.Pattern;
}

}  // namespace
}  // namespace scrb
