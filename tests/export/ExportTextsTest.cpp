#include <gtest/gtest.h>

#include <algorithm>

#include "logbook/LogbookReader.h"
#include "export/ExportTexts.h"
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
  ParseLogbook(test::BuildLogbook({test::EntryBuilder{}}), book.Dives);
  DiveRecord pool = book.Dives[0];
  pool.DiveNumber = 8;
  pool.MaxDepth = pool.AirConsumption = pool.TankCapacity = 327.67;
  pool.WaterTemperature = -327.67;  // only the positive mark means missing
  pool.DivingTime = "Unknown";
  book.Dives.push_back(pool);

  const auto rows = Rows(AllDivesText(book));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[1], (std::vector<std::string>{"7", "17/10/1998", "12:00", "18.98", "00:45", "Lake",
                                               "Pier", "100", "15.48", "12"}));
  EXPECT_EQ(rows[2], (std::vector<std::string>{"8", "17/10/1998", "12:00", "Unknown", "Unknown",
                                               "Lake", "Pier", "Unknown", "-327.67", "Unknown"}));
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

// Copying a profile is often the first thing asked of a dive: the air estimate is worked out
// for it. Two whole minutes at level 1 and 2 bar draw 12 l x 50 bar at 150 l/min.
TEST(DiveProfileText, WorksOutTheAirEstimateWhenFirstAsked) {
  test::ProfileBuilder profile;
  profile.Samples = test::ProfileBuilder::FromDepths({10, 10, 10, 10, 10, 10, 10});
  profile.Status.assign(2, 0x10);
  DiveRecord dive = test::MakeDecodedDive(profile, /*tankCapacity=*/12, /*airConsumption=*/50);
  const auto rows = Rows(DiveProfileText(dive, Model(0)));
  ASSERT_EQ(rows.size(), 8u);
  using Fields = std::vector<std::string>;
  // Depth, breathing rate and tank pressure at the end of each minute.
  EXPECT_EQ(Fields(rows[3].begin() + 2, rows[3].begin() + 5), (Fields{"10.0", "150.0", "25.0"}));
  EXPECT_EQ(Fields(rows[6].begin() + 2, rows[6].begin() + 5), (Fields{"10.0", "150.0", "0.0"}));
}

}  // namespace
}  // namespace scrb
