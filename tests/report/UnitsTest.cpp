#include <gtest/gtest.h>

#include "charts/DepthReadout.h"
#include "logbook/LogbookReader.h"
#include "logbook/MissingValues.h"
#include "logbook/ProfileDecoder.h"
#include "overview/DiveTable.h"
#include "report/ReportTexts.h"
#include "report/Units.h"
#include "support/LogbookBuilder.h"
#include "support/ScopedLocale.h"

namespace scrb {
namespace {

constexpr auto kMetric = UnitSystem::Metric;
constexpr auto kImperial = UnitSystem::Imperial;

// Each kind at 0, at negative and large values.
TEST(Units, ConversionsAtTheirEdges) {
  const std::tuple<Quantity, double, double> cases[] = {
      {Quantity::Depth, 0, 0},           {Quantity::Depth, 1, 3.28084},
      {Quantity::Depth, 10000, 32808.4}, {Quantity::Speed, -12, -39.37008},
      {Quantity::Temperature, 0, 32},    {Quantity::Temperature, -40, -40},
      {Quantity::Temperature, -2, 28.4}, {Quantity::Temperature, 100, 212},
      {Quantity::Pressure, 0, 0},        {Quantity::Pressure, 200, 2900.76},
      {Quantity::BreathRate, 0, 0},      {Quantity::BreathRate, 20, 0.706294},
  };
  for (const auto& [quantity, metric, imperial] : cases) {
    SCOPED_TRACE(metric);
    EXPECT_DOUBLE_EQ(ToUnits(quantity, metric, kMetric), metric);
    EXPECT_NEAR(ToUnits(quantity, metric, kImperial), imperial, 1e-9 * (1 + std::abs(imperial)));
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

// Dive 101 of the example logbook: 22.19 m, water 6.5 C, air 12 C, 140 bar used, a 10 l tank;
// its third sample lies at 15.2 m.
TEST(Units, TheExampleLogbooksFirstDiveInImperial) {
  std::vector<DiveRecord> dives;
  ParseLogbook(test::SampleLogbook(), dives);
  ASSERT_FALSE(dives.empty());
  const DiveRecord& dive = dives[0];

  const auto valueOf = [](const DiveSummary& summary, const std::string& caption) {
    for (const SummaryLine& line : summary.Lines)
      if (line.Caption == caption) return line.Value;
    return std::string("<none>");
  };
  const DiveSummary metric = SummaryTexts(dive, UnitSystem::Metric);
  const DiveSummary imperial = SummaryTexts(dive, kImperial);
  const std::tuple<const char*, const char*, const char*> lines[] = {
      {"Maximum Depth:", " 22.19 m", " 72.8 ft"},   {"Min. Temperature:", " 6.5 C", " 44 \u00B0F"},
      {"Air Temperature:", " 12 C", " 54 \u00B0F"}, {"Air consumption:", " 140 bar", " 2031 psi"},
      {"Air Tank size:", " 10 l", " 10 l"},
  };
  for (const auto& [caption, metricText, imperialText] : lines) {
    EXPECT_EQ(valueOf(metric, caption), metricText);
    EXPECT_EQ(valueOf(imperial, caption), imperialText);
  }

  const DecodedProfile profile = DecodeProfile(dive);
  EXPECT_EQ(DepthReadoutText(profile, 2, UnitSystem::Metric), "Time=01'00\" Depth=15.2 m");
  EXPECT_EQ(DepthReadoutText(profile, 2, kImperial), "Time=01'00\" Depth=50 ft");
  EXPECT_EQ(SpeedReadoutText(profile, 2, kImperial), " Vertical Speed=-51 ft/min");

  // The table's cells show and sort in the units; tank sizes stay litres.
  DiveTable table;
  table.Build(dives, 1, kImperial);
  const std::pair<TableColumn, const char*> cells[] = {{TableColumn::MaxDepth, "72.8 ft"},
                                                       {TableColumn::WaterTemp, "44 \u00B0F"},
                                                       {TableColumn::AirUsed, "2031 psi"},
                                                       {TableColumn::Tank, "10 l"}};
  for (const auto& [column, text] : cells) EXPECT_EQ(table.Cell(0, column).Text, text);
  EXPECT_NEAR(table.Cell(0, TableColumn::MaxDepth).Number, 72.8018, 1e-4);
}

}  // namespace
}  // namespace scrb
