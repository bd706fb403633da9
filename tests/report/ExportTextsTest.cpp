#include <gtest/gtest.h>

#include <algorithm>

#include "report/ExportTexts.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

// Rows of fields; every row must end with CR LF.
std::vector<std::vector<std::string>> Rows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  for (size_t start = 0, end; start < text.size(); start = end + 2) {
    end = text.find("\r\n", start);
    if (end == std::string::npos) return {{"no CR LF at the end"}};
    std::vector<std::string>& row = rows.emplace_back();
    for (size_t field = start, tab; field <= end; field = tab + 1) {
      tab = std::min(text.find('\t', field), end);
      row.push_back(text.substr(field, tab - field));
    }
  }
  return rows;
}

DecoModel Model(int number) {
  DecoModel model;
  LoadDecoModel(model, number);
  return model;
}

TEST(AllDivesText, EmptyStoreGivesTheHeaderAlone) {
  EXPECT_EQ(AllDivesText(Logbook{}),
            "Dive No\tDate\tTime\tDepth\tDuration\tLocation\tSite\tAir Consumption\tWater "
            "Temperature\tTank Size\r\n");
}

TEST(AllDivesText, OneRowPerDiveInStoreOrder) {
  Logbook book;
  DiveRecord& lake = book.Dives.emplace_back();
  lake.DiveNumber = 7;
  lake.DiveDate = "17/10/1998";
  lake.DiveTime = "12:00";
  lake.MaxDepth = 18.98;
  lake.DivingTime = "00:45";
  lake.Location = "Lac L\u00e9man";
  lake.Site = "Pier";
  lake.AirConsumption = 100;
  lake.WaterTemperature = 15.48;
  lake.TankCapacity = 12;
  DiveRecord pool = lake;
  pool.DiveNumber = 8;
  pool.MaxDepth = pool.AirConsumption = pool.TankCapacity = 327.67;
  pool.WaterTemperature = -1;
  pool.DivingTime = "Unknown";
  book.Dives.push_back(pool);

  const auto rows = Rows(AllDivesText(book));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1], (std::vector<std::string>{"7", "17/10/1998", "12:00", "18.98", "00:45",
                                               "Lac L\u00e9man", "Pier", "100", "15.48", "12"}));
  EXPECT_EQ(rows[2],
            (std::vector<std::string>{"8", "17/10/1998", "12:00", "Unknown", "Unknown",
                                      "Lac L\u00e9man", "Pier", "Unknown", "-1", "Unknown"}));
}

TEST(DiveProfileText, FieldCountFollowsTheModel) {
  struct Case {
    int model;
    size_t fields;
  };
  for (const Case& c : {Case{0, 13}, Case{1, 17}, Case{2, 20}}) {
    SCOPED_TRACE(c.model);
    test::ProfileBuilder profile;
    profile.Samples = test::ProfileBuilder::FromDepths({3, 6, 9, 9, 6, 3, 1});
    DiveRecord dive = test::MakeDecodedDive(profile);
    const auto rows = Rows(DiveProfileText(dive, Model(c.model)));
    ASSERT_EQ(rows.size(), 8u);
    for (const auto& row : rows) EXPECT_EQ(row.size(), c.fields);
    EXPECT_EQ(rows[0][4], "Tank Air");
    EXPECT_EQ(rows[0].back(), "Tissue " + std::to_string(c.fields - 5));
    EXPECT_EQ(rows[1][0], "1");
    EXPECT_EQ(rows[1][1], "00'20\"");
    EXPECT_EQ(rows[1][2], "03.0");
  }
}

TEST(DiveProfileText, NoSamplesGivesTheNoDataRow) {
  DiveRecord dive;
  const std::string text = DiveProfileText(dive, Model(0));
  const auto rows = Rows(text);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].size(), 13u);
  EXPECT_EQ(rows[1], std::vector<std::string>{"No Data available"});
}

TEST(DiveProfileText, WithoutAirEstimateBothAirColumnsSayNoData) {
  test::ProfileBuilder profile;
  profile.Samples = test::ProfileBuilder::FromDepths({10, 10, 10, 10});
  DiveRecord dive = test::MakeDecodedDive(profile, /*tankCapacity=*/327.67);
  const auto rows = Rows(DiveProfileText(dive, Model(0)));
  ASSERT_EQ(rows.size(), 5u);
  for (size_t r = 1; r < rows.size(); ++r) {
    EXPECT_EQ(rows[r][2], "10.0");
    EXPECT_EQ(rows[r][3], "No Data");
    EXPECT_EQ(rows[r][4], "No Data");
    EXPECT_NE(rows[r][5], "");
  }
  EXPECT_TRUE(dive.AirComputed);
  EXPECT_EQ(dive.BaseBreathRate, 0);
}

TEST(DiveProfileText, ComputesAirAndTissuesOnFirstUse) {
  // 30 minutes at 20 m, level 1 throughout (a 91st sample lets the last status byte count):
  // 20 l/min, 5 bar a minute.
  test::ProfileBuilder profile;
  profile.Samples = test::ProfileBuilder::FromDepths(std::vector<double>(91, 20.0));
  profile.Status.assign(30, 0x10);
  DiveRecord dive = test::MakeDecodedDive(profile, 12, 150);
  const auto rows = Rows(DiveProfileText(dive, Model(0)));
  ASSERT_EQ(rows.size(), 92u);
  // Before the first minute ends the columns show the entries of sample 0, which hold nothing.
  EXPECT_EQ(rows[1][3], "0.0");
  EXPECT_EQ(rows[2][4], "0.0");
  EXPECT_EQ(rows[3][3], "20.0");
  EXPECT_EQ(rows[3][4], "145.0");
  EXPECT_EQ(rows[5][4], "145.0");
  EXPECT_EQ(rows[6][4], "140.0");
  EXPECT_EQ(rows[90][4], "0.0");
  EXPECT_EQ(rows[91][4], "0.0");
  // The tissue column of sample i is the tissue's pressure at step i: air saturation at the start.
  EXPECT_EQ(rows[1][5], "0.79");
  EXPECT_EQ(rows[2][5], "0.89");  // 2.37 - 1.58 e^(-1/15)
  EXPECT_TRUE(dive.SaturationComputed);
}

TEST(DiveProfileText, ResultsOfAnotherModelAreNotRead) {
  test::ProfileBuilder profile;
  profile.Samples = test::ProfileBuilder::FromDepths({10, 10, 10, 10});
  DiveRecord dive = test::MakeDecodedDive(profile);
  ComputeSaturation(dive, Model(2));
  ASSERT_EQ(dive.TissuePressure.size(), 16u);
  const auto rows = Rows(DiveProfileText(dive, Model(0)));
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[1].size(), 13u);
  EXPECT_EQ(dive.TissuePressure.size(), 9u);
  EXPECT_EQ(rows[2][5], "0.84");
}

}  // namespace
}  // namespace scrb
