#include <gtest/gtest.h>

#include "logbook/ProfileDecoder.h"
#include "support/LogbookBuilder.h"

using namespace std::string_literals;

namespace scrb {
namespace {

DiveRecord WithProfile(const std::string& bytes) {
  DiveRecord dive;
  dive.ProfileData = bytes;
  dive.ProfileLength = static_cast<int32_t>(bytes.size());
  return dive;
}

TEST(DecodeProfile, PaddedBlockOfTwentyNineBytesHoldsTwoSamplesWithoutStatus) {
  std::string bytes(22, '\x11');
  bytes += std::string(2, '\0');
  bytes += "\x40\x80\xFF\xFF\x07"s;  // two samples, then a lone byte
  DiveRecord dive = WithProfile(bytes);
  DecodeProfile(dive);
  ASSERT_EQ(dive.SampleCount, 2);
  EXPECT_DOUBLE_EQ(dive.SampleDepth[0], 40.3125);
  EXPECT_EQ(dive.SampleFlags[0], 0);
  EXPECT_DOUBLE_EQ(dive.SampleDepth[1], 159.84375);
  EXPECT_EQ(dive.SampleFlags[1], 63);
  EXPECT_EQ(dive.SampleStatus[0], 0);
  EXPECT_EQ(dive.SampleStatus[1], 0);
}

TEST(DecodeProfile, StatusByteBelongsToEveryThirdSample) {
  std::string bytes(22, '\x11');
  bytes += "\x05\x00\x06\x00\x07\x00\x9A\x08\x00"s;  // 3 samples, status 0x9A, one more sample
  DiveRecord dive = WithProfile(bytes);
  ASSERT_EQ(dive.ProfileLength, 31);
  bytes += '\x01';  // n = 32 as in the worked case
  dive = WithProfile(bytes);
  DecodeProfile(dive);
  ASSERT_EQ(dive.SampleCount, 4);
  EXPECT_EQ(dive.SampleStatus[0], -1);
  EXPECT_EQ(dive.SampleStatus[1], -1);
  EXPECT_EQ(dive.SampleStatus[2], 0x9A);
  EXPECT_EQ(dive.SampleStatus[3], -1);
  EXPECT_EQ(dive.SampleStatus[4], -1);
  EXPECT_DOUBLE_EQ(dive.SampleDepth[4], 0.0);  // the entry behind the last sample stays 0
}

TEST(DecodeProfile, LastStatusByteWithNothingBehindItIsIgnored) {
  test::ProfileBuilder profile;
  profile.Samples = test::ProfileBuilder::FromDepths({3, 6, 9, 12, 15, 18});
  profile.Status = {0x11, 0x22};
  DiveRecord dive = WithProfile(profile.Bytes());
  DecodeProfile(dive);
  ASSERT_EQ(dive.SampleCount, 6);
  EXPECT_EQ(dive.SampleStatus[2], 0x11);
  EXPECT_EQ(dive.SampleStatus[3], -1);
  EXPECT_EQ(dive.SampleStatus[4], -1);
  EXPECT_EQ(dive.SampleStatus[5], 0);  // its status byte is the block's very last byte
}

TEST(DecodeProfile, EmptyAndTooShortBlocksHoldNoSamples) {
  for (size_t length : {0, 1, 21, 22, 23, 25}) {
    DiveRecord dive = WithProfile(std::string(length, '\0'));
    DecodeProfile(dive);
    EXPECT_EQ(dive.SampleCount, 0) << length;
    EXPECT_TRUE(dive.ProfileDecoded);
  }
  DiveRecord empty = WithProfile("");
  DecodeProfile(empty);
  EXPECT_TRUE(empty.SampleDepth.empty());
}

TEST(DecodeProfile, DecodesOnlyOnce) {
  test::ProfileBuilder profile;
  profile.Samples = test::ProfileBuilder::FromDepths({3, 6, 9});
  DiveRecord dive = WithProfile(profile.Bytes());
  DecodeProfile(dive);
  dive.SampleDepth[0] = 99;
  DecodeProfile(dive);
  EXPECT_EQ(dive.SampleDepth[0], 99);
}

TEST(DecodeProfile, ArraysReachPastTheLastSample) {
  for (int samples = 1; samples < 200; ++samples) {
    for (bool padding : {false, true}) {
      for (bool finalStatus : {false, true}) {
        test::ProfileBuilder profile;
        profile.Samples.assign(static_cast<size_t>(samples), test::RawSample{200, 0});
        profile.Padding = padding;
        profile.FinalStatus = finalStatus;
        DiveRecord dive = WithProfile(profile.Bytes());
        DecodeProfile(dive);
        ASSERT_EQ(dive.SampleCount, samples);
        ASSERT_GT(dive.SampleDepth.size(), static_cast<size_t>(samples));
        ASSERT_GT(dive.SampleStatus.size(), static_cast<size_t>(samples + 1));
        EXPECT_EQ(dive.SampleDepth[static_cast<size_t>(samples)], 0.0);
      }
    }
  }
}

}  // namespace
}  // namespace scrb
