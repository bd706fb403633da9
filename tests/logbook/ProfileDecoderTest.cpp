#include <gtest/gtest.h>

#include "logbook/ProfileDecoder.h"
#include "support/LogbookBuilder.h"

using namespace std::string_literals;

namespace scrb {
namespace {

DiveRecord Decoded(const std::string& bytes) {
  DiveRecord dive;
  dive.ProfileData = bytes;
  dive.ProfileLength = static_cast<int32_t>(bytes.size());
  DecodeProfile(dive);
  return dive;
}

TEST(DecodeProfile, PaddedBlockOfTwentyNineBytesHoldsTwoSamplesWithoutStatusShorterOnesNone) {
  // Header, padding, two samples, then a lone byte.
  const DiveRecord dive = Decoded(std::string(22, '\x11') + "\0\0\x40\x80\xFF\xFF\x07"s);
  ASSERT_EQ(dive.SampleCount, 2);
  EXPECT_DOUBLE_EQ(dive.SampleDepth[0], 40.3125);
  EXPECT_DOUBLE_EQ(dive.SampleDepth[1], 159.84375);
  EXPECT_EQ(dive.SampleFlags[1], 63);
  for (size_t length : {0, 21, 25}) EXPECT_EQ(Decoded(std::string(length, '\0')).SampleCount, 0);
}

TEST(DecodeProfile, StatusByteBelongsToEveryThirdSample) {
  // Three samples, status 0x9A, one more sample and a lone byte: 32 bytes.
  const DiveRecord dive =
      Decoded(std::string(22, '\x11') + "\x05\x00\x06\x00\x07\x00\x9A\x08\x00\x01"s);
  ASSERT_EQ(dive.SampleCount, 4);
  EXPECT_EQ(std::vector<int>(dive.SampleStatus.begin(), dive.SampleStatus.begin() + 5),
            (std::vector<int>{-1, -1, 0x9A, -1, -1}));
  EXPECT_DOUBLE_EQ(dive.SampleDepth[4], 0.0);  // the entry behind the last sample stays 0

  // A status byte that is the block's very last byte is ignored.
  test::ProfileBuilder profile;
  profile.Samples = test::ProfileBuilder::FromDepths({3, 6, 9, 12, 15, 18});
  profile.Status = {0x11, 0x22};
  EXPECT_EQ(Decoded(profile.Bytes()).SampleStatus[5], 0);
}

}  // namespace
}  // namespace scrb
