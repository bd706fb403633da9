#include <gtest/gtest.h>

#include "report/NumberFormat.h"

namespace scrb {
namespace {

TEST(GeneralNumber, ShortestTextWithoutExponent) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {20, "20"},
      {21.5, "21.5"},
      {-1.0, "-1"},
      {1898 / 100.0, "18.98"},
      {32767 / 100.0, "327.67"},
      {32768 / 100.0, "327.68"},
      {-100 / 100.0, "-1"},
      {0.1 + 0.2, "0.3"},
      {-0.0, "0"},
      {0.5, "0.5"},
      {1.0 / 3, "0.333333333333333"},
      {123456789012345.0, "123456789012345"},
      {1e-5, "0.00001"},
      {-32767, "-32767"},
  };
  for (const Case& c : cases) EXPECT_EQ(GeneralNumber(c.value), c.text) << c.value;
  EXPECT_EQ(GeneralNumberSingle(1.0f / 3), "0.3333333");
  EXPECT_EQ(GeneralNumberSingle(12.7f), "12.7");
}

TEST(FormatPattern, PadsAndRoundsLikeTheReportPatterns) {
  struct Case {
    double value;
    const char* pattern;
    const char* text;
  };
  const Case cases[] = {
      {5, "00", "05"},        {100, "00", "100"},
      {5, "000", "005"},      {255, "000", "255"},
      {1, "0000", "0001"},    {10001, "0000", "10001"},
      {5.3, "00.0", "05.3"},  {123.5, "00.0", "123.5"},
      {0, "00.0", "00.0"},    {-1.25, "00.0", "-01.3"},
      {20, "0.0", "20.0"},    {0.25, "0.0", "0.3"},
      {-0.04, "0.0", "0.0"},  {145, "0.0", "145.0"},
      {0.79, "0.00", "0.79"}, {0.840949, "0.00", "0.84"},
      {0.15, "0.0", "0.2"},   {4, "#", "4"},
      {0, "#", ""},           {2.5, "0", "3"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

}  // namespace
}  // namespace scrb
