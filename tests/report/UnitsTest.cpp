#include <gtest/gtest.h>

#include "logbook/MissingValues.h"
#include "report/Units.h"
#include "support/ScopedLocale.h"

namespace scrb {
namespace {

constexpr auto kMetric = UnitSystem::Metric;
constexpr auto kImperial = UnitSystem::Imperial;

// Each kind at 0, at negative and large values, and back again.
TEST(Units, ConversionsAtTheirEdges) {
  const std::tuple<Quantity, double, double> cases[] = {
      {Quantity::Depth, 0, 0},
      {Quantity::Depth, 1, 3.28084},
      {Quantity::Depth, 10000, 32808.4},
      {Quantity::Speed, -12, -39.37008},
      {Quantity::Temperature, 0, 32},
      {Quantity::Temperature, -40, -40},
      {Quantity::Temperature, -2, 28.4},
      {Quantity::Temperature, 100, 212},
      {Quantity::Pressure, 0, 0},
      {Quantity::Pressure, 200, 2900.76},
      {Quantity::BreathRate, 0, 0},
      {Quantity::BreathRate, 20, 0.706294},
  };
  for (const auto& [quantity, metric, imperial] : cases) {
    SCOPED_TRACE(metric);
    EXPECT_DOUBLE_EQ(ToUnits(quantity, metric, kMetric), metric);
    EXPECT_NEAR(ToUnits(quantity, metric, kImperial), imperial, 1e-9 * (1 + std::abs(imperial)));
    EXPECT_NEAR(FromUnits(quantity, imperial, kImperial), metric, 1e-9 * (1 + std::abs(metric)));
  }
}

// The field texts of the General page and the report: metric as the texts always were, the mark
// "Unknown" in both systems and never a converted 327.67, and locale-free.
TEST(Units, FieldTextsKeepTheMarkAndRoundPerKind) {
  test::ScopedLocale comma(test::kCommaDecimalLocale);
  const std::tuple<Quantity, double, const char*, const char*> cases[] = {
      {Quantity::Depth, 18.98, "18.98 m", "62.3 ft"},
      {Quantity::Depth, 0, "0 m", "0.0 ft"},
      {Quantity::Depth, kUnknownMeasurement, "Unknown", "Unknown"},
      {Quantity::Depth, -kUnknownMeasurement, "-327.67 m", "-1075.0 ft"},
      {Quantity::Temperature, 0, "0 C", "32 \u00B0F"},
      {Quantity::Temperature, -2, "-2 C", "28 \u00B0F"},
      {Quantity::Temperature, -20, "-20 C", "-4 \u00B0F"},
      {Quantity::Temperature, -18, "-18 C", "0 \u00B0F"},
      {Quantity::Temperature, kUnknownMeasurement, "Unknown", "Unknown"},
      {Quantity::Pressure, 110.5, "110.5 bar", "1603 psi"},
      {Quantity::Pressure, kUnknownMeasurement, "Unknown", "Unknown"},
      {Quantity::BreathRate, 21.4, "21.4 l/min", "0.76 cu ft/min"},
  };
  for (const auto& [quantity, value, metric, imperial] : cases) {
    SCOPED_TRACE(value);
    EXPECT_EQ(FieldWithUnit(quantity, value, kMetric), metric);
    EXPECT_EQ(FieldWithUnit(quantity, value, kImperial), imperial);
    EXPECT_EQ(FieldIn(quantity, value, kImperial).has_value(), value != kUnknownMeasurement);
  }
}

// Readout and axis figures follow the metric pattern's integer digits and each kind's decimals.
TEST(Units, PatternsTakeEachKindsDecimals) {
  const std::tuple<Quantity, double, const char*, const char*, const char*> cases[] = {
      {Quantity::Depth, 12.34, "0.0", "12.3", "40"},
      {Quantity::Speed, -9, "0.0", "-9.0", "-30"},
      {Quantity::Temperature, 21.5, "0.0", "21.5", "70.7"},
      {Quantity::Pressure, 3.2, "0.000", "3.200", "46.41"},
      {Quantity::Pressure, 200, "0.0", "200.0", "2901"},
      {Quantity::BreathRate, 5.5, "00.0", "05.5", "00.19"},
  };
  for (const auto& [quantity, value, pattern, metric, imperial] : cases) {
    SCOPED_TRACE(pattern);
    EXPECT_EQ(FormatIn(quantity, value, kMetric, pattern), metric);
    EXPECT_EQ(FormatIn(quantity, value, kImperial, pattern), imperial);
  }
}

TEST(Units, NamesOfTheSystems) {
  EXPECT_EQ(UnitSystemByName("Imperial"), kImperial);
  EXPECT_EQ(UnitSystemByName("METRIC"), kMetric);
  EXPECT_EQ(UnitSystemByName("feet"), std::nullopt);
  EXPECT_EQ(UnitSystemByName(""), std::nullopt);
  EXPECT_EQ(UnitSystemByName(UnitSystemName(kImperial)), kImperial);
}

}  // namespace
}  // namespace scrb
