// The example logbook's export texts are pinned by the golden outputs; here the cases it lacks.

#include <gtest/gtest.h>

#include "export/ExportTexts.h"
#include "support/LogbookBuilder.h"

namespace scrb {
namespace {

TEST(DiveProfileText, NoAirEstimateAndResultsOfAnotherModelAreNotRead) {
  DecoModel eightTissues;
  DecoModel fifteenTissues;
  LoadDecoModel(eightTissues, 0);
  LoadDecoModel(fifteenTissues, 2);
  test::ProfileBuilder profile{.Samples = test::ProfileBuilder::FromDepths({10, 10, 10, 10})};
  const DiveRecord dive = test::MakeDecodedDive(profile, /*tankCapacity=*/327.67);
  const std::string header =
      "Point No\tTime\tDepth\tAir Consumption\tTank Air\tTissue 1\tTissue 2\tTissue 3\t"
      "Tissue 4\tTissue 5\tTissue 6\tTissue 7\tTissue 8\r\n";
  // Pressures of fifteen tissues are never read as eight: the cells stay blank.
  EXPECT_EQ(DiveProfileText(AnalyseDive(dive, fifteenTissues, 1.0), eightTissues),
            header + "1\t00'20\"\t10.0\tNo Data\tNo Data\t\t\t\t\t\t\t\t\r\n" +
                "2\t00'40\"\t10.0\tNo Data\tNo Data\t\t\t\t\t\t\t\t\r\n" +
                "3\t01'00\"\t10.0\tNo Data\tNo Data\t\t\t\t\t\t\t\t\r\n" +
                "4\t01'20\"\t10.0\tNo Data\tNo Data\t\t\t\t\t\t\t\t\r\n");
  EXPECT_EQ(
      DiveProfileText(AnalyseDive(dive, eightTissues, 1.0), eightTissues),
      header +
          "1\t00'20\"\t10.0\tNo Data\tNo Data\t0.79\t0.79\t0.79\t0.79\t0.79\t0.79\t0.79\t0.79\r\n"
          "2\t00'40\"\t10.0\tNo Data\tNo Data\t0.84\t0.82\t0.80\t0.80\t0.79\t0.79\t0.79\t0.79\r\n"
          "3\t01'00\"\t10.0\tNo Data\tNo Data\t0.89\t0.84\t0.82\t0.80\t0.80\t0.79\t0.79\t0.79\r\n"
          "4\t01'20\"\t10.0\tNo Data\tNo Data\t0.93\t0.87\t0.83\t0.81\t0.80\t0.79\t0.79\t0.79\r\n");
}

}  // namespace
}  // namespace scrb
