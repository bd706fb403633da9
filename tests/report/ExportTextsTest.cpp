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

// The header's text is pinned down by the command-line tests.
TEST(AllDivesText, OneRowPerDiveInStoreOrder) {
  Logbook book;
  EXPECT_EQ(Rows(AllDivesText(book)).size(), 1u);
  DiveRecord& lake = book.Dives.emplace_back();
  lake.DiveNumber = 7;
  lake.MaxDepth = 18.98;
  lake.DivingTime = "00:45";
  lake.Location = "Lac L\u00e9man";
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
  EXPECT_EQ(rows[1], (std::vector<std::string>{"7", "", "", "18.98", "00:45", "Lac L\u00e9man", "",
                                               "100", "15.48", "12"}));
  EXPECT_EQ(rows[2], (std::vector<std::string>{"8", "", "", "Unknown", "Unknown", "Lac L\u00e9man",
                                               "", "Unknown", "-1", "Unknown"}));
}

TEST(DiveProfileText, FieldCountFollowsTheModel) {
  for (const auto& [model, fields] : {std::pair{0, 13u}, std::pair{1, 17u}, std::pair{2, 20u}}) {
    SCOPED_TRACE(model);
    test::ProfileBuilder profile;
    profile.Samples = test::ProfileBuilder::FromDepths({3, 6, 9, 9, 6, 3, 1});
    DiveRecord dive = test::MakeDecodedDive(profile);
    const auto rows = Rows(DiveProfileText(dive, Model(model)));
    ASSERT_EQ(rows.size(), 8u);
    for (const auto& row : rows) EXPECT_EQ(row.size(), fields);
    EXPECT_EQ(rows[0].back(), "Tissue " + std::to_string(fields - 5));
  }
}

TEST(DiveProfileText, NoAirEstimateAndResultsOfAnotherModelAreNotRead) {
  test::ProfileBuilder profile;
  profile.Samples = test::ProfileBuilder::FromDepths({10, 10, 10, 10});
  DiveRecord dive = test::MakeDecodedDive(profile, /*tankCapacity=*/327.67);
  ComputeSaturation(dive, Model(2));
  const auto rows = Rows(DiveProfileText(dive, Model(0)));
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[2].size(), 13u);
  EXPECT_EQ(std::vector(rows[2].begin() + 2, rows[2].begin() + 6),
            (std::vector<std::string>{"10.0", "No Data", "No Data", "0.84"}));
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
  // The tissue column of sample i is the tissue's pressure at step i: 2.37 - 1.58 e^(-1/15).
  EXPECT_EQ((std::vector{rows[3][3], rows[3][4], rows[2][5]}),
            (std::vector<std::string>{"20.0", "145.0", "0.89"}));
}

}  // namespace
}  // namespace scrb
