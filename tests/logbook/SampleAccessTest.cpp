#include <gtest/gtest.h>

#include "logbook/SampleAccess.h"

namespace scrb {
namespace {

TEST(SampleAccess, ReadsOutsideTheArraysGiveZeroAndFlagsKeepTheirLowByte) {
  DecodedProfile dive;
  dive.SampleCount = 5;  // more than the arrays hold, as a damaged record may claim
  dive.SampleDepth = {1.5, 3.0};
  dive.SampleFlags = {static_cast<int16_t>(0x7F21), 2};
  dive.SampleStatus = {-1, -1, 0x51};
  EXPECT_EQ((std::vector<double>{SampleDepthAt(dive, -1), SampleDepthAt(dive, 1),
                                 SampleDepthAt(dive, 2), SampleDepthAt(dive, int64_t{1} << 40)}),
            (std::vector<double>{0, 3.0, 0, 0}));
  EXPECT_EQ(
      (std::vector<int>{SampleFlagsAt(dive, 0), SampleFlagsAt(dive, 1), SampleFlagsAt(dive, 2)}),
      (std::vector<int>{0x21, 2, 0}));
  EXPECT_EQ((std::vector<int>{EntryOr0(dive.SampleStatus, MinuteEnd(0)),
                              EntryOr0(dive.SampleStatus, MinuteEnd(2)),
                              EntryOr0(dive.SampleStatus, MinuteEnd(3))}),
            (std::vector<int>{0x51, 0x51, 0}));
  dive.SampleCount = -3;
  EXPECT_EQ(DecodedSampleCount(dive), 0);
}

}  // namespace
}  // namespace scrb
